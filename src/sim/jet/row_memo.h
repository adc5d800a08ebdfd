#pragma once
// Rows read from a file, by key, kept while the file's write generation
// stays the same: the first read after any write reads the file again.

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <utility>

namespace sim::jet {

// Rows stay where they are while others are added, so a row handed out stays
// valid until the generation changes.
template <class Key, class Row, class Hash = std::hash<Key>, class Equal = std::equal_to<Key>>
class RowMemo {
 public:
  // The row of the key, read by `load` when not known at this generation.
  template <class Load>
  const Row& Get(const Key& key, std::uint64_t generation, Load&& load) {
    Renew(generation);
    auto found = rows_.find(key);
    if (found == rows_.end()) found = rows_.emplace(key, load()).first;
    return found->second;
  }

  // The row of the key at this generation, to be changed in place; a new
  // one when not known.
  Row& Slot(const Key& key, std::uint64_t generation) {
    Renew(generation);
    return rows_[key];
  }

  // Remembers a row read together with others, at the generation they were
  // read. A row already known at this generation is the same row, and may
  // have been handed out: it stays.
  void Put(const Key& key, std::uint64_t generation, Row row) {
    Renew(generation);
    rows_.try_emplace(key, std::move(row));
  }

 private:
  void Renew(std::uint64_t generation) {
    if (generation == generation_) return;
    // A fresh table, not clear(): clearing keeps the buckets of the largest
    // read and wipes all of them again after every write.
    rows_ = Rows();
    generation_ = generation;
  }

  using Rows = std::unordered_map<Key, Row, Hash, Equal>;
  Rows rows_;
  std::uint64_t generation_ = 0;
};

}  // namespace sim::jet
