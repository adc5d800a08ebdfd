#include "objects/data/index.h"

#include "objects/data/indexes.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {
}

const com::TypeInfo& Index::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<Index>(kClass)
                                        .Property("Name", &Index::Name, &Index::SetName)
                                        .Get("Clustered", &Index::Clustered)
                                        .Get("OrderBy", &Index::OrderBy)
                                        .Get("Foreign", &Index::Foreign)
                                        .Get("IgnoreNulls", &Index::IgnoreNulls)
                                        .Get("Primary", &Index::Primary)
                                        .Get("Required", &Index::Required)
                                        .Get("Unique", &Index::Unique)
                                        .Build();
  return info;
}

void Index::Initialize(std::shared_ptr<Indexes> parent, std::shared_ptr<dao::Index> dao_index) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    parent_ = parent;
    index_ = std::move(dao_index);
  });
}

void Index::TearDown() {
  vxhandler::Guard(kClass, "TearDown", [&] {
    parent_.reset();
    index_.reset();
  });
}

dao::Index& Index::Dao() {
  if (!index_) com::RaiseVb(91);
  return *index_;
}

std::string Index::Name() { return Dao().Name(); }

void Index::SetName(const std::string& name) {
  vxhandler::Guard(kClass, "Name", [&] {
    const std::string old_name = Dao().Name();
    Dao().SetName(name);
    if (auto parent = parent_.lock()) parent->UpdateKey(old_name, name);
  });
}

bool Index::Clustered() { return Dao().Clustered(); }

std::string Index::OrderBy() {
  return vxhandler::Guard(kClass, "OrderBy", [&] {
    std::string list;
    auto fields = Dao().GetFields();
    for (std::int32_t i = 0; i < fields->Count(); ++i) {
      auto field = fields->Item(i);
      if (i > 0) list += ", ";
      list += field->Name();
      if (field->Attributes() & dao::dbDescending) list += " DESC";
    }
    return list;
  });
}

bool Index::Foreign() { return Dao().Foreign(); }
bool Index::IgnoreNulls() { return Dao().IgnoreNulls(); }
bool Index::Primary() { return Dao().Primary(); }
bool Index::Required() { return Dao().Required(); }
bool Index::Unique() { return Dao().Unique(); }

}  // namespace objects
