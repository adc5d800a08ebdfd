#include "sim/access/module_outline.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "com/text.h"

namespace sim::access {
namespace {

enum class Block { Sub, Function, Property };

struct Token {
  std::string text;
  bool word = false;
};
using Statement = std::vector<Token>;

struct Heading {
  Block block;
  ProcKind kind;
  std::string name;
};

// The compile errors of procedures that do not hold together.
constexpr const char* kOutsideProcedure = "Invalid outside procedure";
constexpr const char* kOnlyComments =
    "Only comments may appear after End Sub, End Function, or End Property";

std::string ExpectedEnd(Block block) {
  switch (block) {
    case Block::Sub:
      return "Expected End Sub";
    case Block::Function:
      return "Expected End Function";
    case Block::Property:
      return "Expected End Property";
  }
  return "";
}

// A physical line that goes on on the next one ends with " _" (a comment
// too); "_" alone on a line also continues.
bool Continues(std::string_view line) {
  const auto end = line.find_last_not_of(" \t");
  if (end == std::string_view::npos || line[end] != '_') return false;
  return end == 0 || line[end - 1] == ' ' || line[end - 1] == '\t';
}

std::string JoinContinued(const std::string& code, const std::string& next) {
  return code.substr(0, code.find_last_not_of(" \t")) + " " + next;
}

bool IsWordChar(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return std::isalnum(byte) || c == '_' || byte >= 0x80;
}

// The position after a string literal that starts at `i`, "" inside it
// standing for one quote; an unclosed string runs to the end of the line.
std::size_t SkipString(std::string_view code, std::size_t i) {
  for (++i; i < code.size(); ++i) {
    if (code[i] != '"') continue;
    if (i + 1 < code.size() && code[i + 1] == '"') {
      ++i;
    } else {
      return i + 1;
    }
  }
  return code.size();
}

std::size_t SkipWhile(std::string_view code, std::size_t i, bool (*keep)(char)) {
  while (i < code.size() && keep(code[i])) ++i;
  return i;
}

// The tokens of a logical line up to its comment, split into statements at
// the colons between them. String literals become one token, so that
// nothing in them is read as code.
std::vector<Statement> Statements(std::string_view code) {
  std::vector<Statement> statements(1);
  for (std::size_t i = 0; i < code.size();) {
    const char c = code[i];
    if (c == '\'') break;
    std::size_t next = i + 1;
    if (c == '"') {
      next = SkipString(code, i);
      statements.back().push_back({"\"", false});
    } else if (c == ':' && (i + 1 >= code.size() || code[i + 1] != '=')) {
      statements.emplace_back();
    } else if (IsWordChar(c)) {
      next = SkipWhile(code, i, IsWordChar);
      statements.back().push_back({std::string(code.substr(i, next - i)), true});
    } else if (c == '[') {
      next = std::min(code.find(']', i), code.size());
      statements.back().push_back({std::string(code.substr(i + 1, next - i - 1)), true});
      next = std::min(next + 1, code.size());
    } else if (c != ' ' && c != '\t') {
      statements.back().push_back({std::string(1, c), false});
    }
    i = next;
  }
  return statements;
}

bool IsWord(const Statement& statement, std::size_t i, std::string_view word) {
  return i < statement.size() && statement[i].word && com::EqualsNoCase(statement[i].text, word);
}

bool IsModifier(const Statement& statement, std::size_t i) {
  for (const char* modifier : {"Public", "Private", "Friend", "Static"})
    if (IsWord(statement, i, modifier)) return true;
  return false;
}

std::optional<Block> BlockWord(const Statement& statement, std::size_t i) {
  if (IsWord(statement, i, "Sub")) return Block::Sub;
  if (IsWord(statement, i, "Function")) return Block::Function;
  if (IsWord(statement, i, "Property")) return Block::Property;
  return std::nullopt;
}

std::optional<ProcKind> PropertyKind(const Statement& statement, std::size_t i) {
  if (IsWord(statement, i, "Get")) return ProcKind::Get;
  if (IsWord(statement, i, "Let")) return ProcKind::Let;
  if (IsWord(statement, i, "Set")) return ProcKind::Set;
  return std::nullopt;
}

// [Public | Private | Friend] [Static] Sub | Function | Property Get|Let|Set Name
std::optional<Heading> HeadingOf(const Statement& statement) {
  std::size_t i = 0;
  while (IsModifier(statement, i)) ++i;
  const auto block = BlockWord(statement, i++);
  if (!block) return std::nullopt;
  ProcKind kind = ProcKind::Proc;
  if (*block == Block::Property) {
    const auto property = PropertyKind(statement, i++);
    if (!property) return std::nullopt;
    kind = *property;
  }
  if (i >= statement.size() || !statement[i].word) return std::nullopt;
  return Heading{*block, kind, statement[i].text};
}

std::optional<Block> EndOf(const Statement& statement) {
  return IsWord(statement, 0, "End") ? BlockWord(statement, 1) : std::nullopt;
}

bool IsRem(const Statement& statement) { return IsWord(statement, 0, "Rem"); }

// A compilation constant belongs to the procedure below it, as comments do.
bool IsDeclaration(const Statement& statement) {
  const bool constant =
      !statement.empty() && statement[0].text == "#" && IsWord(statement, 1, "Const");
  return !statement.empty() && !constant;
}

class OutlineReader {
 public:
  void Take(std::string_view code, std::int32_t first, std::int32_t last) {
    for (const Statement& statement : Statements(code)) {
      if (IsRem(statement)) return;
      if (const auto heading = HeadingOf(statement)) {
        Open(*heading, first);
      } else if (const auto block = EndOf(statement)) {
        Close(*block, last);
      } else if (!open_ && procedures.empty() && IsDeclaration(statement)) {
        declarations = last;
      }
    }
  }

