#pragma once
// One data access page. Its content is an HTML file outside the database,
// which the driver reads and writes directly on disk in the system's code
// page; nothing is opened in Access. The mode switch therefore only checks
// that a change would be safe: the database held exclusively and the page
// not open in Access.

#include <cstdint>
#include <string>
#include <vector>

#include "objects/documents/access_document.h"

namespace objects {

class DataAccessPage : public AccessDocument {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "DataAccessPage";

 public:
  DataAccessPage();
  const com::TypeInfo& Members() const override;

  // The page's HTML file, its lines (ending at CR LF or CR) joined by CR LF.
  std::string HTML();
  // Replaces the HTML file with the text and a final CR LF, then checks
  // again that the page may be changed.
  void SetHTML(const std::string& html);

 protected:
  void Open(std::int32_t mode) override;
  void Close() override {}
  void DropReferences() override { DropDocumentReferences(); }

 private:
  std::string FilePath() const;
};

// The lines of text that end at CR LF or CR, as VB's Line Input reads them:
// a break at the very end starts no further line, and empty text has none.
std::vector<std::string> HtmlLines(const std::string& text);

}  // namespace objects
