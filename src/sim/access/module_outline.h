#pragma once
// How the Access 2000 code editor divides a module's lines: the declarations
// section, then the procedures (Sub, Function, Property Get/Let/Set with
// their modifiers), each from the line after the one before it ends to its
// End line. Headings and End lines are found in the code only: a line
// continued with " _" is read with its continuation lines, and neither a
// comment (also a continued one, or Rem) nor a string holds a heading.
//
// The line accounting follows the editor's object model as documented for
// Access's Module object (ProcStartLine, ProcBodyLine, ProcCountLines,
// CountOfDeclarationLines): a procedure begins with the comments, blank lines
// and compilation constants (#Const) above its definition, so its range
// starts right after the line where the previous procedure ends; its body
// starts at the line of the Sub, Function or Property statement; the
// declarations section ends with its last declaration statement, and the
// comments and blank lines after that belong to the first procedure. The
// lines after the last End line belong to the last procedure, as the editor
// counts them; a module without procedures is declarations throughout.
//
// The editor divides the lines also when its procedures do not hold
// together: a procedure left without its End ends above the next heading,
// an End of another kind still ends it, and an End outside any procedure
// is one more line of the range it falls in. Such a module cannot compile;
// the outline keeps the first compile error the editor reports for it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim::access {

// vbext_ProcKind.
enum class ProcKind : std::int32_t { Proc = 0, Let = 1, Set = 2, Get = 3 };

struct ProcedureLines {
  std::string name;
  ProcKind kind = ProcKind::Proc;
  std::int32_t start = 0;  // lines numbered from 1
  std::int32_t body = 0;
  std::int32_t count = 0;
};

class ModuleOutline {
 public:
  static ModuleOutline Read(const std::vector<std::string>& lines);

  // The compile error's text ("Expected End Sub"); nothing for a module
  // whose procedures hold together.
  const std::optional<std::string>& Fault() const { return fault_; }
  std::int32_t DeclarationLines() const { return declaration_lines_; }
  // The procedures in module order.
  const std::vector<ProcedureLines>& Procedures() const { return procedures_; }

 private:
  std::optional<std::string> fault_;
  std::int32_t declaration_lines_ = 0;
  std::vector<ProcedureLines> procedures_;
};

}  // namespace sim::access
