#pragma once
// The simulated ADO connection with the Jet 4.0 provider. Opening it opens
// the database file through Jet, so the connection itself shows in the user
// roster, as it does with the real provider.

#include <map>
#include <memory>
#include <string>

#include "platform/ado.h"
#include "platform/dao.h"
#include "sim/jet/sessions.h"

namespace sim::ado {

class Connection : public ::ado::Connection {
 public:
  Connection(std::shared_ptr<dao::DBEngine> engine, jet::Sessions& sessions);

  void SetProvider(const std::string& provider) override;
  void SetProperty(const std::string& name, const com::Variant& value) override;
  void Open(const std::string& connection_string, const std::string& user,
            const std::string& password) override;
  std::shared_ptr<::ado::Recordset> OpenSchema(std::int32_t schema,
                                               const std::string& schema_id) override;
  void Close() override;

 private:
  std::string Property(const std::string& name) const;

  std::shared_ptr<dao::DBEngine> engine_;
  jet::Sessions& sessions_;
  std::string provider_;
  std::map<std::string, com::Variant> properties_;  // upper-cased name
  std::shared_ptr<dao::Workspace> workspace_;
  std::shared_ptr<dao::Database> database_;
  std::string path_;
};

}  // namespace sim::ado
