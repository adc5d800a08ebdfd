#include "sim/access/project_connection.h"

#include "sim/access/access_errors.h"
#include "sim/access/connection_properties.h"

namespace sim::access {

const com::TypeInfo& ProjectConnection::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<ProjectConnection>("Connection")
                                        .Get("Provider", &ProjectConnection::Provider)
                                        .Get("Properties", &ProjectConnection::Properties)
                                        .Build();
  return info;
}

std::string ProjectConnection::Provider() {
  if (file_.expired()) RaiseAccess(kAdoObjectClosed);
  return "Microsoft.Jet.OLEDB.4.0";
}

com::ObjectRef ProjectConnection::Properties() {
  if (file_.expired()) RaiseAccess(kAdoObjectClosed);
  return std::make_shared<ConnectionProperties>(file_);
}

}  // namespace sim::access
