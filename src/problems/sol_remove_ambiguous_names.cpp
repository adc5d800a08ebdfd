#include "problems/sol_remove_ambiguous_names.h"

#include "shared/vxhandler.h"

namespace {
}

std::string solRemoveAmbiguousNames::ISolution_Name() {
  return vxhandler::Guard(kClass, "ISolution_Name",
                          [] { return std::string("Remove Ambiguous Names"); });
}

std::string solRemoveAmbiguousNames::ISolution_Description() {
  return vxhandler::Guard(kClass, "ISolution_Description", [] {
    return std::string(
        "You can edit your code to eliminate the ambiguous name(s).\r\n\r\n"
        "1. Open your project using Access 2000.\r\n"
        "2. Open any module in design view.\r\n"
        "3. Open the Debug menu and select Compile.\r\n"
        "4. Correct any problems that the compiler identifies.");
  });
}

bool solRemoveAmbiguousNames::ISolution_CanImplement() {
  return vxhandler::Guard(kClass, "ISolution_CanImplement", [] { return false; });
}

bool solRemoveAmbiguousNames::ISolution_Implement() { return false; }
