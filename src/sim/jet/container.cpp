#include "sim/jet/container.h"

#include "com/error.h"
#include "com/text.h"
#include "sim/jet/dao_errors.h"
#include "sim/jet/document.h"
#include "sim/jet/jet_file.h"
#include "sim/jet/list_collection.h"
#include "sim/jet/object_store.h"

namespace sim::jet {
namespace {

// The containers of the objects Access keeps in a binary form of its own,
// and what a user calls their objects.
constexpr std::pair<const char*, const char*> kAccessDocuments[] = {
    {"Forms", "forms"},
    {"Reports", "reports"},
    {"Scripts", "macros"},
    {"Modules", "modules"},
    {"DataAccessPages", "data access pages"}};

void CheckReadable(Catalog& catalog, const std::string& container) {
  const std::string source = JetFile::UnreadableDocumentsSource(catalog.db());
  if (source.empty()) return;
  for (const auto& [name, objects] : kAccessDocuments)
    if (com::EqualsNoCase(name, container))
      com::Raise(kDaoNotSupported,
                 std::string("The ") + objects + " of the Access file '" + source +
                     "' are kept in Access's own binary form, which cannot be read here; "
                     "export them from Access as text and search that (quillnet import).");
}

}  // namespace

std::string Container::Name() { return ObjectStore(*catalog_).Get(id_).name; }

std::shared_ptr<dao::Documents> Container::GetDocuments() {
  CheckReadable(*catalog_, Name());
  auto catalog = catalog_;
  const std::int64_t id = id_;
  return std::make_shared<ListCollection<dao::Documents, dao::Document>>(
      [catalog, id] {
        std::vector<std::shared_ptr<dao::Document>> documents;
        for (const std::int64_t child : ObjectStore(*catalog).Children(id))
          documents.push_back(std::make_shared<Document>(catalog, child));
        return documents;
      },
      [catalog, id](const std::string& name) -> std::shared_ptr<dao::Document> {
        const auto row = ObjectStore(*catalog).Find(id, name);
        if (!row) return nullptr;
        return std::make_shared<Document>(catalog, row->id);
      });
}

}  // namespace sim::jet
