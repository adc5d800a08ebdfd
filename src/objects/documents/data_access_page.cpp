#include "objects/documents/data_access_page.h"

#include <cmath>

#include "driver/project.h"
#include "platform/access.h"
#include "platform/system.h"
#include "shared/validation.h"

namespace objects {
namespace {

const AccessDocument::Kind kPage{"DataAccessPage", "DataAccessPages", msaccess::acDataAccessPage,
                                 "DataAccessPages", "AllDataAccessPages"};

// The line array grows as the page's reader always grew it: to a quarter
// more than it holds plus 64 lines.
void MakeRoom(std::vector<std::string>& lines) {
  if (lines.size() < lines.capacity()) return;
  lines.reserve(static_cast<std::size_t>(std::lround(static_cast<double>(lines.capacity()) * 1.25)) +
                64);
}

}  // namespace

std::vector<std::string> HtmlLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\r', start);
    MakeRoom(lines);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

DataAccessPage::DataAccessPage() : AccessDocument(kPage) {}

const com::TypeInfo& DataAccessPage::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<DataAccessPage>(kClass)
          .Property("Name", &DataAccessPage::Name, &DataAccessPage::SetName)
          .Property("Description", &DataAccessPage::Description, &DataAccessPage::SetDescription)
          .Property("HTML", &DataAccessPage::HTML, &DataAccessPage::SetHTML)
          .Build();
  return info;
}

std::string DataAccessPage::FilePath() const { return com::CStr(ProjectItem()->Get("FullName")); }

std::string DataAccessPage::HTML() {
  return com::Join(HtmlLines(platform::System::Current().text_files().ReadAnsi(FilePath())),
                   "\r\n");
}

void DataAccessPage::SetHTML(const std::string& html) {
  SetMode(driver::kModeClosed);
  platform::System::Current().text_files().ReplaceAnsi(FilePath(), html + "\r\n");
  SetMode(driver::kModeUpdate);
}

void DataAccessPage::Open(std::int32_t mode) {
  auto app = App();
  if (mode != driver::kModeUpdate) return;
  if (!project_->IsLocked())
    validation::RaiseMessage("Couldn't obtain exclusive access to the database.");
  com::ObjectRef open;
  com::IgnoreErrors([&] {
    open = com::CObj(com::CObj(app->Get("DataAccessPages"))->Call("Item", {com::Variant(name_)}));
  });
  if (open)
    validation::RaiseMessage(
        "Couldn't save changes safely because the data access page was already open.");
}

}  // namespace objects
