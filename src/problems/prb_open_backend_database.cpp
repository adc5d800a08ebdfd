#include "problems/prb_open_backend_database.h"

#include "host/description_builder.h"
#include "problems/problem_parameters.h"
#include "shared/vxhandler.h"

namespace {
constexpr std::int32_t kDesignViewLock = 3734;
}  // namespace

void prbOpenBackendDatabase::Initialize(const std::string& source_db_name, std::int32_t err_code,
                                        const std::string& err_msg) {
  vxhandler::Guard(kClass, "Initialize", [&] {
    source_db_name_ = source_db_name;
    err_code_ = err_code;
    err_msg_ = err_msg;
  });
}

void prbOpenBackendDatabase::IProblem_GetParameters(std::vector<std::string>& parameters) {
  vxhandler::Guard(kClass, "IProblem_GetParameters", [&] {
    parameters = {"", source_db_name_, std::to_string(err_code_), err_msg_};
  });
}

void prbOpenBackendDatabase::IProblem_SetParameters(const std::vector<std::string>& parameters) {
  vxhandler::Guard(kClass, "IProblem_SetParameters", [&] {
    source_db_name_ = problems::TextParameter(parameters, 1);
    err_code_ = problems::LongParameter(parameters, 2);
    err_msg_ = problems::TextParameter(parameters, 3);
  });
}

std::string prbOpenBackendDatabase::IProblem_Task() {
  return vxhandler::Guard(kClass, "IProblem_Task",
                          [&] { return "OpenBackendDatabase('" + source_db_name_ + "')"; });
}

std::string prbOpenBackendDatabase::IProblem_Description() {
  return vxhandler::Guard(kClass, "IProblem_Description", [&] {
    host::DescriptionBuilder d;
    d.AppendParagraph(0, "Couldn't open the backend database '" + source_db_name_ + "'.");
    if (err_code_ == kDesignViewLock) {
      d.AppendParagraph(0,
                        "The backend database contains a form, report, or macro that is "
                        "currently open in design view, causing Access 2000 to disallow new "
                        "connections to the database.");
    } else {
      d.AppendLine(1, "Workspace.OpenDatabase reported run-time error " +
                          std::to_string(err_code_) + ":");
      d.AppendParagraph(0, err_msg_);
    }
    d.AppendParagraph(0,
                      "Because of this problem, search execution times may be considerably "
                      "longer than normal.");
    d.AppendParagraph(0,
                      "In addition, the fields of linked tables and of queries based upon linked "
                      "tables cannot be inspected.");
    return d.GetText();
  });
}

std::shared_ptr<host::SolutionList> prbOpenBackendDatabase::IProblem_Solutions() {
  return vxhandler::Guard(kClass, "IProblem_Solutions",
                          [] { return std::shared_ptr<host::SolutionList>(); });
}
