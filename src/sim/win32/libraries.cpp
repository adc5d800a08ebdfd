#include "sim/win32/libraries.h"

#include <algorithm>
#include <filesystem>

#include "com/error.h"
#include "com/text.h"

namespace sim {
namespace {

constexpr std::int32_t kCantLoadDll = 48;
constexpr std::int32_t kNoEntryPoint = 453;

// Windows finds files without regard to letter case or the separator used.
std::string Key(const std::string& path) {
  std::string slashes = path;
  std::replace(slashes.begin(), slashes.end(), '\\', '/');
  std::string normal = std::filesystem::path(slashes).lexically_normal().generic_string();
  return com::UCase(normal);
}

}  // namespace

void Libraries::Install(const std::string& path, std::shared_ptr<const Library> library) {
  libraries_[Key(path)] = std::move(library);
}

const Library& Libraries::Load(const std::string& path) const {
  auto found = libraries_.find(Key(path));
  if (found == libraries_.end()) com::Raise(kCantLoadDll, "Error in loading DLL");
  return *found->second;
}

std::string Libraries::LoadString(const std::string& library, std::uint32_t id) {
  return Load(library).String(id).value_or("");
}

std::int32_t Libraries::CallOrdinal(const std::string& program, std::uint16_t ordinal,
                                    std::int32_t first, std::int32_t second) {
  const auto result = Load(program).Call(ordinal, first, second);
  if (!result) com::Raise(kNoEntryPoint, "Can't find DLL entry point");
  return *result;
}

std::optional<std::vector<platform::EnumerationMember>> Libraries::Enumeration(
    const std::string& type_library, const std::string& name) {
  const Library& library = Load(type_library);
  if (!library.IsTypeLibrary()) com::Raise(kCantLoadDll, "Error in loading DLL");
  return library.Enumeration(name);
}

}  // namespace sim
