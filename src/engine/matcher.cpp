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
  if (!compiled_->code)
    com::Raise(5, "Invalid regular expression at offset " + std::to_string(offset) + ": " +
                      ErrorText(error));
  compiled_->match = pcre2_match_data_create_from_pattern(compiled_->code, nullptr);
}

Matcher::~Matcher() = default;

std::size_t Matcher::Count(const std::string& text) const {
  std::size_t count = 0;
  PCRE2_SIZE start = 0;
  const auto subject = reinterpret_cast<PCRE2_SPTR>(text.data());
  while (start <= text.size()) {
    const int rc = pcre2_match(compiled_->code, subject, text.size(), start, 0,
                               compiled_->match, nullptr);
    if (rc < 0) break;
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(compiled_->match);
    ++count;
    if (ovector[1] == ovector[0]) {
      // An empty match: step over one whole character.
      start = ovector[1] + 1;
      while (start < text.size() && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
        ++start;
    } else {
      start = ovector[1];
    }
  }
  return count;
}

std::string Matcher::Replace(const std::string& text, const std::string& replacement) const {
  const std::string with = literal_replacement_ ? EscapeReplacement(replacement) : replacement;
  const std::uint32_t options = PCRE2_SUBSTITUTE_GLOBAL | PCRE2_SUBSTITUTE_OVERFLOW_LENGTH;
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
    if (rc < 0) com::Raise(5, "Invalid replacement: " + ErrorText(rc));
    out.resize(out_length);
    return out;
  }
}

}  // namespace engine
