#pragma once
// One entry of a form's, report's or macro's SaveAsText text: a property
// line (with its continuation or hex lines), a block (`Begin Label` ... `End`,
// an anonymous `Begin` list, or `Name = Begin` around an embedded macro), or
// a blank line. Properties keep their order, names may repeat, and unknown
// names and block types are kept as read.
//
// Every entry keeps the lines it was read from, so that an unchanged entry is
// written back byte for byte; a changed property is rendered as Access writes
// it: strings with Access's escapes, cut into chunks of 80 escaped characters
// (counted in UTF-16 units) that never split an escape, each further chunk on
// a line of its own indented four spaces more than the property; binary data
// 32 bytes a line in lowercase hexadecimal.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace sim::access {

struct TextNode {
  enum class Kind { Blank, Property, Block };
  // The value of a property.
  enum class Form { Number, String, NotDefault, Binary };
  // How a block opens: `Begin Type`, `Begin`, or `Name = Begin`.
  enum class Opener { Typed, List, Named };

  Kind kind = Kind::Blank;
  // A property's name; a typed block's type; a named block's property name.
  std::string name;
  Form form = Form::Number;
  Opener opener = Opener::List;
  // A number as written ("95.0" stays so), a string's text, binary bytes.
  std::string value;
  std::vector<TextNode> children;
  // The lines as read, indentation included: views into the text they were
  // read from, which the entry keeps. Nothing once the entry changed.
  struct Source {
    std::shared_ptr<const std::string> text;
    // A property's or blank line's lines (continuation and hex lines too)
    // as they stand in the text, LF between them; a block's opening line.
    std::string_view lines;
    std::string_view closing;  // a block's `End` line
  };
  Source source;

  bool HasSource() const { return source.text != nullptr; }
  // The entry changed: it is rendered from what it holds from now on.
  void ForgetSource() { source = {}; }

  static TextNode Property(std::string name, Form form, std::string value);
  static TextNode Block(Opener opener, std::string name);

  void SetString(std::string text);
  void SetNumber(std::string number);
  void SetBytes(std::string bytes);

  // The first property of that name among the children.
  TextNode* FindProperty(std::string_view property);
  const TextNode* FindProperty(std::string_view property) const;

  // Appends the entry's lines at the level (four spaces a level).
  void Render(std::size_t level, std::vector<std::string>& lines) const;
};

// A string value as Access writes it between the quotes.
std::string EscapeString(std::string_view text);
// The escaped value cut into Access's chunks.
std::vector<std::string> StringChunks(std::string_view text);

}  // namespace sim::access
