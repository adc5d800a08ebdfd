#include "objects/data/importspec_columns.h"

#include "shared/vxhandler.h"

namespace objects {

const com::TypeInfo& ImportSpecColumns::Members() const {
  static const com::TypeInfo info = Builder<ImportSpecColumns>("ImportSpecColumns").Build();
  return info;
}

void ImportSpecColumns::Initialize(std::shared_ptr<dao::Database> database, std::int32_t spec_id) {
  vxhandler::Guard("ImportSpecColumns", "Initialize", [&] {
    list_ = host::KeyedCollection<ImportSpecColumn>();
    auto rows = database->OpenRecordset(
        "SELECT * FROM MSysIMEXColumns WHERE SpecID = " + std::to_string(spec_id) + ";",
        dao::dbOpenDynaset);
    for (; !rows->IsEOF(); rows->MoveNext()) {
      auto column = std::make_shared<ImportSpecColumn>();
      column->Initialize(database, *rows);
      list_.Add(column, column->Name());
    }
    rows->Close();
  });
}

}  // namespace objects
