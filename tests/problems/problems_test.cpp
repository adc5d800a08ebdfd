#include <gtest/gtest.h>

#include "com/text.h"
#include "host/solution_list.h"
#include "problems/prb_open_backend_database.h"
#include "problems/prb_verify_procedure_name.h"
#include "problems/prb_verify_system_requirements.h"
#include "problems/sol_install_access2000.h"
#include "problems/sol_obtain_office2000_sr1_update.h"
#include "problems/sol_remove_ambiguous_names.h"
#include "support/error_matchers.h"
#include "support/machine_test.h"

using testing_support::ErrorOf;

class Problems : public testing_support::MachineTest {
 protected:
  static std::vector<std::string> Paragraphs(host::IProblem& problem) {
    return com::Split(problem.IProblem_Description(), "\r\n\r\n");
  }
  template <class P>
  static void ExpectRoundTrip(P& original) {
    std::vector<std::string> parameters;
    original.IProblem_GetParameters(parameters);
    EXPECT_EQ(parameters.at(0), "");
    P copy;
    copy.IProblem_SetParameters(parameters);
    EXPECT_EQ(copy.IProblem_Task(), original.IProblem_Task());
    EXPECT_EQ(copy.IProblem_Description(), original.IProblem_Description());
  }
};

TEST_F(Problems, SystemRequirementsDescribeTheThreeCases) {
  prbVerifySystemRequirements missing;
  missing.Initialize(0);
  const auto m = Paragraphs(missing);
  ASSERT_EQ(m.size(), 5u);
  EXPECT_EQ(m[0], "Microsoft Access 2000 was not found on your system.");
  EXPECT_EQ(m[1],
            "    Microsoft Corporation has elected not to disclose the file formats used by "
            "Microsoft Access.");
  EXPECT_EQ(m[4], "Consequently, you will need to install Access 2000 SR-1 or above.");

  prbVerifySystemRequirements old;
  old.Initialize(2719);
  const auto o = Paragraphs(old);
  ASSERT_EQ(o.size(), 7u);
  EXPECT_EQ(o[0], "You need to update your copy of Microsoft Access 2000.");
  EXPECT_EQ(o[5], "Your copy of the file MSACCESS.EXE has a version number of 9.0.2719.");
  EXPECT_EQ(o[6],
            "Access 2000 SR-1 has a version number of 9.0.3822, and Quillnet works with 9.0.3822 "
            "or above.");
  EXPECT_EQ(old.IProblem_Task(), "VerifySystemRequirements('tovrin')");

  prbVerifySystemRequirements current;
  current.Initialize(3822);
  EXPECT_EQ(current.IProblem_Description(), "");
  auto solutions = current.IProblem_Solutions();
  ASSERT_EQ(solutions->Count(), 2);
  EXPECT_EQ(solutions->Item(1)->ISolution_Name(), "Install Access 2000");
  EXPECT_EQ(solutions->Item(2)->ISolution_Name(), "Obtain the Microsoft Office 2000 SR-1 Update.");
  EXPECT_EQ(current.IProblem_Solutions(), solutions);  // the same list every time
  ExpectRoundTrip(old);
}

TEST_F(Problems, DuplicateProcedureNamesSayWhere) {
  struct Case {
    std::string module, place;
  } cases[] = {{"Form_Orders", "the module belonging to form 'Orders'"},
               {"Report_Sales", "the module belonging to report 'Sales'"},
               {"Utilities", "module 'Utilities'"},
               {"form_Orders", "module 'form_Orders'"}};
  for (const Case& c : cases) {
    prbVerifyProcedureName p;
    p.Initialize("C:\\Sales.mdb", c.module, "Total");
    const auto paragraphs = Paragraphs(p);
    ASSERT_EQ(paragraphs.size(), 4u);
    EXPECT_EQ(paragraphs[0], "Duplicate procedure name 'Total' found in " + c.place +
                                 " in project 'C:\\Sales.mdb'.");
    EXPECT_EQ(p.IProblem_Task(), "VerifyProcedureName('" + c.module + ".Total')");
    ExpectRoundTrip(p);
  }
  prbVerifyProcedureName p;
  auto solutions = p.IProblem_Solutions();
  ASSERT_EQ(solutions->Count(), 1);
  EXPECT_EQ(solutions->Item(1)->ISolution_Name(), "Remove Ambiguous Names");
  EXPECT_EQ(ErrorOf([&] { p.IProblem_SetParameters({"", "x", "y"}); }).Number(), 9);
}

TEST_F(Problems, BackendDatabasesExplainTheLockOrTheError) {
  prbOpenBackendDatabase locked;
  locked.Initialize("C:\\be.mdb", 3734, "The database has been placed in a state...");
  const std::string l = locked.IProblem_Description();
  EXPECT_NE(l.find("currently open in design view"), std::string::npos);
  EXPECT_EQ(l.find("Workspace.OpenDatabase reported"), std::string::npos);

  prbOpenBackendDatabase other;
  other.Initialize("C:\\be.mdb", 3051, "Could not open the file.");
  EXPECT_EQ(other.IProblem_Description(),
            "Couldn't open the backend database 'C:\\be.mdb'.\r\n\r\n"
            "Workspace.OpenDatabase reported run-time error 3051:\r\n"
            "Could not open the file.\r\n\r\n"
            "Because of this problem, search execution times may be considerably longer than "
            "normal.\r\n\r\n"
            "In addition, the fields of linked tables and of queries based upon linked tables "
            "cannot be inspected.");
  EXPECT_EQ(other.IProblem_Task(), "OpenBackendDatabase('C:\\be.mdb')");
  EXPECT_EQ(other.IProblem_Solutions(), nullptr);
  ExpectRoundTrip(other);
}

TEST_F(Problems, Solutions) {
  SolInstallAccess2000 install;
  EXPECT_FALSE(install.ISolution_CanImplement());
  EXPECT_FALSE(install.ISolution_Implement());
  EXPECT_EQ(install.ISolution_Description(),
            "Install a copy of Microsoft Access 2000 on this computer. Only the core Microsoft "
            "Access files are required by Quillnet. If you wish to conserve disk space, you can "
            "omit the help files, data converters, and all other optional features.");
  solRemoveAmbiguousNames ambiguous;
  ambiguous.Initialize();
  EXPECT_EQ(ambiguous.ISolution_Description(),
            "You can edit your code to eliminate the ambiguous name(s).\r\n\r\n"
            "1. Open your project using Access 2000.\r\n2. Open any module in design view.\r\n"
            "3. Open the Debug menu and select Compile.\r\n"
            "4. Correct any problems that the compiler identifies.");
  EXPECT_FALSE(ambiguous.ISolution_CanImplement());

  SolObtainOffice2000SR1Update update;
  EXPECT_TRUE(update.ISolution_CanImplement());
  EXPECT_TRUE(update.ISolution_Description().ends_with(
      "please refer to article Q245025 in the Microsoft KnowledgeBase (support.microsoft.com)"));
  EXPECT_FALSE(update.ISolution_Implement());
  ASSERT_EQ(machine.shell().OpenedDocuments().size(), 1u);
  EXPECT_TRUE(machine.shell().OpenedDocuments()[0].ends_with("/support/kb/articles/Q245/0/25.ASP"));
}
