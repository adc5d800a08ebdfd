#pragma once
// The Module object of Access 2000: a module's text as the code editor holds
// it while its code window is open, the editor's copy of what the file
// keeps. Edits change only this copy; the session writes it to the file
// when the module is closed with saving, and drops it otherwise.
//
// Lines are numbered from 1 and handed out joined by CR LF, as the editor
// gives them. The editor hides the "Attribute VB_..." lines at the head of
// a class module's or a form's module: they are kept apart, out of the
// numbering, and put back in front of the text.
//
// Errors: 9 for a line or range outside the module, 5 for a negative count
// or an unknown procedure kind, 35 "Sub or Function not defined" for a
// procedure the module does not have. The editor divides the lines of a
// module whose procedures do not hold together as well (see ModuleOutline)
// and answers for the procedures it finds; looking for any other name makes
// it compile the module, which fails with kStructureError and the compile
// error ("Expected End Sub") instead of 35. Once the module is closed, every
// member raises 2467; once Access has quit, 462.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "com/dispatch.h"
#include "sim/access/module_outline.h"

namespace sim::access {

class Application;

class CodeModule : public com::Dispatch {
 public:
  // The editor cannot compile the module: E_FAIL, the failure the code
  // editor's objects report through automation, with the compile error as
  // its text. A number of its own, so that a caller tells it from 35.
  static constexpr std::int32_t kStructureError = -2147467259;

  // `text` as the file keeps it: lines joined by LF.
  CodeModule(std::weak_ptr<Application> application, std::string name, const std::string& text);

  const com::TypeInfo& Members() const override;

  std::int32_t CountOfLines();
  std::int32_t CountOfDeclarationLines();
  std::string Lines(std::int32_t start, std::int32_t count);
  void DeleteLines(std::int32_t start, std::int32_t count);
  void InsertLines(std::int32_t line, const std::string& text);
  std::string Name();
  com::ObjectRef ApplicationObject();  // Application
  // Writes the kind (vbext_ProcKind) into `kind` when passed by reference;
  // the empty string and 0 for a line of the declarations section.
  std::string ProcOfLine(std::int32_t line, const com::Variant& kind);
  std::int32_t ProcStartLine(const std::string& name, std::int32_t kind);
  std::int32_t ProcBodyLine(const std::string& name, std::int32_t kind);
  std::int32_t ProcCountLines(const std::string& name, std::int32_t kind);

  // For the session that holds the copy.
  // The whole text as the file keeps it, hidden lines first.
  std::string Text() const;
  bool Changed() const { return Text() != original_; }
  // The code window closed: the copy is gone.
  void Close() { closed_ = true; }

 private:
  void Require();
  const ModuleOutline& Outline();
  const ProcedureLines& Procedure(const std::string& name, std::int32_t kind);
  void RequireLine(std::int32_t line, std::int32_t last) const;

  std::weak_ptr<Application> application_;
  std::string name_;
  std::string original_;
  std::vector<std::string> hidden_;
  std::vector<std::string> lines_;
  std::optional<ModuleOutline> outline_;  // read again after an edit
  bool closed_ = false;
};

}  // namespace sim::access
