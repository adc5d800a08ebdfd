#pragma once
// Windows Installer's product table and the version resources of files.

#include <map>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace sim {

class Installer : public platform::Installer, public platform::FileVersions {
 public:
  struct Component {
    std::string id;
    std::string path;
    std::int32_t state = kStateLocal;
  };
  struct Product {
    std::string code;
    std::string name;
    std::vector<Component> components;
  };

  void AddProduct(Product product) { products_.push_back(std::move(product)); }
  void SetFileVersion(const std::string& path, platform::FileVersion version);

  std::uint32_t MsiEnumProducts(std::uint32_t index, std::string& product_code) override;
  std::uint32_t MsiGetProductInfo(const std::string& product_code, const std::string& property,
                                  std::string& value) override;
  std::int32_t MsiGetComponentPath(const std::string& product_code, const std::string& component,
                                   std::string& path) override;
  std::optional<platform::FileVersion> GetFileVersion(const std::string& path) override;

 private:
  const Product* Find(const std::string& code) const;

  std::vector<Product> products_;
  std::map<std::string, platform::FileVersion> versions_;
};

}  // namespace sim
