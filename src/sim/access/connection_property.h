#pragma once
// One property of Access's ADO connection, read live from the connection:
// "Data Source" (the file), "User ID" (the account), and "Jet OLEDB:Connection
// Control", which sets the file's connection control (1 admits no new
// connections, 2 admits them again; ADO's 3001 for other values). The other
// two cannot be set on an open connection (ADO's 3705).

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "com/dispatch.h"

namespace sim::access {

class CurrentFile;

class ConnectionProperty : public com::Dispatch {
 public:
  ConnectionProperty(std::weak_ptr<CurrentFile> file, std::size_t position)
      : file_(std::move(file)), position_(position) {}

  static std::size_t Count();
  static std::optional<std::size_t> Find(const std::string& name);

  const com::TypeInfo& Members() const override;

  std::string Name();
  com::Variant Value();
  void SetValue(const com::Variant& value);

 private:
  std::shared_ptr<CurrentFile> File() const;

  std::weak_ptr<CurrentFile> file_;
  std::size_t position_;
};

}  // namespace sim::access
