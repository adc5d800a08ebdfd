#include "engine/matcher.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include "com/error.h"

namespace engine {
namespace {

std::string EscapeLiteral(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) escaped += '\\';
    escaped += c;
  }
  return escaped;
}

// In a replacement for pcre2_substitute, "$" starts a group reference.
std::string EscapeReplacement(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == '$') escaped += '$';
    escaped += c;
  }
  return escaped;
}

std::string ErrorText(int code) {
  PCRE2_UCHAR buffer[256];
  pcre2_get_error_message(code, buffer, sizeof buffer);
  return reinterpret_cast<const char*>(buffer);
}

bool IsUtfError(int code) {
  return code <= PCRE2_ERROR_UTF8_ERR1 && code >= PCRE2_ERROR_UTF8_ERR21;
}

// Errors that come from the text searched rather than from the replacement.
bool IsTextError(int code) {
  return IsUtfError(code) || code == PCRE2_ERROR_MATCHLIMIT || code == PCRE2_ERROR_DEPTHLIMIT ||
         code == PCRE2_ERROR_HEAPLIMIT;
}

// A compile error, in the words of what the user gave: a regular expression
// is quoted with PCRE2's message, literal text is not called one.
[[noreturn]] void RaiseCompileError(const std::string& pattern, bool regex, int code,
                                    PCRE2_SIZE offset) {
  if (regex)
    com::Raise(5, "Invalid regular expression at offset " + std::to_string(offset) + ": " +
                      ErrorText(code));
  if (IsUtfError(code)) com::Raise(5, "The search text is not valid UTF-8.");
  if (code == PCRE2_ERROR_PATTERN_TOO_LARGE)
    com::Raise(5, "The search text is too long to search for (" +
                      std::to_string(pattern.size()) + " bytes).");
  com::Raise(5, "The search text cannot be searched for: " + ErrorText(code) + ".");
}

// Only a regular expression can match empty text when the text is not empty.
[[noreturn]] void RaiseEmptyMatch(const std::string& pattern) {
  if (pattern.empty())
    com::Raise(5, "The search text is empty: it would match between every character.");
  com::Raise(5, "The regular expression '" + pattern +
                    "' can match empty text, so it would match between every character.");
}

[[noreturn]] void RaiseEmptyMatchIn(PCRE2_SIZE offset) {
  com::Raise(5, "The regular expression matched empty text (at byte " + std::to_string(offset) +
                    "); it must match at least one character.");
}

// `offset` is where a UTF-8 check failed.
[[noreturn]] void RaiseTextError(int code, PCRE2_SIZE offset) {
  if (IsUtfError(code))
    com::Raise(5, "The text is not valid UTF-8 (at byte " + std::to_string(offset) +
                      "), so it cannot be searched.");
  com::Raise(5, "The search gave up on this text: " + ErrorText(code) + ".");
}

}  // namespace

struct Matcher::Compiled {
  pcre2_code* code = nullptr;
  pcre2_match_data* match = nullptr;
  ~Compiled() {
    pcre2_match_data_free(match);
    pcre2_code_free(code);
  }
};

Matcher::Matcher(const std::string& pattern, const MatchOptions& options)
    : compiled_(std::make_unique<Compiled>()), literal_replacement_(!options.regex) {
  std::string expression = options.regex ? pattern : EscapeLiteral(pattern);
  if (options.whole_word) expression = "(?<![\\w])(?:" + expression + ")(?![\\w])";
  std::uint32_t flags = PCRE2_UTF | PCRE2_UCP;
  if (!options.match_case) flags |= PCRE2_CASELESS;
  int error = 0;
  PCRE2_SIZE offset = 0;
  compiled_->code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(expression.data()),
                                  expression.size(), flags, &error, &offset, nullptr);
  if (!compiled_->code) RaiseCompileError(pattern, options.regex, error, offset);
  std::uint32_t shortest = 0;
  pcre2_pattern_info(compiled_->code, PCRE2_INFO_MINLENGTH, &shortest);
  if (shortest == 0) RaiseEmptyMatch(pattern);
  compiled_->match = pcre2_match_data_create_from_pattern(compiled_->code, nullptr);
}

Matcher::~Matcher() = default;

std::size_t Matcher::Count(const std::string& text) const {
  std::size_t count = 0;
  PCRE2_SIZE start = 0;
  const auto subject = reinterpret_cast<PCRE2_SPTR>(text.data());
  // A match that takes no character (a lookahead, \K) is refused here: the
  // constructor catches only the expressions that may match nothing at all.
  for (;;) {
    const int rc = pcre2_match(compiled_->code, subject, text.size(), start, 0,
                               compiled_->match, nullptr);
    if (rc == PCRE2_ERROR_NOMATCH) return count;
    if (rc < 0) RaiseTextError(rc, pcre2_get_startchar(compiled_->match));
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(compiled_->match);
    if (ovector[1] <= ovector[0]) RaiseEmptyMatchIn(ovector[0]);
    ++count;
    start = ovector[1];
  }
}

std::string Matcher::Replace(const std::string& text, const std::string& replacement) const {
  const std::string with = literal_replacement_ ? EscapeReplacement(replacement) : replacement;
  // Count refuses empty matches; the replacement never inserts at one.
  const std::uint32_t options =
      PCRE2_SUBSTITUTE_GLOBAL | PCRE2_SUBSTITUTE_OVERFLOW_LENGTH | PCRE2_NOTEMPTY;
  PCRE2_SIZE length = text.size() + with.size() + 64;
  for (;;) {
    std::string out(length, '\0');
    PCRE2_SIZE out_length = length;
    const int rc = pcre2_substitute(
        compiled_->code, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0, options,
        compiled_->match, nullptr, reinterpret_cast<PCRE2_SPTR>(with.data()), with.size(),
        reinterpret_cast<PCRE2_UCHAR*>(out.data()), &out_length);
    if (rc == PCRE2_ERROR_NOMEMORY) {
      length = out_length + 1;
      continue;
    }
    if (IsTextError(rc)) RaiseTextError(rc, pcre2_get_startchar(compiled_->match));
    if (rc < 0) com::Raise(5, "Invalid replacement: " + ErrorText(rc));
    out.resize(out_length);
    return out;
  }
}

}  // namespace engine
