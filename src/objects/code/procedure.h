#pragma once
// One piece of a code module: the declarations section or one procedure.
// Its text is what the code editor holds for it, without the blank lines
// above its heading; replacing the text is checked afterwards (no procedure
// gained or lost, code the editor can still read) and undone when a check
// fails, so that a replacement never damages the module.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "com/dispatch.h"

namespace objects {

class Procedures;

// vbext_ProcKind.
enum ProcKind : std::int32_t { vbext_pk_Proc = 0, vbext_pk_Let = 1, vbext_pk_Set = 2, vbext_pk_Get = 3 };

class Procedure : public com::Dispatch {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Procedure";

 public:
  static constexpr const char* kDeclarations = "<declarations>";

  const com::TypeInfo& Members() const override;

  void Initialize(std::shared_ptr<Procedures> parent, com::ObjectRef module,
                  const std::string& proc_name, std::int32_t proc_kind);
  void TearDown();

  // The name the host knows the piece by: a property's name carries its kind
  // (".Get", ".Let", ".Set").
  std::string Name();
  std::string Text();
  void SetText(const std::string& text);
  // The module line the text begins on.
  std::int32_t StartLine();

 private:
  // The procedures of the module by key (name and kind), letter case ignored.
  using Keys = std::map<std::string, std::pair<std::string, std::int32_t>>;

  com::Dispatch& Module() const;
  bool IsDeclarations() const;
  // The lines of the piece, from the first that is not blank.
  std::pair<std::int32_t, std::int32_t> Range();
  Keys ProcedureKeys();
  static void CheckLineLengths(const std::string& text);
  std::optional<std::pair<std::string, std::int32_t>> Verify(Keys before);
  void Replace(const std::string& text);

  std::weak_ptr<Procedures> parent_;
  com::ObjectRef module_;
  std::string proc_name_;
  std::int32_t proc_kind_ = vbext_pk_Proc;
};

// The name the host knows a procedure by.
std::string PieceName(const std::string& proc_name, std::int32_t proc_kind);

}  // namespace objects
