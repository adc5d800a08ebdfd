#include "problems/prb_verify_system_requirements.h"

#include "host/description_builder.h"
#include "host/solution_list.h"
#include "problems/problem_parameters.h"
#include "problems/sol_install_access2000.h"
#include "problems/sol_obtain_office2000_sr1_update.h"
#include "shared/version.h"
#include "shared/vxhandler.h"

namespace {
}

void prbVerifySystemRequirements::Initialize(std::int32_t build) {
  vxhandler::Guard(kClass, "Initialize", [&] { build_ = build; });
}

void prbVerifySystemRequirements::IProblem_GetParameters(std::vector<std::string>& parameters) {
  vxhandler::Guard(kClass, "IProblem_GetParameters",
                   [&] { parameters = {"", std::to_string(build_)}; });
}

void prbVerifySystemRequirements::IProblem_SetParameters(
    const std::vector<std::string>& parameters) {
  vxhandler::Guard(kClass, "IProblem_SetParameters",
                   [&] { build_ = problems::LongParameter(parameters, 1); });
}

std::string prbVerifySystemRequirements::IProblem_Task() {
  return vxhandler::Guard(kClass, "IProblem_Task", [] {
    std::string task = "VerifySystemRequirements('";
    return task.append(shared::kProjectName).append("')");
  });
}

std::string prbVerifySystemRequirements::IProblem_Description() {
  return vxhandler::Guard(kClass, "IProblem_Description", [&] {
    host::DescriptionBuilder d;
    if (build_ == 0) {
      d.AppendParagraph(0, "Microsoft Access 2000 was not found on your system.");
      d.AppendParagraph(2,
                        "Microsoft Corporation has elected not to disclose the file formats used "
                        "by Microsoft Access.");
      d.AppendParagraph(0,
                        "In order to inspect your Access 2000 projects, it is necessary for "
                        "Quillnet to communicate with the Access 2000 application program.");
      d.AppendParagraph(2,
                        "The original release of Access 2000 contains a bug which could cause "
                        "data loss while saving replacements.");
      d.AppendParagraph(0, "Consequently, you will need to install Access 2000 SR-1 or above.");
    } else if (build_ < 3822) {
      d.AppendParagraph(0, "You need to update your copy of Microsoft Access 2000.");
      d.AppendParagraph(0, "You are currently running the original release of Access 2000.");
      d.AppendParagraph(
          0, "This release contains a bug which could cause data loss while saving replacements.");
      d.AppendParagraph(0, "You will need to install Access 2000 SR-1 or above.");
      d.AppendParagraph(2,
                        "Note: The Help>About dialog in Access 2000 may indicate that SR-1 is "
                        "already present on your system, but this information is not reliable.");
      d.AppendParagraph(0, "Your copy of the file MSACCESS.EXE has a version number of 9.0." +
                               std::to_string(build_) + ".");
      d.AppendParagraph(0,
                        "Access 2000 SR-1 has a version number of 9.0.3822, and Quillnet works "
                        "with 9.0.3822 or above.");
    }
    return d.GetText();
  });
}

std::shared_ptr<host::SolutionList> prbVerifySystemRequirements::IProblem_Solutions() {
  return vxhandler::Guard(kClass, "IProblem_Solutions", [&] {
    if (!solutions_) {
      solutions_ = std::make_shared<host::SolutionList>();
      solutions_->Add(std::make_shared<SolInstallAccess2000>());
      solutions_->Add(std::make_shared<SolObtainOffice2000SR1Update>());
    }
    return solutions_;
  });
}
