#include "problems/prb_verify_procedure_name.h"

#include "host/description_builder.h"
#include "host/solution_list.h"
#include "problems/problem_parameters.h"
#include "problems/sol_remove_ambiguous_names.h"
#include "shared/vxhandler.h"

namespace {

std::string Place(const std::string& module) {
  if (module.starts_with("Form_"))
    return "the module belonging to form '" + module.substr(5) + "'";
  if (module.starts_with("Report_"))
    return "the module belonging to report '" + module.substr(7) + "'";
  return "module '" + module + "'";
}

}  // namespace

void prbVerifyProcedureName::Initialize(const std::string& project_path,
                                        const std::string& module_name,
                                        const std::string& procedure_name) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    project_path_ = project_path;
    module_name_ = module_name;
    procedure_name_ = procedure_name;
  });
}

void prbVerifyProcedureName::IProblem_GetParameters(std::vector<std::string>& parameters) {
  vxhandler::Guard(kClass, "IProblem_GetParameters", [&] {
    parameters = {"", project_path_, module_name_, procedure_name_};
  });
}

void prbVerifyProcedureName::IProblem_SetParameters(const std::vector<std::string>& parameters) {
  vxhandler::Guard(kClass, "IProblem_SetParameters", [&] {
    project_path_ = problems::TextParameter(parameters, 1);
    module_name_ = problems::TextParameter(parameters, 2);
    procedure_name_ = problems::TextParameter(parameters, 3);
  });
}

std::string prbVerifyProcedureName::IProblem_Task() {
  return vxhandler::Guard(kClass, "IProblem_Task", [&] {
    return "VerifyProcedureName('" + module_name_ + "." + procedure_name_ + "')";
  });
}

std::string prbVerifyProcedureName::IProblem_Description() {
  return vxhandler::Guard(kClass, "IProblem_Description", [&] {
    host::DescriptionBuilder d;
    d.AppendParagraph(0, "Duplicate procedure name '" + procedure_name_ + "' found in " +
                             Place(module_name_) + " in project '" + project_path_ + "'.");
    d.AppendParagraph(0, "The duplicate procedure was not inspected.");
    d.AppendParagraph(
        0, "You must rectify this problem before attempting to save replacements in this project.");
    d.AppendParagraph(0,
                      "Otherwise, the save operation may take an exceedingly long time and result "
                      "in a large number of failed replacements.");
    return d.GetText();
  });
}

std::shared_ptr<host::SolutionList> prbVerifyProcedureName::IProblem_Solutions() {
  return vxhandler::Guard(kClass, "IProblem_Solutions", [&] {
    if (!solutions_) {
      auto solution = std::make_shared<solRemoveAmbiguousNames>();
      solution->Initialize();
      solutions_ = std::make_shared<host::SolutionList>();
      solutions_->Add(solution);
    }
    return solutions_;
  });
}
