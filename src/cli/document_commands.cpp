#include "cli/document_commands.h"

#include <filesystem>

#include "cli/document_folder.h"
#include "platform/access.h"
#include "platform/system.h"
#include "sim/access/document_store.h"
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

}  // namespace

void StoreDocuments(const std::string& database, const std::string& password,
                    const std::vector<sim::access::StoredDocument>& documents) {
  auto catalog = OpenDatabase(database, false, password);
  sim::access::DocumentStore store(*catalog);
  catalog->Write([&] {
    for (const auto& document : documents) store.Put(document);
  });
}

int Import(const Options& o, Console& console) {
  const auto files = DocumentFolder::Load(o.arguments[0]);
  std::vector<SkippedFile> skipped;
  const auto documents = DocumentFolder::Read(files, skipped);
  const std::string database = fs::absolute(o.arguments[1]).lexically_normal().string();
  const bool created = !fs::exists(database);
  if (created) sim::jet::DatabaseBuilder{database}.DatabasePassword(o.password);
  if (auto error = com::Capture([&] { StoreDocuments(database, o.password, documents); })) {
    if (created) fs::remove(database);
    throw *error;
  }
  for (const auto& file : skipped) console.out << "skipped " << file.path << ": " << file.reason << '\n';
  console.out << "imported " << documents.size() << " document(s) into " << database << '\n';
  return 0;
}

int Export(const Options& o, Console& console) {
  auto catalog = OpenDatabase(o.arguments[0], true, o.password);
  sim::access::DocumentStore store(*catalog);
  std::vector<sim::access::StoredDocument> documents;
  for (const std::int32_t kind : kDocumentKinds)
    for (const auto& name : store.Names(kind)) documents.push_back(*store.Find(kind, name));
  const fs::path folder(o.arguments[1]);
  if (fs::exists(folder) && !fs::is_directory(folder))
    throw UsageError(folder.string() + " is not a folder");
  DocumentFolder::Save(folder, DocumentFolder::Write(documents));
  console.out << "exported " << documents.size() << " document(s) to " << folder.string() << '\n';
  return 0;
}

}  // namespace cli
