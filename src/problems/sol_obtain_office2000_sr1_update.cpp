#include "problems/sol_obtain_office2000_sr1_update.h"

#include "shared/vxhandler.h"
#include "ui/user_guide.h"

std::string SolObtainOffice2000SR1Update::ISolution_Name() {
  return "Obtain the Microsoft Office 2000 SR-1 Update.";
}

std::string SolObtainOffice2000SR1Update::ISolution_Description() {
  return "The original release of Access 2000 contained several bugs which could lead to"
         " performance degradation and/or data loss during a global find and replace operation."
         " These problems were corrected in Microsoft Office 2000 Service Release 1 (SR-1)."
         " For information about how to obtain and install Office 2000 SR-1,"
         " please refer to article Q245025 in the Microsoft KnowledgeBase"
         " (support.microsoft.com)";
}

bool SolObtainOffice2000SR1Update::ISolution_CanImplement() { return true; }

bool SolObtainOffice2000SR1Update::ISolution_Implement() {
  // The context keeps the name this solution has always reported under.
  return vxhandler::Guard("SolObtainAccess2000SR1Update", "ISolution_Implement", [] {
    ui::ShowWebPage(kArticleUrl);
    return false;
  });
}
