#include "cli/bars_and_pages.h"

#include <fstream>
#include <sstream>

#include "cli/options.h"
#include "com/text.h"
#include "sim/access/page_links.h"
#include "sim/access/text_format_error.h"
#include "sim/jet/catalog.h"
#include "sim/jet/dao_errors.h"
#include "sim/office/bar_store.h"
#include "sim/office/bar_text.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kBarFolder = "commandbars";
constexpr const char* kPageFolder = "pages";

// The folder a file lies in directly ("pages" for pages/Orders.htm).
std::string FolderOf(const FolderFile& file) {
  const auto parts = com::Split(file.path, "/");
  return parts.size() == 2 ? com::LCase(parts[0]) : "";
}

std::string Extension(const FolderFile& file) {
  return com::LCase(fs::path(file.path).extension().string());
}

bool IsBar(const FolderFile& file) { return FolderOf(file) == kBarFolder && Extension(file) == ".json"; }

bool IsPage(const FolderFile& file) {
  return FolderOf(file) == kPageFolder && (Extension(file) == ".htm" || Extension(file) == ".html");
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (!in) throw UsageError(path + ": cannot be read");
  return bytes.str();
}

}  // namespace

BarsAndPages BarsAndPages::Take(std::vector<FolderFile>& files, const fs::path& folder) {
  BarsAndPages taken;
  for (const auto& file : files) {
    if (IsBar(file)) {
      try {
        taken.bars_.push_back(sim::office::ParseBar(file.bytes));
      } catch (const sim::access::TextFormatError& error) {
        throw UsageError(file.path + ": " + error.what());
      }
    } else if (IsPage(file)) {
      const std::string name = DocumentFolder::DecodeName(fs::path(file.path).stem().string());
      if (auto error = com::Capture([&] { sim::jet::CheckName(name); }))
        throw UsageError(file.path + ": " + error->Description());
      taken.pages_.push_back(
          {name, fs::absolute(folder / file.path).lexically_normal().string(), file});
    }
  }
  std::erase_if(files, [](const FolderFile& file) { return IsBar(file) || IsPage(file); });
  return taken;
}

BarsAndPages BarsAndPages::Of(sim::jet::Catalog& catalog) {
  BarsAndPages found;
  sim::office::BarStore bars(catalog);
  for (const auto& name : bars.Names()) found.bars_.push_back(*bars.Find(name));
  sim::access::PageLinks links(catalog);
  for (const auto& name : links.Names()) {
    const std::string path = *links.Path(name);
    if (!fs::is_regular_file(path))
      throw UsageError("the data access page '" + name + "' links to " + path +
                       ", which is not there");
    const std::string extension = com::LCase(fs::path(path).extension().string());
    found.pages_.push_back({name, path,
                            {std::string(kPageFolder) + "/" + DocumentFolder::EncodeName(name) +
                                 (extension == ".html" ? ".html" : ".htm"),
                             ReadFile(path)}});
  }
  return found;
}

void BarsAndPages::Store(sim::jet::Catalog& catalog) const {
  sim::office::BarStore bars(catalog);
  sim::access::PageLinks links(catalog);
  catalog.Write([&] {
    for (const auto& bar : bars_) bars.Put(bar);
    for (const auto& page : pages_) links.Put(page.name, page.path);
  });
}

std::vector<FolderFile> BarsAndPages::Files() const {
  std::vector<FolderFile> files;
  for (const auto& bar : bars_)
    files.push_back({std::string(kBarFolder) + "/" +
                         DocumentFolder::EncodeName(bar.at("Name").get<std::string>()) + ".json",
                     sim::office::RenderBar(bar)});
  for (const auto& page : pages_) files.push_back(page.file);
  return files;
}

}  // namespace cli
