#include "sim/access/document_text.h"

#include <algorithm>
#include <cctype>

#include "com/text.h"
#include "platform/access.h"
#include "sim/access/text_format_error.h"

namespace sim::access {
namespace {

constexpr std::string_view kCodeBehind = "CodeBehindForm";

std::size_t LeadingSpaces(std::string_view line) {
  const auto first = line.find_first_not_of(' ');
  return first == std::string_view::npos ? line.size() : first;
}

// A plain loop: find_first_not_of looks each character up in the set apart,
// and every line of a document's text is asked.
bool IsBlank(std::string_view line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

bool IsNumber(std::string_view value) {
  std::size_t i = value.starts_with('-') ? 1 : 0;
  const std::size_t digits = i;
  while (i < value.size() && std::isdigit(static_cast<unsigned char>(value[i]))) ++i;
  if (i == digits) return false;
  if (i == value.size()) return true;
  if (value[i] != '.') return false;
  const std::size_t fraction = ++i;
  while (i < value.size() && std::isdigit(static_cast<unsigned char>(value[i]))) ++i;
  return i > fraction && i == value.size();
}

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

// Where the name of a property line ends: the name is one word, or, in a
// query's text, a DAO type word and the property's name in quotes
// (`dbText "Description" ="..."`).
std::size_t PropertyNameEnd(std::string_view content) {
  const auto space = content.find(' ');
  if (space == std::string_view::npos || !content.starts_with("db") ||
      content.substr(space + 1, 1) != "\"")
    return space;
  const auto close = content.find('"', space + 2);
  return close == std::string_view::npos ? close : close + 1;
}

// The text's lines, as views into it.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (;;) {
    const auto end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return lines;
    text.remove_prefix(end + 1);
  }
}

// The lines from `first` to `last` as they stand in the text, LF between them.
std::string_view Span(std::string_view first, std::string_view last) {
  return {first.data(), static_cast<std::size_t>(last.data() + last.size() - first.data())};
}

class Reader {
 public:
  // The entries keep their lines as views into one copy of the text.
  explicit Reader(std::string_view text)
      : text_(std::make_shared<const std::string>(text)), lines_(Lines(*text_)) {}

  DocumentText Read() {
    DocumentText document;
    document.items() = Items(0, 0);
    if (at_ < lines_.size()) {  // the CodeBehindForm line: the module is the rest of the text
      const std::string_view& line = lines_[at_];
      const std::size_t code = static_cast<std::size_t>(line.data() - text_->data()) + line.size();
      document.SetCode(code < text_->size() ? text_->substr(code + 1) : std::string());
    }
    return document;
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const {
    throw TextFormatError(at_ + 1, message);
  }

  // The entries of one level up to the `End` that closes it (level > 0), or
  // up to the end of the text or `CodeBehindForm` (level 0).
  std::vector<TextNode> Items(std::size_t level, std::size_t opened_at) {
    std::vector<TextNode> items;
    while (at_ < lines_.size()) {
      const std::string_view line = lines_[at_];
      if (level == 0 && line == kCodeBehind) return items;
      if (IsBlank(line)) {
        TextNode blank;
        blank.source = {text_, TakeLine(), {}};
        items.push_back(std::move(blank));
        continue;
      }
      const std::size_t indent = LeadingSpaces(line);
      const std::string_view content = line.substr(indent);
      if (content == "End") {
        if (level == 0) Fail("'End' without its 'Begin'");
        if (indent != (level - 1) * 4) Fail(Misplaced(indent, (level - 1) * 4));
        return items;
      }
      if (indent != level * 4) Fail(Misplaced(indent, level * 4));
      items.push_back(Entry(level, content));
    }
    if (level > 0) {
      at_ = opened_at;
      Fail("'" + com::Trim(lines_[opened_at]) + "' without its 'End'");
    }
    return items;
  }

  static std::string Misplaced(std::size_t indent, std::size_t expected) {
    return "indented by " + std::to_string(indent) + " spaces where " + std::to_string(expected) +
           " are expected";
  }

  TextNode Entry(std::size_t level, std::string_view content) {
    if (content == "Begin") return Block(level, TextNode::Block(TextNode::Opener::List, ""));
    if (content.starts_with("Begin ")) {
      const std::string type = com::Trim(content.substr(6));
      if (type.empty() || type.find(' ') != std::string::npos) Fail("a block of no known type");
      return Block(level, TextNode::Block(TextNode::Opener::Typed, type));
    }
    const auto equals = PropertyNameEnd(content);
    if (equals == std::string_view::npos || equals == 0 || content.substr(equals, 2) != " =")
      Fail("neither a property nor a block: '" + std::string(content) + "'");
    const std::string name(content.substr(0, equals));
    const std::string_view value = content.substr(equals + 2);
    if (value == " Begin") return Named(level, name);
    if (value == " NotDefault") return Single(TextNode::Form::NotDefault, name, "");
    if (value.starts_with('"')) return String(level, name, value);
    if (!IsNumber(value)) Fail("the value of " + name + " is neither a number nor a string");
    return Single(TextNode::Form::Number, name, std::string(value));
  }

  TextNode Single(TextNode::Form form, const std::string& name, std::string value) {
    TextNode node = TextNode::Property(name, form, std::move(value));
    node.source = {text_, TakeLine(), {}};
    return node;
  }

  TextNode Block(std::size_t level, TextNode node) {
    const std::size_t opened_at = at_;
    const std::string_view opening = TakeLine();
    node.children = Items(level + 1, opened_at);
    node.source = {text_, opening, TakeLine()};
    return node;
  }

  // `Name = Begin`: binary data in hex lines, or an embedded macro.
  TextNode Named(std::size_t level, const std::string& name) {
    const bool hex = at_ + 1 < lines_.size() &&
                     lines_[at_ + 1].substr(LeadingSpaces(lines_[at_ + 1])).starts_with("0x");
    if (!hex) return Block(level, TextNode::Block(TextNode::Opener::Named, name));
    TextNode node = TextNode::Property(name, TextNode::Form::Binary, "");
    const std::string_view first = TakeLine();
    const std::string hex_indent((level + 1) * 4, ' ');
    while (at_ < lines_.size() && lines_[at_].starts_with(hex_indent + "0x")) {
      AppendHex(lines_[at_].substr(hex_indent.size() + 2), node.value);
      TakeLine();
    }
    if (at_ >= lines_.size() || lines_[at_] != std::string(level * 4, ' ') + "End")
      Fail("the binary data of " + name + " is not closed by 'End'");
    node.source = {text_, Span(first, TakeLine()), {}};
    return node;
  }

  void AppendHex(std::string_view digits, std::string& bytes) const {
    if (digits.ends_with(" ,")) digits.remove_suffix(2);
    if (digits.size() % 2) Fail("a hex line with half a byte");
    for (std::size_t i = 0; i < digits.size(); i += 2) {
      const auto nibble = [&](char c) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) Fail("a hex line with other characters");
        return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
      };
      bytes += static_cast<char>(nibble(digits[i]) * 16 + nibble(digits[i + 1]));
    }
  }

