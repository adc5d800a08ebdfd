#pragma once
// The Properties of Access's ADO connection: the provider's properties, by
// position from 0 or by name (letter case ignored); ADO's 3265 for any other.

#include <cstdint>
#include <memory>

#include "com/dispatch.h"

namespace sim::access {

class CurrentFile;

class ConnectionProperties : public com::Dispatch {
 public:
  explicit ConnectionProperties(std::weak_ptr<CurrentFile> file) : file_(std::move(file)) {}

  const com::TypeInfo& Members() const override;

  std::int32_t Count();
  com::ObjectRef Item(const com::Variant& index);

 private:
  std::weak_ptr<CurrentFile> file_;
};

}  // namespace sim::access
