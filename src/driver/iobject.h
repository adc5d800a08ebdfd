#pragma once
// IObject: one object of a top-level collection. Its properties are those of
// its member table (com::Dispatch); the host scans and writes them.

#include <cstdint>
#include <string>

namespace driver {

// The host's mode enumeration.
enum Mode : std::int32_t { kModeClosed = 0, kModeScan = 1, kModeUpdate = 2 };

class IObject {
 public:
  virtual ~IObject() = default;
  virtual std::string IObject_Name() = 0;
  virtual void IObject_SetMode(std::int32_t mode) = 0;
  // Scans the object with the host scanner; the arguments are the host's and
  // are passed through unchanged.
  virtual void IObject_Scan(const std::string& arg1, const std::string& arg2, bool flag,
                            const std::string& arg3) = 0;
  virtual void IObject_Reconstitute() = 0;
  virtual void IObject_Dispose() = 0;
};

}  // namespace driver
