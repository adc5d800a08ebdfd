#pragma once
// A DAO collection over a list of objects read from the database when first
// used and again after Refresh, as DAO's collections are. By position from 0,
// or by name without regard to case; 3265 when there is no such item. A
// collection that can find one item by name does so until the list is read.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "com/text.h"
#include "sim/jet/dao_errors.h"

namespace sim::jet {

template <class Interface, class T>
class ListCollection : public Interface {
 public:
  using Loader = std::function<std::vector<std::shared_ptr<T>>()>;
  // One item by name, or none, read without reading the whole list.
  using Finder = std::function<std::shared_ptr<T>(const std::string& name)>;

  explicit ListCollection(Loader load, Finder find = nullptr)
      : load_(std::move(load)), find_(std::move(find)) {}

  std::int32_t Count() override { return static_cast<std::int32_t>(Items().size()); }

  std::shared_ptr<T> Item(std::int32_t position) override {
    const auto& items = Items();
    if (position < 0 || static_cast<std::size_t>(position) >= items.size())
      RaiseDao(kDaoItemNotFound);
    return items[static_cast<std::size_t>(position)];
  }

  // Names are found through an index of the names read at loading; an item
  // renamed since is found by a walk, which renews the index.
  std::shared_ptr<T> Item(const std::string& name) override {
    if (!loaded_ && find_) {
      auto found = find_(name);
      if (!found) RaiseDao(kDaoItemNotFound);
      return found;
    }
    const auto& items = Items();
    auto indexed = index_.find(name);
    if (indexed != index_.end() && com::EqualsNoCase(items[indexed->second]->Name(), name))
      return items[indexed->second];
    Reindex();
    indexed = index_.find(name);
    if (indexed == index_.end()) RaiseDao(kDaoItemNotFound);
    return items[indexed->second];
  }

  void Refresh() override { loaded_ = false; }

 protected:
  const std::vector<std::shared_ptr<T>>& Items() {
    if (!loaded_) {
      items_ = load_();
      loaded_ = true;
      Reindex();
    }
    return items_;
  }

 private:
  void Reindex() {
    index_.clear();
    for (std::size_t i = 0; i < items_.size(); ++i)
      index_.emplace(items_[i]->Name(), i);
  }

  Loader load_;
  Finder find_;
  std::vector<std::shared_ptr<T>> items_;
  std::unordered_map<std::string, std::size_t, com::NoCaseHash, com::NoCaseEqual> index_;
  bool loaded_ = false;
};

}  // namespace sim::jet
