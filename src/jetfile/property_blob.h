#pragma once
// The properties Jet keeps for an object in its MSysObjects row (the LvProp
// column): the object's own, and those of each of its columns, each with
// its DAO type. Access's properties (Caption, Format, Description...) and
// the built-in ones Jet stores there (DefaultValue, ValidationRule,
// Required...) alike.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sim/jet/database_builder.h"

namespace jetfile {

class MdbFile;

class PropertyBlob {
 public:
  // Raises 3049 for bytes that are no property list.
  PropertyBlob(const MdbFile& file, const std::string& bytes);

  // The object's own properties.
  const std::vector<sim::jet::PropertySpec>& Own() const { return own_; }
  // The properties of a column, by its name in any letter case.
  std::vector<sim::jet::PropertySpec> OfColumn(const std::string& column) const;

 private:
  void ReadNames(const std::string& block);
  void ReadValues(const std::string& block);
  std::optional<com::Variant> ValueOf(std::uint8_t type, const std::string& bytes) const;

  const MdbFile& file_;
  std::vector<std::string> names_;
  std::vector<sim::jet::PropertySpec> own_;
  std::map<std::string, std::vector<sim::jet::PropertySpec>> columns_;  // by lower-case name
};

}  // namespace jetfile
