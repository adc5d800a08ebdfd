#pragma once
// Text that Access cannot read as a document: the message names the line
// (counted from 1) where reading stopped; line 0 speaks of the whole file.

#include <cstddef>
#include <stdexcept>
#include <string>

namespace sim::access {

class TextFormatError : public std::runtime_error {
 public:
  TextFormatError(std::size_t line, const std::string& message)
      : std::runtime_error(line ? "line " + std::to_string(line) + ": " + message : message),
        line_(line) {}

  std::size_t line() const { return line_; }

 private:
  std::size_t line_;
};

}  // namespace sim::access
