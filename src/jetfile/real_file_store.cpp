#include "jetfile/real_file_store.h"

#include <unistd.h>

#include <atomic>
#include <functional>
#include <filesystem>

#include "com/error.h"
#include "com/text.h"
#include "platform/system.h"
#include "sim/jet/catalog.h"
#include "sim/jet/jet_file.h"

namespace jetfile {
namespace {

namespace fs = std::filesystem;

// A file name of this process's own in the temporary folder, removed with
// this object.
class ScratchFile {
 public:
  ScratchFile() {
    static std::atomic<unsigned> counter{0};
    path_ = (fs::temp_directory_path() / ("quillnet-real-" + std::to_string(::getpid()) + "-" +
                                          std::to_string(counter++) + ".mdb"))
                .string();
  }
  ~ScratchFile() {
    std::error_code ignored;
    fs::remove(path_, ignored);
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Runs one step of the copy; a step that fails leaves its object out and
// says why.
void Carry(std::vector<std::string>& left_out, const std::string& what,
           const std::function<void()>& step) {
  if (auto error = com::Capture(step))
    left_out.push_back(what + ": " + com::Split(error->Description(), "\r\n").front());
}

}  // namespace

std::vector<std::string> RealFileStore::Write(const RealContents& contents,
                                              const std::string& store,
                                              bool documents_unreadable) {
  std::vector<std::string> left_out = contents.left_out;
  sim::jet::DatabaseBuilder builder(store);
  for (const auto& property : contents.database_properties)
    Carry(left_out, "database property '" + property.name + "'",
          [&] { builder.DatabaseProperty(property); });
  for (const auto& table : contents.tables)
    Carry(left_out, "table '" + table.name + "'", [&] { builder.Table(table); });
  for (const auto& query : contents.queries)
    Carry(left_out, "query '" + query.name + "'", [&] { builder.Query(query); });
  for (const auto& relation : contents.relations)
    Carry(left_out, "relationship '" + relation.name + "'", [&] { builder.Relation(relation); });
  for (const auto& [name, when] : contents.last_updated)
    com::IgnoreErrors([&] { builder.LastUpdated("Tables", name, when); });
  for (const auto& spec : contents.import_specs)
    Carry(left_out, "import specification '" + spec.name + "'", [&] { builder.ImportSpec(spec); });
  if (documents_unreadable) {
    sim::jet::Catalog catalog(sim::jet::JetFile::Open(store, false),
                              platform::System::Current().clock(), {});
    catalog.Write([&] { sim::jet::JetFile::SetDocumentsUnreadable(catalog.db(), contents.path); });
  }
  return left_out;
}

std::unique_ptr<sim::jet::SqliteConnection> RealFileStore::OpenReadOnly(const std::string& path) {
  const RealContents contents = RealFileReader::Read(path);
  const ScratchFile scratch;
  Write(contents, scratch.path(), true);
  return sim::jet::JetFile::Open(scratch.path(), true);
}

}  // namespace jetfile
