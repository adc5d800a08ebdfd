#pragma once
// Reading a problem's stored parameters back.

#include <cstdint>
#include <string>
#include <vector>

namespace problems {

// The text at a position; 9 "Subscript out of range" when the array lacks it.
const std::string& TextParameter(const std::vector<std::string>& parameters, std::size_t position);
// The decimal number at a position, as a 32-bit integer.
std::int32_t LongParameter(const std::vector<std::string>& parameters, std::size_t position);

}  // namespace problems
