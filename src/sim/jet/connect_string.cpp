#include "sim/jet/connect_string.h"

#include "com/text.h"
#include "platform/dao.h"
#include "sim/jet/jet_file.h"

namespace sim::jet {

std::string ConnectString::Type() const {
  const auto end = text_.find(';');
  return com::Trim(text_.substr(0, end));
}

std::string ConnectString::Value(const std::string& key) const {
  const auto parts = com::Split(text_, ";");
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const auto equals = parts[i].find('=');
    if (equals != std::string::npos &&
        com::EqualsNoCase(com::Trim(parts[i].substr(0, equals)), key))
      return parts[i].substr(equals + 1);
  }
  return "";
}

bool ConnectString::IsOdbc() const { return com::EqualsNoCase(Type(), "ODBC"); }

bool ConnectString::IsAccessLink() const {
  return !text_.empty() && text_.find(';') != std::string::npos && Type().empty();
}

std::int32_t ConnectString::TableType() const {
  if (text_.empty()) return kTypeTable;
  return IsOdbc() ? kTypeOdbcLink : kTypeLink;
}

std::int32_t ConnectString::LinkAttributes() const {
  if (text_.empty()) return 0;
  return IsOdbc() ? dao::dbAttachedODBC : dao::dbAttachedTable;
}

}  // namespace sim::jet