  TextNode String(std::size_t level, const std::string& name, std::string_view first) {
    TextNode node = TextNode::Property(name, TextNode::Form::String, Unquote(first));
    const std::string_view opening = TakeLine();
    std::string_view last = opening;
    const std::string continuation((level + 1) * 4, ' ');
    while (at_ < lines_.size() && lines_[at_].starts_with(continuation + "\"")) {
      node.value += Unquote(lines_[at_].substr(continuation.size()));
      last = TakeLine();
    }
    node.source = {text_, Span(opening, last), {}};
    return node;
  }

  // A quoted chunk: the quotes at both ends, Access's escapes inside.
  std::string Unquote(std::string_view quoted) const {
    std::string text;
    std::size_t i = 1;
    while (i < quoted.size() && quoted[i] != '"') {
      if (quoted[i] != '\\') {  // a run of plain characters
        const std::size_t end = std::min(quoted.find_first_of("\"\\", i), quoted.size());
        text.append(quoted.substr(i, end - i));
        i = end;
      } else if (i + 1 < quoted.size() && (quoted[i + 1] == '"' || quoted[i + 1] == '\\')) {
        text += quoted[i + 1];
        i += 2;
      } else if (i + 3 < quoted.size() && IsOctal(quoted[i + 1]) && IsOctal(quoted[i + 2]) &&
                 IsOctal(quoted[i + 3])) {
        text += static_cast<char>((quoted[i + 1] - '0') * 64 + (quoted[i + 2] - '0') * 8 +
                                  (quoted[i + 3] - '0'));
        i += 4;
      } else {
        Fail("an escape Access does not write: '" + std::string(quoted.substr(i, 2)) + "'");
      }
    }
    if (i >= quoted.size()) Fail("a string without its closing quote");
    if (i + 1 != quoted.size()) Fail("text after the closing quote of a string");
    return text;
  }

  // The current line, for the entry it belongs to, and on to the next.
  std::string_view TakeLine() { return lines_[at_++]; }

  std::shared_ptr<const std::string> text_;
  std::vector<std::string_view> lines_;
  std::size_t at_ = 0;
};

const char* RootType(std::int32_t object_type) {
  return object_type == msaccess::acForm ? "Form" : object_type == msaccess::acReport ? "Report" : "";
}

void CheckKind(DocumentText& document, std::int32_t object_type) {
  const std::string word = DocumentWord(object_type);
  if (object_type == msaccess::acMacro) {
    for (const auto& item : document.items())
      if (item.kind == TextNode::Kind::Block && item.opener != TextNode::Opener::List)
        throw TextFormatError(0, "a macro's text holds 'Begin " + item.name + "'");
    if (document.Code()) throw TextFormatError(0, "a macro's text holds a module");
    return;
  }
  const TextNode* root = document.Root();
  if (!root) throw TextFormatError(0, "the " + word + "'s text has no 'Begin " +
                                          RootType(object_type) + "'");
  if (root->name != RootType(object_type))
    throw TextFormatError(0, "the " + word + "'s text holds 'Begin " + root->name + "'");
}

}  // namespace

DocumentText DocumentText::Parse(std::string_view text) { return Reader(text).Read(); }

DocumentText DocumentText::Parse(std::string_view text, std::int32_t object_type) {
  DocumentText document = Parse(text);
  CheckKind(document, object_type);
  return document;
}

std::string DocumentText::Render() const {
  std::vector<std::string> lines;
  for (const auto& item : items_) item.Render(0, lines);
  if (code_) {
    lines.emplace_back(kCodeBehind);
    lines.push_back(*code_);
  }
  return com::Join(lines, "\n");
}

TextNode* DocumentText::Root() {
  for (auto& item : items_)
    if (item.kind == TextNode::Kind::Block && item.opener == TextNode::Opener::Typed) return &item;
  return nullptr;
}

std::string DocumentWord(std::int32_t object_type) {
  switch (object_type) {
    case msaccess::acForm: return "form";
    case msaccess::acReport: return "report";
    case msaccess::acMacro: return "macro";
    case msaccess::acModule: return "module";
    case msaccess::acQuery: return "query";
    default: return "object";
  }
}

}  // namespace sim::access
