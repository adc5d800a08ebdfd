#include "host/file_dialog.h"

#include "com/error.h"
#include "com/text.h"
#include "platform/system.h"

namespace host {
namespace {

// A filter with an odd number of parts has a description without a pattern.
std::vector<std::pair<std::string, std::string>> ParseFilter(const std::string& filter) {
  std::vector<std::string> parts = com::Split(filter, "|");
  if (!parts.empty() && parts.back().empty()) parts.pop_back();
  if (parts.size() % 2) com::RaiseVb(5);
  std::vector<std::pair<std::string, std::string>> pairs;
  for (std::size_t i = 0; i < parts.size(); i += 2) pairs.emplace_back(parts[i], parts[i + 1]);
  return pairs;
}

}  // namespace

bool FileDialog::Show() {
  platform::Shell::OpenFileName request;
  request.owner = Owner;
  request.title = Title;
  request.filter = ParseFilter(Filter);
  request.filter_index = FilterIndex;
  request.default_extension = DefaultExt;
  request.flags = Flags;
  request.file = FileName;
  if (!platform::System::Current().shell().GetOpenFileName(request)) return false;
  FileName = request.file;
  return true;
}

}  // namespace host
