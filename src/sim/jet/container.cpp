#include "sim/jet/container.h"

#include "sim/jet/document.h"
#include "sim/jet/list_collection.h"
#include "sim/jet/object_store.h"

namespace sim::jet {

std::string Container::Name() { return ObjectStore(*catalog_).Get(id_).name; }

std::shared_ptr<dao::Documents> Container::GetDocuments() {
  auto catalog = catalog_;
  const std::int64_t id = id_;
  return std::make_shared<ListCollection<dao::Documents, dao::Document>>([catalog, id] {
    std::vector<std::shared_ptr<dao::Document>> documents;
    for (const auto& row : ObjectStore(*catalog).Children(id))
      documents.push_back(std::make_shared<Document>(catalog, row.id));
    return documents;
  });
}

}  // namespace sim::jet
