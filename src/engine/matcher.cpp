#include "engine/matcher.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>

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
         code == PCRE2_ERROR_HEAPLIMIT || code == PCRE2_ERROR_JIT_STACKLIMIT;
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

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
char Upper(char c) { return IsLower(c) ? static_cast<char>(c - 'a' + 'A') : c; }
char Lower(char c) { return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Mapped(std::string text, char (*map)(char)) {
  for (char& c : text) c = map(c);
  return text;
}

// The case of `model` (all capitals, all small, a capital then small
// letters) given to `text`; `text` as it is when the model's case is mixed.
std::string CaseOfWhole(const std::string& model, const std::string& text) {
  const bool any_upper = std::any_of(model.begin(), model.end(), IsUpper);
  const bool any_lower = std::any_of(model.begin(), model.end(), IsLower);
  if (any_upper && !any_lower) return Mapped(text, Upper);
  if (any_lower && !any_upper) return Mapped(text, Lower);
  if (IsUpper(model.front()) && !std::any_of(model.begin() + 1, model.end(), IsUpper)) {
    std::string titled = Mapped(text, Lower);
    titled.front() = Upper(titled.front());
    return titled;
  }
  return text;
}

// The replacement with the letter case of the match it replaces (A to Z;
// other letters keep the replacement's case). Where the two agree at the
// start and the end (customerid and clientid share "c" and "id"), those
// letters take the match's case one by one, so CustomerID gives ClientID;
// the rest takes the case of the rest of the match as a whole.
std::string CaseLike(const std::string& match, const std::string& replacement) {
  if (match.empty() || replacement.empty()) return replacement;
  const std::string a = Mapped(match, Lower), b = Mapped(replacement, Lower);
  std::size_t prefix = 0;
  while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
         a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
    ++suffix;
  std::string out = b;
  for (std::size_t i = 0; i < prefix; ++i) out[i] = match[i];
  for (std::size_t i = 0; i < suffix; ++i) out[b.size() - 1 - i] = match[a.size() - 1 - i];
  const std::string middle = match.substr(prefix, a.size() - prefix - suffix);
  const std::string new_middle = replacement.substr(prefix, b.size() - prefix - suffix);
  if (!middle.empty()) out.replace(prefix, new_middle.size(), CaseOfWhole(middle, new_middle));
  else if (!std::any_of(match.begin(), match.end(), IsLower))
    out.replace(prefix, new_middle.size(), Mapped(new_middle, Upper));
  else
    out.replace(prefix, new_middle.size(), new_middle);
  return out;
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
    : compiled_(std::make_unique<Compiled>()),
      literal_replacement_(!options.regex),
      preserve_case_(options.preserve_case) {
  if (options.preserve_case && options.match_case)
    com::Raise(5, "Keeping the case of each match needs a search that ignores case.");
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
  // Every text of an application is matched: compiled to machine code where
  // PCRE2 can (it matches without it where it cannot).
  pcre2_jit_compile(compiled_->code, PCRE2_JIT_COMPLETE);
  compiled_->match = pcre2_match_data_create_from_pattern(compiled_->code, nullptr);
}

Matcher::~Matcher() = default;

template <typename Found>
void Matcher::ForEachMatch(const std::string& text, Found found) const {
  PCRE2_SIZE start = 0;
  const auto subject = reinterpret_cast<PCRE2_SPTR>(text.data());
  // A match that takes no character (a lookahead, \K) is refused here: the
  // constructor catches only the expressions that may match nothing at all.
  for (;;) {
    const int rc = pcre2_match(compiled_->code, subject, text.size(), start, 0,
                               compiled_->match, nullptr);
    if (rc == PCRE2_ERROR_NOMATCH) return;
    if (rc < 0) RaiseTextError(rc, pcre2_get_startchar(compiled_->match));
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(compiled_->match);
    if (ovector[1] <= ovector[0]) RaiseEmptyMatchIn(ovector[0]);
    start = ovector[1];
    found(ovector[0], ovector[1]);
  }
}

std::size_t Matcher::Count(const std::string& text) const {
  std::size_t count = 0;
  ForEachMatch(text, [&](PCRE2_SIZE, PCRE2_SIZE) { ++count; });
  return count;
}

std::vector<std::pair<std::size_t, std::size_t>> Matcher::Spans(const std::string& text) const {
  std::vector<std::pair<std::size_t, std::size_t>> spans;
  ForEachMatch(text, [&](PCRE2_SIZE start, PCRE2_SIZE end) { spans.emplace_back(start, end); });
  return spans;
}

std::string Matcher::Substitute(const std::string& text, const std::string& with,
                                std::uint32_t options) const {
  // Count refuses empty matches; the replacement never inserts at one.
  options |= PCRE2_SUBSTITUTE_OVERFLOW_LENGTH | PCRE2_NOTEMPTY;
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

std::string Matcher::Replace(const std::string& text, const std::string& replacement) const {
  const std::string with = literal_replacement_ ? EscapeReplacement(replacement) : replacement;
  if (!preserve_case_) return Substitute(text, with, PCRE2_SUBSTITUTE_GLOBAL);
  std::string out;
  PCRE2_SIZE done = 0;
  ForEachMatch(text, [&](PCRE2_SIZE start, PCRE2_SIZE end) {
    // The replacement of this match alone, from the match just made.
    const std::string replaced = Substitute(
        text, with, PCRE2_SUBSTITUTE_MATCHED | PCRE2_SUBSTITUTE_REPLACEMENT_ONLY);
    out.append(text, done, start - done);
    out += CaseLike(text.substr(start, end - start), replaced);
    done = end;
  });
  return out.append(text, done);
}

}  // namespace engine
