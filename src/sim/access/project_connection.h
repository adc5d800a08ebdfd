#pragma once
// CurrentProject.Connection: the ADO connection of Access to its database,
// through Jet's OLE DB provider. It belongs to the database open when it was
// taken: once that closes, its members raise ADO's 3704.

#include <memory>

#include "com/dispatch.h"

namespace sim::access {

class CurrentFile;

class ProjectConnection : public com::Dispatch {
 public:
  explicit ProjectConnection(std::weak_ptr<CurrentFile> file) : file_(std::move(file)) {}

  const com::TypeInfo& Members() const override;

  std::string Provider();
  com::ObjectRef Properties();

 private:
  void CheckOpen() const;

  std::weak_ptr<CurrentFile> file_;
};

}  // namespace sim::access
