#pragma once
// The command bars and data access pages of an application folder, which
// travel beside its documents: the bars in commandbars/, one NAME.json file
// each holding the bar's plain text (sim/office/bar_text.h), and the pages
// in pages/, each page's own HTML file (NAME.htm or NAME.html). A database
// links a page to its HTML file where that file lies, so an import links
// each page to its file in the folder, and an export copies the linked file
// into the folder.

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/document_folder.h"

namespace sim::jet {
class Catalog;
}

namespace cli {

class BarsAndPages {
 public:
  // Takes the bar and page files out of the files of the folder. Raises
  // UsageError naming the file for one that holds no bar.
  static BarsAndPages Take(std::vector<FolderFile>& files, const std::filesystem::path& folder);
  // The bars of a database and the HTML files of its pages. Raises
  // UsageError for a page whose HTML file is not there.
  static BarsAndPages Of(sim::jet::Catalog& catalog);

  // Creates or replaces the bars and the pages' links, in the file's
  // transaction.
  void Store(sim::jet::Catalog& catalog) const;
  // The files an export writes.
  std::vector<FolderFile> Files() const;
  std::size_t Count() const { return bars_.size() + pages_.size(); }

 private:
  struct Page {
    std::string name;
    std::string path;  // where the HTML file lies
    FolderFile file;   // the file in the folder
  };

  std::vector<nlohmann::json> bars_;
  std::vector<Page> pages_;
};

}  // namespace cli
