#include "objects/data/fields.h"

#include "shared/vxhandler.h"

namespace objects {

const com::TypeInfo& Fields::Members() const {
  static const com::TypeInfo info = Builder<Fields>("Fields").Build();
  return info;
}

void Fields::Initialize(std::shared_ptr<dao::Fields> dao_fields) {
  vxhandler::Guard("Fields", "Initialize", [&] {
    auto self = std::static_pointer_cast<Fields>(shared_from_this());
    for (std::int32_t i = 0; i < dao_fields->Count(); ++i) {
      auto dao_field = dao_fields->Item(i);
      if (dao_field->Type() == 0) continue;
      auto field = std::make_shared<Field>();
      if (field->Initialize(self, dao_field)) list_.Add(field, field->Name());
    }
  });
}

}  // namespace objects
