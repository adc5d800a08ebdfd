#pragma once
// A DAO collection over a list of objects read from the database when first
// used and again after Refresh, as DAO's collections are. By position from 0,
// or by name without regard to case; 3265 when there is no such item.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "com/text.h"
#include "sim/jet/dao_errors.h"

namespace sim::jet {

template <class Interface, class T>
class ListCollection : public Interface {
 public:
  using Loader = std::function<std::vector<std::shared_ptr<T>>()>;

  explicit ListCollection(Loader load) : load_(std::move(load)) {}

  std::int32_t Count() override { return static_cast<std::int32_t>(Items().size()); }

  std::shared_ptr<T> Item(std::int32_t position) override {
    const auto& items = Items();
    if (position < 0 || static_cast<std::size_t>(position) >= items.size())
      RaiseDao(kDaoItemNotFound);
    return items[static_cast<std::size_t>(position)];
  }

  std::shared_ptr<T> Item(const std::string& name) override {
    for (const auto& item : Items())
      if (com::EqualsNoCase(item->Name(), name)) return item;
    RaiseDao(kDaoItemNotFound);
  }

  void Refresh() override { loaded_ = false; }

 protected:
  const std::vector<std::shared_ptr<T>>& Items() {
    if (!loaded_) {
      items_ = load_();
      loaded_ = true;
    }
    return items_;
  }

 private:
  Loader load_;
  std::vector<std::shared_ptr<T>> items_;
  bool loaded_ = false;
};

}  // namespace sim::jet
