#pragma once
// The numbered error of VB and COM: what VB's Err object holds. Errors are
// raised as exceptions of this type and caught where VB would use On Error.

#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace com {

class Error : public std::exception {
 public:
  Error(std::int32_t number, std::string description, std::string source = "",
        std::string help_file = "", std::int32_t help_context = 0);

  std::int32_t Number() const { return number_; }
  const std::string& Source() const { return source_; }
  const std::string& Description() const { return description_; }
  const std::string& HelpFile() const { return help_file_; }
  std::int32_t HelpContext() const { return help_context_; }
  // The line in the procedure that raised; this program has no line numbers.
  std::int32_t Line() const { return 0; }

  const char* what() const noexcept override { return description_.c_str(); }

 private:
  std::int32_t number_;
  std::string description_;
  std::string source_;
  std::string help_file_;
  std::int32_t help_context_;
};

// Raises a numbered error.
[[noreturn]] void Raise(std::int32_t number, std::string description, std::string source = "",
                        std::string help_file = "", std::int32_t help_context = 0);

// Raises one of VB's own run-time errors with VB's text for the number
// (5, 6, 9, 13, 52, 53, 70, 76, 91, 429, 438, ...).
[[noreturn]] void RaiseVb(std::int32_t number);
std::string VbErrorText(std::int32_t number);
// VB's error 51 "Internal error" for an exception that is not a numbered error.
Error InternalError(const std::exception& e);

// "On Error Resume Next" around one statement: runs the work and returns the
// error it raised, or nothing. Any other exception is turned into VB's
// error 51 "Internal error" so that no failure escapes unnumbered.
// A template, so that the work is called directly: scanning calls this for
// every property it reads.
template <class F>
std::optional<Error> Capture(F&& work) {
  try {
    work();
  } catch (const Error& e) {
    return e;
  } catch (const std::exception& e) {
    return InternalError(e);
  }
  return std::nullopt;
}

// Runs the work and discards any numbered error it raised.
template <class F>
void IgnoreErrors(F&& work) {
  (void)Capture(std::forward<F>(work));
}

// Runs the work and returns its value, or the fallback when it raised.
template <class T, class F>
T ValueOr(F&& work, T fallback) {
  std::optional<T> result;
  if (Capture([&] { result = work(); })) return fallback;
  return *result;
}

}  // namespace com
