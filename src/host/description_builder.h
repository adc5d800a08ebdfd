#pragma once
// The host description builder: assembles a problem's description from
// styled paragraphs. Style 0 is an ordinary paragraph, 1 an introductory line
// that leads into the next paragraph, 2 a note.

#include <cstdint>
#include <string>
#include <vector>

namespace host {

class DescriptionBuilder {
 public:
  static constexpr std::int32_t kParagraph = 0;
  static constexpr std::int32_t kIntroduction = 1;
  static constexpr std::int32_t kNote = 2;

  void AppendParagraph(std::int32_t style, const std::string& text);
  void AppendLine(std::int32_t style, const std::string& text);
  // Paragraphs separated by an empty line; an introductory line is followed
  // directly by the next paragraph; a note is indented.
  std::string GetText() const;

  struct Block {
    std::int32_t style;
    std::string text;
    bool line;
  };
  const std::vector<Block>& Blocks() const { return blocks_; }

 private:
  std::vector<Block> blocks_;
};

}  // namespace host
