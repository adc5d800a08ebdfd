#pragma once
// The columns of an import or export specification: its rows of
// MSysIMEXColumns.

#include "objects/data/importspec_column.h"
#include "objects/data/sub_collection.h"
#include "platform/dao.h"

namespace objects {

class ImportSpecColumns : public SubCollection<ImportSpecColumn> {
 public:
  const com::TypeInfo& Members() const override;
  void Initialize(std::shared_ptr<dao::Database> database, std::int32_t spec_id);
};

}  // namespace objects
