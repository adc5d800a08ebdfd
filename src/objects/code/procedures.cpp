#include "objects/code/procedures.h"

#include "com/by_ref.h"
#include "com/text.h"
#include "problems/prb_verify_procedure_name.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

// The procedure at a line of the module, and its kind.
std::pair<std::string, std::int32_t> ProcOfLine(com::Dispatch& module, std::int32_t line) {
  auto kind = com::ByRef::Make(com::Variant(0));
  const std::string name = com::CStr(module.Call("ProcOfLine", {com::Variant(line), com::Variant(kind)}));
  return {name, com::CLng(kind->Value())};
}

}  // namespace

const com::TypeInfo& Procedures::Members() const {
  static const com::TypeInfo info = Builder<Procedures>(kClass).Build();
  return info;
}

void Procedures::Initialize(com::ObjectRef module) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    if (!module) return;
    auto self = std::static_pointer_cast<Procedures>(shared_from_this());
    auto add = [&](const std::string& name, std::int32_t kind) {
      auto piece = std::make_shared<Procedure>();
      piece->Initialize(self, module, name, kind);
      list_.Add(piece, piece->Name());
    };
    const std::int32_t total = com::CLng(module->Get("CountOfLines"));
    add(Procedure::kDeclarations, vbext_pk_Proc);
    std::int32_t line = com::CLng(module->Get("CountOfDeclarationLines")) + 1;
    while (line <= total) {
      const auto [name, kind] = ProcOfLine(*module, line);
      const std::string piece = PieceName(name, kind);
      if (list_.IndexOf(com::Variant(piece)) == 0) {
        add(name, kind);
        line += com::CLng(module->Call("ProcCountLines", {com::Variant(name), com::Variant(kind)}));
        continue;
      }
      ReportDuplicate(*module, piece);
      bool ended = true;
      while (line < com::CLng(module->Get("CountOfLines"))) {
        ++line;
        if (!com::EqualsNoCase(ProcOfLine(*module, line).first, name)) {
          ended = false;
          break;
        }
      }
      if (ended) break;
    }
  });
}

void Procedures::ReportDuplicate(com::Dispatch& module, const std::string& name) {
  auto project = com::CObj(com::CObj(module.Get("Application"))->Get("CurrentProject"));
  auto problem = std::make_shared<prbVerifyProcedureName>();
  problem->Initialize(com::CStr(project->Get("Path")), com::CStr(module.Get("Name")), name);
  std::int32_t response = 0;
  vxhandler::LogProblem(problem, "tovrin", "Procedures", "Initialize", 0, response);
}

}  // namespace objects
