#pragma once
// Where the simulated Access keeps the forms, reports, macros and modules of
// a database: in the database file itself, each document's SaveAsText text
// beside the Jet document (container, owner, permissions, LastUpdated) that
// DAO lists. Every write runs in the file's one transaction.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/access/stored_document.h"

namespace sim::jet {
class Catalog;
}

namespace sim::access {

class DocumentStore {
 public:
  explicit DocumentStore(jet::Catalog& catalog) : catalog_(catalog) {}

  // The documents of a kind (AcObjectType) that have a text, in Jet's order.
  std::vector<std::string> Names(std::int32_t object_type);
  // A document by name in any letter case; nothing when the file holds no
  // text for it.
  std::optional<StoredDocument> Find(std::int32_t object_type, const std::string& name);
  // Creates the document (its Jet document too), or replaces the text of the
  // one of that name, keeping its name, owner and permissions; LastUpdated
  // becomes now.
  void Put(const StoredDocument& document);

 private:
  void CreateTable();

  jet::Catalog& catalog_;
};

// A document read from the bytes of a SaveAsText file; raises
// TextFormatError for bytes that are no text of that kind of document.
StoredDocument ReadDocument(std::int32_t object_type, std::string name, std::string_view bytes);

// The bytes SaveAsText writes for a stored document.
std::string SavedBytes(const StoredDocument& document);

}  // namespace sim::access
