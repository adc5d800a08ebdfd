#pragma once
// The host keyed collection: an ordered list of object references with string
// keys. Indexes are 1-based; IndexOf takes a key (found without regard to
// letter case) or a 0-based position and gives 0 when there is no such entry;
// Item(0) is nothing.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "com/error.h"
#include "com/text.h"
#include "com/variant.h"

namespace host {

template <class T>
class KeyedCollection {
 public:
  using Ref = std::shared_ptr<T>;

  // Adds at the end; a key already present raises 457.
  void Add(Ref item, const std::string& key) {
    const std::string folded = com::UCase(key);
    if (index_.contains(folded))
      com::Raise(457, "This key is already associated with an element of this collection");
    entries_.push_back({std::move(item), key});
    index_.emplace(folded, entries_.size());
  }

  std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }

  std::int32_t IndexOf(const com::Variant& key_or_position) const {
    if (key_or_position.IsString()) {
      auto found = index_.find(com::UCase(key_or_position.AsString()));
      return found == index_.end() ? 0 : static_cast<std::int32_t>(found->second);
    }
    if (!key_or_position.IsNumeric()) return 0;
    const double position = com::CDbl(key_or_position);
    if (position < 0 || position >= static_cast<double>(entries_.size())) return 0;
    return static_cast<std::int32_t>(position) + 1;
  }

  Ref Item(std::int32_t index) const {
    if (index == 0) return nullptr;
    return At(index).item;
  }
  const std::string& KeyAt(std::int32_t index) const { return At(index).key; }

  void SetKeyAt(std::int32_t index, const std::string& key) {
    Entry& entry = At(index);
    const std::string folded = com::UCase(key);
    auto existing = index_.find(folded);
    if (existing != index_.end() && existing->second != static_cast<std::size_t>(index))
      com::Raise(457, "This key is already associated with an element of this collection");
    index_.erase(com::UCase(entry.key));
    entry.key = key;
    index_.emplace(folded, static_cast<std::size_t>(index));
  }

  void RemoveAt(std::int32_t index) {
    At(index);
    entries_.erase(entries_.begin() + (index - 1));
    Reindex();
  }

 private:
  struct Entry {
    Ref item;
    std::string key;
  };

  Entry& At(std::int32_t index) {
    if (index < 1 || index > Count()) com::RaiseVb(9);
    return entries_[static_cast<std::size_t>(index - 1)];
  }
  const Entry& At(std::int32_t index) const {
    return const_cast<KeyedCollection*>(this)->At(index);
  }
  void Reindex() {
    index_.clear();
    for (std::size_t i = 0; i < entries_.size(); ++i)
      index_.emplace(com::UCase(entries_[i].key), i + 1);
  }

  std::vector<Entry> entries_;
  std::unordered_map<std::string, std::size_t> index_;  // upper-cased key -> 1-based index
};

}  // namespace host
