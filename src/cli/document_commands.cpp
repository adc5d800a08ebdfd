#include "cli/document_commands.h"

#include <filesystem>

#include "cli/document_folder.h"
#include "platform/access.h"
#include "platform/system.h"
#include "sim/access/document_store.h"
#include "sim/access/query_text_store.h"
#include "sim/jet/catalog.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/database_builder.h"
#include "sim/jet/jet_file.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

constexpr std::int32_t kDocumentKinds[] = {msaccess::acForm, msaccess::acReport, msaccess::acMacro,
                                           msaccess::acModule};

// The database file as Access's own connection sees it; 3031 for a
// database password that does not match.
std::unique_ptr<sim::jet::Catalog> OpenDatabase(const std::string& path, bool read_only,
                                                const std::string& password) {
  auto connection = sim::jet::JetFile::Open(path, read_only);
  if (sim::jet::JetFile::Password(*connection) != password)
    sim::jet::RaiseDao(sim::jet::kDaoBadPassword);
  return std::make_unique<sim::jet::Catalog>(std::move(connection),
                                             platform::System::Current().clock(),
                                             sim::jet::Catalog::Account{});
}

// ", 2 command bar(s) and page(s)" when there are any.
std::string BarsAndPagesCount(const BarsAndPages& bars_and_pages) {
  if (bars_and_pages.Count() == 0) return "";
  return ", " + std::to_string(bars_and_pages.Count()) + " command bar(s) and page(s)";
}

}  // namespace

void StoreDocuments(const std::string& database, const std::string& password,
                    const std::vector<sim::access::StoredDocument>& documents,
                    const BarsAndPages& bars_and_pages) {
  auto catalog = OpenDatabase(database, false, password);
  sim::access::DocumentStore store(*catalog);
  sim::access::QueryTextStore queries(*catalog);
  catalog->Write([&] {
    for (const auto& document : documents) {
      if (document.object_type == msaccess::acQuery) {
        queries.Put(document);
      } else {
        store.Put(document);
      }
    }
    bars_and_pages.Store(*catalog);
  });
}

int Import(const Options& o, Console& console) {
  auto files = DocumentFolder::Load(o.arguments[0]);
  const auto bars_and_pages = BarsAndPages::Take(files, o.arguments[0]);
  std::vector<SkippedFile> skipped;
  const auto documents = DocumentFolder::Read(files, skipped);
  const std::string database = fs::absolute(o.arguments[1]).lexically_normal().string();
  const bool created = !fs::exists(database);
  if (created) sim::jet::DatabaseBuilder{database}.DatabasePassword(o.password);
  if (auto error = com::Capture(
          [&] { StoreDocuments(database, o.password, documents, bars_and_pages); })) {
    if (created) fs::remove(database);
    throw *error;
  }
  for (const auto& file : skipped) console.out << "skipped " << file.path << ": " << file.reason << '\n';
  console.out << "imported " << documents.size() << " document(s)"
              << BarsAndPagesCount(bars_and_pages) << " into " << database << '\n';
  return 0;
}

int Export(const Options& o, Console& console) {
  auto catalog = OpenDatabase(o.arguments[0], true, o.password);
  sim::access::DocumentStore store(*catalog);
  std::vector<sim::access::StoredDocument> documents;
  for (const std::int32_t kind : kDocumentKinds)
    for (const auto& name : store.Names(kind)) documents.push_back(*store.Find(kind, name));
  sim::access::QueryTextStore queries(*catalog);
  for (const auto& name : queries.Names()) documents.push_back(queries.Get(name));
  const auto bars_and_pages = BarsAndPages::Of(*catalog);
  const fs::path folder(o.arguments[1]);
  if (fs::exists(folder) && !fs::is_directory(folder))
    throw UsageError(folder.string() + " is not a folder");
  auto files = DocumentFolder::Write(documents);
  for (auto& file : bars_and_pages.Files()) files.push_back(std::move(file));
  DocumentFolder::Save(folder, files);
  console.out << "exported " << documents.size() << " document(s)"
              << BarsAndPagesCount(bars_and_pages) << " to " << folder.string() << '\n';
  return 0;
}

}  // namespace cli
