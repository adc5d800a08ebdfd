#pragma once
// The host solution list: the solutions a problem offers, in order.

#include <cstdint>
#include <memory>
#include <vector>

#include "host/isolution.h"

namespace host {

class SolutionList {
 public:
  void Add(std::shared_ptr<ISolution> solution) { items_.push_back(std::move(solution)); }
  std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
  // 1-based, as the host's collections are.
  std::shared_ptr<ISolution> Item(std::int32_t index) const;

 private:
  std::vector<std::shared_ptr<ISolution>> items_;
};

}  // namespace host
