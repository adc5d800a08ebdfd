#include "sim/access/text_node.h"

#include "com/text.h"
#include "sim/access/text_encoding.h"

namespace sim::access {
namespace {

constexpr std::size_t kChunkLength = 80;
constexpr std::size_t kBytesPerHexLine = 32;

std::string Indent(std::size_t level) { return std::string(level * 4, ' '); }

// One character of the value in its escaped form.
std::string EscapeCharacter(std::string_view character) {
  const auto c = static_cast<unsigned char>(character.front());
  if (c == '"') return "\\\"";
  if (c == '\\') return "\\\\";
  if (c < 32) {
    return std::string{'\\', static_cast<char>('0' + (c >> 6)), static_cast<char>('0' + ((c >> 3) & 7)),
                       static_cast<char>('0' + (c & 7))};
  }
  return std::string(character);
}

void RenderBinary(const TextNode& node, std::size_t level, std::vector<std::string>& lines) {
  static constexpr char kDigits[] = "0123456789abcdef";
  lines.push_back(Indent(level) + node.name + " = Begin");
  for (std::size_t at = 0; at < node.value.size(); at += kBytesPerHexLine) {
    std::string line = Indent(level + 1) + "0x";
    const std::size_t end = std::min(node.value.size(), at + kBytesPerHexLine);
    for (std::size_t i = at; i < end; ++i) {
      const auto byte = static_cast<unsigned char>(node.value[i]);
      line += kDigits[byte >> 4];
      line += kDigits[byte & 15];
    }
    if (end < node.value.size()) line += " ,";
    lines.push_back(std::move(line));
  }
  lines.push_back(Indent(level) + "End");
}

void RenderProperty(const TextNode& node, std::size_t level, std::vector<std::string>& lines) {
  switch (node.form) {
    case TextNode::Form::Number: lines.push_back(Indent(level) + node.name + " =" + node.value); break;
    case TextNode::Form::NotDefault: lines.push_back(Indent(level) + node.name + " = NotDefault"); break;
    case TextNode::Form::Binary: RenderBinary(node, level, lines); break;
    case TextNode::Form::String: {
      const auto chunks = StringChunks(node.value);
      lines.push_back(Indent(level) + node.name + " =\"" + chunks.front() + "\"");
      for (std::size_t i = 1; i < chunks.size(); ++i)
        lines.push_back(Indent(level + 1) + "\"" + chunks[i] + "\"");
      break;
    }
  }
}

std::string OpeningLine(const TextNode& node, std::size_t level) {
  switch (node.opener) {
    case TextNode::Opener::Typed: return Indent(level) + "Begin " + node.name;
    case TextNode::Opener::Named: return Indent(level) + node.name + " = Begin";
    case TextNode::Opener::List: break;
  }
  return Indent(level) + "Begin";
}

template <class Children>
auto FindIn(Children& children, std::string_view property) -> decltype(&children.front()) {
  for (auto& child : children)
    if (child.kind == TextNode::Kind::Property && child.name == property) return &child;
  return nullptr;
}

}  // namespace

TextNode TextNode::Property(std::string name, Form form, std::string value) {
  TextNode node;
  node.kind = Kind::Property;
  node.name = std::move(name);
  node.form = form;
  node.value = std::move(value);
  return node;
}

TextNode TextNode::Block(Opener opener, std::string name) {
  TextNode node;
  node.kind = Kind::Block;
  node.opener = opener;
  node.name = std::move(name);
  return node;
}

void TextNode::SetString(std::string text) {
  form = Form::String;
  value = std::move(text);
  ForgetSource();
}

void TextNode::SetNumber(std::string number) {
  form = Form::Number;
  value = std::move(number);
  ForgetSource();
}

void TextNode::SetBytes(std::string bytes) {
  form = Form::Binary;
  value = std::move(bytes);
  ForgetSource();
}

TextNode* TextNode::FindProperty(std::string_view property) { return FindIn(children, property); }

const TextNode* TextNode::FindProperty(std::string_view property) const {
  return FindIn(children, property);
}

void TextNode::Render(std::size_t level, std::vector<std::string>& lines) const {
  if (kind == Kind::Block) {
    lines.push_back(HasSource() ? std::string(source.lines) : OpeningLine(*this, level));
    for (const auto& child : children) child.Render(level + 1, lines);
    lines.push_back(HasSource() ? std::string(source.closing) : Indent(level) + "End");
    return;
  }
  if (HasSource()) {
    for (const auto& line : com::Split(source.lines, "\n")) lines.push_back(line);
    return;
  }
  if (kind == Kind::Blank) {
    lines.emplace_back();
    return;
  }
  RenderProperty(*this, level, lines);
}

std::string EscapeString(std::string_view text) {
  std::string escaped;
  for (const auto& character : com::Characters(text)) escaped += EscapeCharacter(character);
  return escaped;
}

std::vector<std::string> StringChunks(std::string_view text) {
  std::vector<std::string> chunks(1);
  std::size_t units = 0;
  for (const auto& character : com::Characters(text)) {
    const std::string token = EscapeCharacter(character);
    if (units >= kChunkLength) {
      chunks.emplace_back();
      units = 0;
    }
    chunks.back() += token;
    units += Utf16Length(token);
  }
  return chunks;
}

}  // namespace sim::access
