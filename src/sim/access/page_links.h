#pragma once
// The data access pages of a database as the simulated Access keeps them:
// a Jet document in the container "DataAccessPages" for each page, and
// beside it the link to the page's HTML file on disk (its full path). The
// page itself is that file; the database holds only the link. Every write
// runs in the file's one transaction.

#include <optional>
#include <string>
#include <vector>

namespace sim::jet {
class Catalog;
}

namespace sim::access {

class PageLinks {
 public:
  explicit PageLinks(jet::Catalog& catalog) : catalog_(catalog) {}

  // The pages that have a link, in Jet's order.
  std::vector<std::string> Names();
  // The full path of the page's HTML file; nothing when the file holds no
  // page of that name (any letter case).
  std::optional<std::string> Path(const std::string& name);
  // Creates the page (its Jet document too), or links the page of that name
  // to another file; the path is kept as given.
  void Put(const std::string& name, const std::string& path);

 private:
  void CreateTable();

  jet::Catalog& catalog_;
};

// Whether the page is linked to an HTML file that is not there. A page the
// file keeps no link for (a bare Jet document) has no file to miss.
bool PageFileMissing(jet::Catalog& catalog, const std::string& name);

}  // namespace sim::access
