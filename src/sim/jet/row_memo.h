#pragma once
// Rows read from a file, by key, kept while the file's write generation
// stays the same: the first read after any write reads the file again.

#include <cstdint>
#include <map>

namespace sim::jet {

template <class Key, class Row>
class RowMemo {
 public:
  // The row of the key, read by `load` when not known at this generation.
  template <class Load>
  const Row& Get(const Key& key, std::uint64_t generation, Load&& load) {
    if (generation != generation_) {
      rows_.clear();
      generation_ = generation;
    }
    auto found = rows_.find(key);
    if (found == rows_.end()) found = rows_.emplace(key, load()).first;
    return found->second;
  }

 private:
  std::map<Key, Row> rows_;
  std::uint64_t generation_ = 0;
};

}  // namespace sim::jet
