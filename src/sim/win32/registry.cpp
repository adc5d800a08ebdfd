#include "sim/win32/registry.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "com/error.h"
#include "com/text.h"

namespace sim {
namespace {

// One line per value: path TAB name TAB type TAB text, with tabs, line breaks
// and backslash-escapes of the text written as \t, \n, \r and \\.
std::string Escape(const std::string& s) {
  std::string out;
  for (char c : s) {
    switch (c) {
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\\': out += "\\\\"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Unescape(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\' || i + 1 == s.size()) {
      out += s[i];
      continue;
    }
    const char c = s[++i];
    out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
  }
  return out;
}

}  // namespace

Registry::Registry(std::string file) : file_(std::move(file)) { Load(); }

Registry::Registry(Registry&& other) noexcept
    : keys_(std::move(other.keys_)),
      display_paths_(std::move(other.display_paths_)),
      file_(std::move(other.file_)),
      changed_(std::exchange(other.changed_, false)) {
  other.file_.reset();
}

Registry::~Registry() {
  if (changed_) com::IgnoreErrors([&] { Save(); });
}

bool Registry::KeyExists(const std::string& path) { return keys_.contains(com::UCase(path)); }

void Registry::CreateKey(const std::string& path) {
  const std::string key = com::UCase(path);
  if (keys_.contains(key)) return;
  keys_[key];
  display_paths_[key] = path;
  changed_ = true;
}

std::optional<com::Variant> Registry::ReadValue(const std::string& path, const std::string& name) {
  auto key = keys_.find(com::UCase(path));
  if (key == keys_.end()) return std::nullopt;
  auto value = key->second.find(com::UCase(name));
  if (value == key->second.end()) return std::nullopt;
  return value->second;
}

void Registry::WriteValue(const std::string& path, const std::string& name,
                          const com::Variant& value) {
  const std::string key = com::UCase(path);
  if (!keys_.contains(key)) com::Raise(5, "The registry key does not exist: " + path);
  if (value.IsString() || value.Type() == com::VarType::Long) {
    keys_[key][com::UCase(name)] = value;
  } else {
    keys_[key][com::UCase(name)] = com::CLng(value);
  }
  changed_ = true;
}

std::vector<std::string> Registry::SubKeys(const std::string& path) const {
  const std::string prefix = path + "\\";
  std::vector<std::string> names;
  for (const auto& [key, display] : display_paths_) {
    if (!com::StartsWithNoCase(display, prefix)) continue;
    const std::string rest = display.substr(prefix.size());
    const std::string name = rest.substr(0, rest.find('\\'));
    const bool listed = std::any_of(names.begin(), names.end(),
                                    [&](const std::string& n) { return com::EqualsNoCase(n, name); });
    if (!name.empty() && !listed) names.push_back(name);
  }
  return names;
}

void Registry::Save() const {
  if (!file_) return;
  // Each process writes its own passing file: the commands of one user may
  // run at once, and each then gives the whole registry its name in turn.
  const std::string temp = *file_ + ".new." + std::to_string(getpid());
  {
    std::ofstream out(temp, std::ios::trunc);
    for (const auto& [key, values] : keys_) {
      const std::string& path = display_paths_.at(key);
      out << Escape(path) << "\t\t\t\n";
      for (const auto& [name, value] : values)
        out << Escape(path) << '\t' << Escape(name) << '\t' << (value.IsString() ? 'S' : 'L')
            << '\t' << Escape(com::CStr(value)) << '\n';
    }
  }
  std::filesystem::rename(temp, *file_);
}

void Registry::Load() {
  std::ifstream in(*file_);
  std::string line;
  while (std::getline(in, line)) {
    const auto fields = com::Split(line, "\t");
    if (fields.size() != 4) continue;
    const std::string path = Unescape(fields[0]);
    const std::string key = com::UCase(path);
    keys_[key];
    display_paths_[key] = path;
    if (fields[2].empty()) continue;
    const std::string text = Unescape(fields[3]);
    keys_[key][com::UCase(Unescape(fields[1]))] =
        fields[2] == "S" ? com::Variant(text) : com::Variant(std::stoi(text));
  }
}

}  // namespace sim