  // Places the procedures' ranges once every line is read.
  void Finish(std::int32_t total) {
    if (open_) Fault(ExpectedEnd(*open_));
    if (procedures.empty()) declarations = total;
    std::int32_t start = declarations + 1;
    for (std::size_t i = 0; i < procedures.size(); ++i) {
      const std::int32_t end = i + 1 == procedures.size() ? total : ends_[i];
      procedures[i].start = start;
      procedures[i].count = end - start + 1;
      start = end + 1;
    }
  }

  std::optional<std::string> fault;
  std::int32_t declarations = 0;
  std::vector<ProcedureLines> procedures;

 private:
  // A procedure left without its End ends where the next heading begins.
  void Open(const Heading& heading, std::int32_t line) {
    if (open_) {
      Fault(ExpectedEnd(*open_));
      ends_.push_back(line - 1);
    }
    procedures.push_back({heading.name, heading.kind, 0, line, 0});
    open_ = heading.block;
  }

  // An End outside any procedure belongs to the lines around it; one of
  // another kind still ends the procedure.
  void Close(Block block, std::int32_t line) {
    if (!open_) {
      Fault(procedures.empty() ? kOutsideProcedure : kOnlyComments);
      if (procedures.empty()) declarations = line;
      return;
    }
    if (block != *open_) Fault(ExpectedEnd(*open_));
    ends_.push_back(line);
    open_.reset();
  }

  // The first error the compiler would stop at.
  void Fault(std::string text) {
    if (!fault) fault = std::move(text);
  }

  std::optional<Block> open_;
  std::vector<std::int32_t> ends_;
};

}  // namespace

ModuleOutline ModuleOutline::Read(const std::vector<std::string>& lines) {
  OutlineReader reader;
  for (std::size_t first = 0; first < lines.size();) {
    std::size_t last = first;
    std::string code = lines[first];
    while (Continues(code) && last + 1 < lines.size()) code = JoinContinued(code, lines[++last]);
    reader.Take(code, static_cast<std::int32_t>(first + 1), static_cast<std::int32_t>(last + 1));
    first = last + 1;
  }
  reader.Finish(static_cast<std::int32_t>(lines.size()));
  ModuleOutline outline;
  outline.fault_ = std::move(reader.fault);
  outline.declaration_lines_ = reader.declarations;
  outline.procedures_ = std::move(reader.procedures);
  return outline;
}

}  // namespace sim::access
