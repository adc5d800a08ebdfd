#pragma once
// What the user searches for: literal text (letter case ignored unless
// asked), optionally whole words only, or a regular expression (PCRE2), and
// what it is replaced with ($1-style groups for regular expressions).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace engine {

struct MatchOptions {
  bool regex = false;
  bool match_case = false;
  bool whole_word = false;
  // Each replacement takes the letter case of the text it replaces (all
  // capitals, all small, or letter by letter where the two agree); only with
  // a search that ignores case.
  bool preserve_case = false;
};

class Matcher {
 public:
  // Raises com::Error 5 with a one-line reason for empty search text, a
  // regular expression that is invalid or can match empty text (it would
  // match between every character), and literal text PCRE2 cannot take.
  Matcher(const std::string& pattern, const MatchOptions& options);
  ~Matcher();
  Matcher(const Matcher&) = delete;
  Matcher& operator=(const Matcher&) = delete;

  // The number of matches in the text. Raises com::Error 5 when the text is
  // not valid UTF-8 or the search gives up on it (PCRE2's match limits): a
  // text is never reported as holding fewer matches than it has.
  std::size_t Count(const std::string& text) const;
  // Where the matches are, as [start, end) byte offsets, left to right;
  // raises as Count does.
  std::vector<std::pair<std::size_t, std::size_t>> Spans(const std::string& text) const;
  // The text with every match replaced; raises as Count does, and for a
  // replacement that cannot be made (a group that does not exist).
  std::string Replace(const std::string& text, const std::string& replacement) const;

 private:
  struct Compiled;
  // Calls `found(start, end)` for each match, left to right.
  template <typename Found>
  void ForEachMatch(const std::string& text, Found found) const;
  // pcre2_substitute over the text with `with`, growing its output as needed.
  std::string Substitute(const std::string& text, const std::string& with,
                         std::uint32_t options) const;

  std::unique_ptr<Compiled> compiled_;
  bool literal_replacement_;
  bool preserve_case_;
};

}  // namespace engine
