#pragma once
// The fields of a table or a query.

#include "objects/data/field.h"
#include "objects/data/sub_collection.h"
#include "platform/dao.h"

namespace objects {

class Fields : public SubCollection<Field> {
 public:
  const com::TypeInfo& Members() const override;
  // Makes one Field per DAO field; fields of unsupported types are left out.
  void Initialize(std::shared_ptr<dao::Fields> dao_fields);
};

}  // namespace objects
