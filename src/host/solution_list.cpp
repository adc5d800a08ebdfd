#include "host/solution_list.h"

#include "com/error.h"

namespace host {

std::shared_ptr<ISolution> SolutionList::Item(std::int32_t index) const {
  if (index < 1 || index > Count()) com::RaiseVb(9);
  return items_[static_cast<std::size_t>(index - 1)];
}

}  // namespace host
