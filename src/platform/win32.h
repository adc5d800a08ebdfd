#pragma once
// The Windows services the driver and the host support library use, as small
// ports. A Windows build puts the Win32 API behind them; here the simulated
// machine does.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "com/variant.h"

namespace platform {

// GetTickCount, Sleep and DoEvents. The simulated clock moves only when
// somebody sleeps or yields, so timed loops run in no real time in tests.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint32_t GetTickCount() = 0;
  virtual void Sleep(std::uint32_t milliseconds) = 0;
  virtual void DoEvents() = 0;
};

// The registry. Paths are full key paths beginning with the hive name
// ("HKEY_LOCAL_MACHINE\SOFTWARE\..."); the empty value name is the key's
// default value.
class Registry {
 public:
  virtual ~Registry() = default;
  virtual bool KeyExists(const std::string& path) = 0;
  virtual void CreateKey(const std::string& path) = 0;
  virtual std::optional<com::Variant> ReadValue(const std::string& path,
                                                const std::string& name) = 0;
  virtual void WriteValue(const std::string& path, const std::string& name,
                          const com::Variant& value) = 0;
};

// Windows Installer: the three calls that find an installed product's component.
class Installer {
 public:
  static constexpr std::uint32_t kSuccess = 0;
  static constexpr std::uint32_t kNoMoreItems = 259;
  static constexpr std::uint32_t kUnknownProduct = 1605;
  static constexpr std::int32_t kStateUnknown = -1;
  static constexpr std::int32_t kStateAbsent = 2;
  static constexpr std::int32_t kStateLocal = 3;
  static constexpr std::int32_t kStateSource = 4;

  virtual ~Installer() = default;
  virtual std::uint32_t MsiEnumProducts(std::uint32_t index, std::string& product_code) = 0;
  virtual std::uint32_t MsiGetProductInfo(const std::string& product_code,
                                          const std::string& property, std::string& value) = 0;
  virtual std::int32_t MsiGetComponentPath(const std::string& product_code,
                                           const std::string& component, std::string& path) = 0;
};

// The version resource of an executable or library: four 16-bit numbers.
using FileVersion = std::array<std::uint16_t, 4>;

class FileVersions {
 public:
  virtual ~FileVersions() = default;
  virtual std::optional<FileVersion> GetFileVersion(const std::string& path) = 0;
};

// The running-object table: objects published under a name.
class RunningObjectTable {
 public:
  virtual ~RunningObjectTable() = default;
  virtual std::uint32_t Register(const std::string& name, com::ObjectRef object) = 0;
  virtual void Revoke(std::uint32_t cookie) = 0;
  virtual com::ObjectRef Find(const std::string& name) = 0;
};

// The COM class registry: CreateObject by ProgID. An unknown ProgID raises
// 429 "ActiveX component can't create object".
class ClassRegistry {
 public:
  virtual ~ClassRegistry() = default;
  virtual com::ObjectRef CreateObject(const std::string& prog_id) = 0;
};

// Processes and threads: the calling thread, thread input, starting a program
// and reaching its automation object.
class Processes {
 public:
  virtual ~Processes() = default;
  virtual std::uint32_t GetCurrentThreadId() = 0;
  virtual bool AttachThreadInput(std::uint32_t from_thread, std::uint32_t to_thread,
                                 bool attach) = 0;
  // Starts the program of the command line with the document, holding the
  // given key state (16 = Shift) while it starts, and returns its automation
  // object, or nothing when it did not start within the time-out.
  virtual com::ObjectRef LaunchAndAttach(const std::string& command_line,
                                         const std::string& document_path,
                                         const std::string& password, std::int32_t key_state,
                                         std::uint32_t timeout_ms) = 0;
};

// Memory of the process, read by address (hook procedures receive pointers).
class Memory {
 public:
  virtual ~Memory() = default;
  virtual std::int32_t ReadLong(std::uintptr_t address) = 0;
};

}  // namespace platform
