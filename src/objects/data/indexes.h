#pragma once
// The indexes of a local table, without those the database engine keeps for
// relationships.

#include "objects/data/index.h"
#include "objects/data/sub_collection.h"
#include "platform/dao.h"

namespace objects {

class Indexes : public SubCollection<Index> {
 public:
  const com::TypeInfo& Members() const override;
  void Initialize(std::shared_ptr<dao::Indexes> dao_indexes);
};

}  // namespace objects
