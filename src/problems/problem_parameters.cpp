#include "problems/problem_parameters.h"

#include "com/error.h"
#include "com/variant.h"

namespace problems {

const std::string& TextParameter(const std::vector<std::string>& parameters, std::size_t position) {
  if (position >= parameters.size()) com::RaiseVb(9);
  return parameters[position];
}

std::int32_t LongParameter(const std::vector<std::string>& parameters, std::size_t position) {
  return com::CLng(com::Variant(TextParameter(parameters, position)));
}

}  // namespace problems
