#pragma once
// The saved queries of a database file as SaveAsText text. A query read from
// its text becomes a query definition (its SQL, connection string, settings
// and properties) and the database keeps the text beside it; the text of a
// query is the kept text with what changed since written anew (the design
// when the SQL changed, a property line when the property did), or the text
// Access writes for a query that came without one.
//
// Binary properties (a query's GUID, its column layout) stay in the text
// only: nothing in them is searched, and they are written back as read.

#include <string>
#include <vector>

#include "sim/access/stored_document.h"

namespace sim::jet {
class Catalog;
}

namespace sim::access {

class QueryTextStore {
 public:
  explicit QueryTextStore(jet::Catalog& catalog) : catalog_(catalog) {}

  // The saved queries, without those Access makes for itself (names that
  // begin with "~") unless they came as text, in Jet's order.
  std::vector<std::string> Names();
  // Creates the query, or updates the one of that name, from the document's
  // text (which QueryDesignText reads), and keeps the text; 3012 when a
  // table has the name.
  void Put(const StoredDocument& document);
  // The document of a query as it is now.
  StoredDocument Get(const std::string& name);

 private:
  jet::Catalog& catalog_;
};

}  // namespace sim::access
