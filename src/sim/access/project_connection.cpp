#include "sim/access/project_connection.h"

#include "sim/access/access_errors.h"
#include "sim/access/connection_properties.h"
#include "sim/access/current_file.h"

namespace sim::access {

const com::TypeInfo& ProjectConnection::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<ProjectConnection>("Connection")
                                        .Get("Provider", &ProjectConnection::Provider)
                                        .Get("Properties", &ProjectConnection::Properties)
                                        .Build();
  return info;
}

std::string ProjectConnection::Provider() {
  CheckOpen();
  return "Microsoft.Jet.OLEDB.4.0";
}

com::ObjectRef ProjectConnection::Properties() {
  CheckOpen();
  return std::make_shared<ConnectionProperties>(file_);
}

void ProjectConnection::CheckOpen() const {
  auto file = file_.lock();
  if (!file || !file->IsOpen()) RaiseAccess(kAdoObjectClosed);
}

}  // namespace sim::access
