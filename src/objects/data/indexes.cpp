#include "objects/data/indexes.h"

#include "shared/vxhandler.h"

namespace objects {

const com::TypeInfo& Indexes::Members() const {
  static const com::TypeInfo info = Builder<Indexes>("Indexes").Build();
  return info;
}

void Indexes::Initialize(std::shared_ptr<dao::Indexes> dao_indexes) {
  vxhandler::Guard("Indexes", "Initialize", [&] {
    auto self = std::static_pointer_cast<Indexes>(shared_from_this());
    for (std::int32_t i = 0; i < dao_indexes->Count(); ++i) {
      auto dao_index = dao_indexes->Item(i);
      if (dao_index->Foreign()) continue;
      auto index = std::make_shared<Index>();
      index->Initialize(self, dao_index);
      list_.Add(index, dao_index->Name());
    }
  });
}

}  // namespace objects
