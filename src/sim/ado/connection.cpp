#include "sim/ado/connection.h"

#include <vector>

#include "com/error.h"
#include "com/text.h"

namespace sim::ado {
namespace {

constexpr const char* kJetProvider = "Microsoft.Jet.OLEDB.4.0";

// The rows of the user roster: COMPUTER_NAME, LOGIN_NAME, CONNECTED, SUSPECT_STATE.
class RosterRecordset : public ::ado::Recordset {
 public:
  explicit RosterRecordset(std::vector<std::vector<com::Variant>> rows) : rows_(std::move(rows)) {}
  bool IsEOF() override { return position_ >= rows_.size(); }
  void MoveNext() override {
    if (IsEOF()) com::Raise(3021, "Either BOF or EOF is True, or the current record has been deleted.");
    ++position_;
  }
  com::Variant Field(std::int32_t position) override {
    if (IsEOF()) com::Raise(3021, "Either BOF or EOF is True, or the current record has been deleted.");
    const auto& row = rows_[position_];
    if (position < 0 || static_cast<std::size_t>(position) >= row.size())
      com::Raise(3265, "Item cannot be found in the collection corresponding to the requested name or ordinal.");
    return row[static_cast<std::size_t>(position)];
  }
  void Close() override { rows_.clear(); }

 private:
  std::vector<std::vector<com::Variant>> rows_;
  std::size_t position_ = 0;
};

}  // namespace

Connection::Connection(std::shared_ptr<dao::DBEngine> engine, jet::Sessions& sessions)
    : engine_(std::move(engine)), sessions_(sessions) {}

void Connection::SetProvider(const std::string& provider) { provider_ = provider; }

void Connection::SetProperty(const std::string& name, const com::Variant& value) {
  properties_[com::UCase(name)] = value;
}

std::string Connection::Property(const std::string& name) const {
  auto found = properties_.find(com::UCase(name));
  return found == properties_.end() ? "" : com::CStr(found->second);
}

void Connection::Open(const std::string& connection_string, const std::string& user,
                      const std::string& password) {
  if (!com::EqualsNoCase(provider_, kJetProvider))
    com::Raise(3706, "Provider cannot be found. It may not be properly installed.");
  engine_->SetSystemDB(Property("Jet OLEDB:System Database"));
  workspace_ = engine_->CreateWorkspace("ADO", user.empty() ? "admin" : user, password);
  const std::string db_password = Property("Jet OLEDB:Database Password");
  database_ = workspace_->OpenDatabase(connection_string, false, false,
                                       db_password.empty() ? "" : ";pwd=" + db_password);
  path_ = connection_string;
}

std::shared_ptr<::ado::Recordset> Connection::OpenSchema(std::int32_t schema,
                                                         const std::string& schema_id) {
  if (!database_) com::Raise(3704, "Operation is not allowed when the object is closed.");
  if (schema != ::ado::adSchemaProviderSpecific ||
      !com::EqualsNoCase(schema_id, ::ado::JET_SCHEMA_USERROSTER))
    com::Raise(3251, "Object or provider is not capable of performing requested operation.");
  std::vector<std::vector<com::Variant>> rows;
  for (const auto& c : sessions_.Roster(path_))
    rows.push_back({com::Variant(c.computer), com::Variant("Admin"), com::Variant(true),
                    com::Variant::Null()});
  return std::make_shared<RosterRecordset>(std::move(rows));
}

void Connection::Close() {
  if (database_) database_->Close();
  if (workspace_) workspace_->Close();
  database_.reset();
  workspace_.reset();
}

}  // namespace sim::ado
