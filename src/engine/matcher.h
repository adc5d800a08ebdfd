#pragma once
// What the user searches for: literal text (letter case ignored unless
// asked), optionally whole words only, or a regular expression (PCRE2), and
// what it is replaced with ($1-style groups for regular expressions).

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace engine {

struct MatchOptions {
  bool regex = false;
  bool match_case = false;
  bool whole_word = false;
};

class Matcher {
 public:
  // Raises com::Error 5 with PCRE2's message for an invalid pattern.
  Matcher(const std::string& pattern, const MatchOptions& options);
  ~Matcher();
  Matcher(const Matcher&) = delete;
  Matcher& operator=(const Matcher&) = delete;

  // The number of matches in the text.
  std::size_t Count(const std::string& text) const;
  // The text with every match replaced.
  std::string Replace(const std::string& text, const std::string& replacement) const;

 private:
  struct Compiled;
  std::unique_ptr<Compiled> compiled_;
  bool literal_replacement_;
};

}  // namespace engine
