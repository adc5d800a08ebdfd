#pragma once
// The simulated process memory that hook procedures read by address: blocks
// of 32-bit values placed at addresses of their own.

#include <cstdint>
#include <map>
#include <vector>

#include "platform/win32.h"

namespace sim {

class Memory : public platform::Memory {
 public:
  // Places the values at a new address and returns it.
  std::uintptr_t Allocate(const std::vector<std::int32_t>& values);
  void Free(std::uintptr_t address);
  // Reading outside a block raises 5, as an access violation would end the program.
  std::int32_t ReadLong(std::uintptr_t address) override;

 private:
  std::map<std::uintptr_t, std::vector<std::int32_t>> blocks_;
  std::uintptr_t next_ = 0x00100000;
};

}  // namespace sim
