#pragma once
// Plain file access on the simulated machine: the real file system, with the
// sharing rules of the Jet sessions open on it (a file a session holds
// exclusively cannot be opened by anybody else).

#include <string>

#include "platform/win32.h"
#include "sim/jet/sessions.h"

namespace sim {

class FileSystem : public platform::FileSystem {
 public:
  explicit FileSystem(const jet::Sessions& sessions) : sessions_(sessions) {}

  void ProbeRead(const std::string& path) override;
  // The read-only attribute is the absence of every write permission bit.
  bool IsReadOnly(const std::string& path) override;

 private:
  const jet::Sessions& sessions_;
};

}  // namespace sim
