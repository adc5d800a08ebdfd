#include "sim/win32/memory.h"

#include "com/error.h"

namespace sim {

std::uintptr_t Memory::Allocate(const std::vector<std::int32_t>& values) {
  const std::uintptr_t address = next_;
  blocks_[address] = values;
  next_ += (values.size() + 4) * 4;
  return address;
}

void Memory::Free(std::uintptr_t address) { blocks_.erase(address); }

std::int32_t Memory::ReadLong(std::uintptr_t address) {
  auto block = blocks_.upper_bound(address);
  if (block != blocks_.begin()) {
    --block;
    const std::uintptr_t offset = address - block->first;
    if (offset % 4 == 0 && offset / 4 < block->second.size()) return block->second[offset / 4];
  }
  com::Raise(5, "Access violation reading address " + std::to_string(address));
}

}  // namespace sim
