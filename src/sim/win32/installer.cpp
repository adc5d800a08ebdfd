#include "sim/win32/installer.h"

#include "com/text.h"

namespace sim {

void Installer::SetFileVersion(const std::string& path, platform::FileVersion version) {
  versions_[com::UCase(path)] = version;
}

std::uint32_t Installer::MsiEnumProducts(std::uint32_t index, std::string& product_code) {
  if (index >= products_.size()) return kNoMoreItems;
  product_code = products_[index].code;
  return kSuccess;
}

std::uint32_t Installer::MsiGetProductInfo(const std::string& product_code,
                                           const std::string& property, std::string& value) {
  const Product* product = Find(product_code);
  if (!product) return kUnknownProduct;
  if (property != "ProductName") return 1608;  // ERROR_UNKNOWN_PROPERTY
  value = product->name;
  return kSuccess;
}

std::int32_t Installer::MsiGetComponentPath(const std::string& product_code,
                                            const std::string& component, std::string& path) {
  const Product* product = Find(product_code);
  if (!product) return kStateUnknown;
  for (const Component& c : product->components) {
    if (!com::EqualsNoCase(c.id, component)) continue;
    path = c.path;
    return c.state;
  }
  return kStateUnknown;
}

std::optional<platform::FileVersion> Installer::GetFileVersion(const std::string& path) {
  auto found = versions_.find(com::UCase(path));
  if (found == versions_.end()) return std::nullopt;
  return found->second;
}

const Installer::Product* Installer::Find(const std::string& code) const {
  for (const Product& p : products_)
    if (com::EqualsNoCase(p.code, code)) return &p;
  return nullptr;
}

}  // namespace sim
