#pragma once
// The simulated registry: keys by full path (letter case ignored, as Windows
// does), each with named values. It lives in memory, or in a file when one is
// given, which then keeps every write. As Windows writes its hives lazily,
// the changes reach the file when the registry is let go: a run that sets a
// value and puts it back (the sounds a quiet operation holds) writes once,
// and one that stops half-way leaves the file as it was.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace sim {

class Registry : public platform::Registry {
 public:
  Registry() = default;
  // Loads the file when it exists and writes every change back to it.
  explicit Registry(std::string file);
  Registry(Registry&& other) noexcept;
  Registry& operator=(Registry&&) = delete;
  ~Registry() override;

  bool KeyExists(const std::string& path) override;
  void CreateKey(const std::string& path) override;
  std::optional<com::Variant> ReadValue(const std::string& path, const std::string& name) override;
  void WriteValue(const std::string& path, const std::string& name,
                  const com::Variant& value) override;
  // The names of the key's subkeys (RegEnumKeyEx), one level down.
  std::vector<std::string> SubKeys(const std::string& path) const;

 private:
  using Values = std::map<std::string, com::Variant>;  // upper-cased name -> value
  void Save() const;
  void Load();

  std::map<std::string, Values> keys_;  // upper-cased path -> values
  std::map<std::string, std::string> display_paths_;
  std::optional<std::string> file_;
  bool changed_ = false;  // since the file was read or written
};

}  // namespace sim
