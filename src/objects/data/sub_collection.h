#pragma once
// What every sub-collection (Fields, Indexes, Columns, ...) does: a keyed
// list of its elements in insertion order, keyed by their names; Item takes
// a name or a 0-based position and gives nothing for one that is not there;
// an element renamed in place is re-keyed without moving.

#include <cstdint>
#include <memory>
#include <string>

#include "com/dispatch.h"
#include "host/keyed_collection.h"
#include "shared/vxhandler.h"

namespace objects {

template <class Element>
class SubCollection : public com::Dispatch {
 public:
  void TearDown() {
    vxhandler::Guard(TypeName(), "TearDown", [&] {
      for (std::int32_t position = 0; position < list_.Count(); ++position)
        if (auto element = list_.Item(list_.IndexOf(com::Variant(position)))) element->TearDown();
      list_ = host::KeyedCollection<Element>();
    });
  }

  void UpdateKey(const std::string& old_name, const std::string& new_name) {
    vxhandler::Guard(TypeName(), "UpdateKey", [&] {
      list_.SetKeyAt(list_.IndexOf(com::Variant(old_name)), new_name);
    });
  }

  std::int32_t Count() {
    return vxhandler::Guard(TypeName(), "Count", [&] { return list_.Count(); });
  }

  std::shared_ptr<Element> Item(const com::Variant& index) {
    return vxhandler::Guard(TypeName(), "Item",
                            [&] { return list_.Item(list_.IndexOf(index)); });
  }

  com::ObjectRef NewEnum() {
    return vxhandler::Guard(TypeName(), "NewEnum", [] { return com::ObjectRef(); });
  }

 protected:
  // The members every sub-collection publishes.
  template <class Derived>
  static com::TypeBuilder<Derived> Builder(const std::string& name) {
    com::TypeBuilder<Derived> builder(name);
    builder.Get("Count", &Derived::Count).Method("Item", &Derived::Item);
    return builder;
  }

  host::KeyedCollection<Element> list_;
};

}  // namespace objects
