#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "driver/project.h"
#include "host/tracer.h"
#include "host/runtime_error_problem.h"
#include "support/driver_test.h"
#include "support/error_matchers.h"

using testing_support::ErrorOf;
using testing_support::Message;

class ProjectOpening : public testing_support::DriverTest {
 protected:
  // The problem log's entries as the texts the user would read.
  std::vector<std::string> LoggedTexts() {
    std::vector<std::string> texts;
    for (const auto& e : vxhandler::ProblemLog()->Entries())
      texts.push_back(e.problem->IProblem_Task() + "\n" + e.problem->IProblem_Description());
    return texts;
  }
  std::string Refusal(const std::string& parameters) {
    auto project = NewProject(parameters);
    const com::Error e = ErrorOf([&] { project->AccessApp(); });
    return Message(e);
  }
};

TEST_F(ProjectOpening, ParametersBecomeTheProjectsFields) {
  struct Case {
    std::map<std::string, std::string> extra;
    std::int32_t type;
    bool exclude_query_fields;
  } cases[] = {
      {{{"ProjectType", "PROJECT"}}, 1, true},
      {{{"ProjectType", ""}}, 2, true},
      {{{"ExcludeQueryFields", "0"}}, 2, false},
      {{{"ExcludeQueryFields", "true"}}, 2, false},
      {{{"ExcludeQueryFields", " "}}, 2, false},
      {{{"ExcludeQueryFields", "1"}}, 2, true},
  };
  for (const Case& c : cases) {
    auto project = NewProject(Parameters("x.mdb", c.extra));
    EXPECT_EQ(project->ProjectType(), c.type);
    EXPECT_EQ(project->ExcludeQueryFields(), c.exclude_query_fields);
    EXPECT_TRUE(project->ExcludeLinkedTableFields());
    EXPECT_EQ(project->ProjectPath(), "x.mdb");
  }
  const com::Error e = ErrorOf([&] { NewProject(Parameters("x.mdb", {{"ProjectType", "ADP"}})); });
  EXPECT_EQ(e.Number(), -32753);
  EXPECT_EQ(Message(e), "Invalid case selector (\"ADP\").");
}

TEST_F(ProjectOpening, PreflightRefusesWhatAccess2000CannotInspectSafely) {
  NewDatabase("ok.mdb");
  NewDatabase("a97.mdb").DatabaseProperty({"AccessVersion", dao::dbText, com::Variant("07.53")});
  NewDatabase("a95.mdb").DatabaseProperty({"AccessVersion", dao::dbText, com::Variant("06.68")});
  NewDatabase("a20.mdb").DatabaseProperty({"AccessVersion", dao::dbText, com::Variant("02.00")});
  NewDatabase("jet.mdb").RemoveDatabaseProperty("AccessVersion");
  NewDatabase("autoexec.mdb")
      .DatabaseProperty({"AllowBypassKey", dao::dbBoolean, com::Variant(false)})
      .Document({"Scripts", "AutoExec"});
  NewDatabase("startup.mdb")
      .DatabaseProperty({"AllowBypassKey", dao::dbBoolean, com::Variant(false)})
      .DatabaseProperty({"StartupForm", dao::dbText, com::Variant("frmMain")});
  std::ofstream(temp.File("junk.mdb")) << "not a database at all";

  struct Case {
    std::string parameters;
    std::string message;
  } cases[] = {
      {Parameters(temp.File("missing.mdb")),
       "Couldn't find the database file '" + temp.File("missing.mdb") + "'."},
      {Parameters(temp.File("missing.adp"), {{"ProjectType", "Project"}}),
       "Couldn't find the project file '" + temp.File("missing.adp") + "'."},
      {Parameters(temp.File("ok.mdb"), {{"Workgroup", temp.File("none.mdw")}}),
       "Couldn't find the workgroup file '" + temp.File("none.mdw") + "'."},
      {Parameters(temp.File("junk.mdb")),
       "Unrecognized database format. The database file was created or converted by a version "
       "of Access later than Access 2000, or the file is not a valid database file."},
      {Parameters(temp.File("a97.mdb")),
       "Access 97 databases are not supported by the Access 2000 driver."},
      {Parameters(temp.File("a95.mdb")),
       "Access 95 databases are not supported by the Access 2000 driver."},
      {Parameters(temp.File("a20.mdb")),
       "Access 2.0 databases are not supported by the Access 2000 driver."},
      {Parameters(temp.File("jet.mdb")),
       "This Jet database cannot be inspected because it has not previously been opened with "
       "Access."},
      {Parameters(temp.File("autoexec.mdb")),
       "This Access 2000 database cannot be inspected because it contains an AutoExec macro "
       "and/or a startup form, and the AllowBypassKey property is set to False."},
      {Parameters(temp.File("startup.mdb")),
       "This Access 2000 database cannot be inspected because it contains an AutoExec macro "
       "and/or a startup form, and the AllowBypassKey property is set to False."},
  };
  for (const Case& c : cases) EXPECT_EQ(Refusal(c.parameters), c.message);
  EXPECT_TRUE(machine.processes().Launches().empty());
  EXPECT_NE(NewProject(Parameters(temp.File("ok.mdb")))->AccessApp(), nullptr);  // all checks pass
}

TEST_F(ProjectOpening, AnAutoExecMacroPassesWhenTheBypassKeyIsAllowedOrUnset) {
  NewDatabase("unset.mdb").Document({"Scripts", "AutoExec"});
  NewDatabase("allowed.mdb")
      .Document({"Scripts", "AutoExec"})
      .DatabaseProperty({"AllowBypassKey", dao::dbBoolean, com::Variant(true)});
  for (const char* file : {"unset.mdb", "allowed.mdb"}) {
    auto project = NewProject(Parameters(temp.File(file)));
    EXPECT_NE(project->AccessApp(), nullptr);
    project->IProject_Deactivate();
    ASSERT_FALSE(machine.processes().Launches().empty());
    EXPECT_EQ(machine.processes().Launches().back().key_state, 16);  // Shift held
  }
}

TEST_F(ProjectOpening, WrongCredentialsFailThePreflightWithJetsOwnMessage) {
  sim::jet::WorkgroupBuilder::Existing(Workgroup()).User("maria", "secret");
  NewDatabase("locked.mdb").DatabasePassword("opensesame");
  EXPECT_EQ(Refusal(Parameters(temp.File("locked.mdb"), {{"DatabasePassword", "wrong"}})),
            "Not a valid password.");
  EXPECT_EQ(Refusal(Parameters(temp.File("locked.mdb"),
                               {{"Username", "maria"}, {"Password", "nope"}})),
            "Not a valid account name or password.");
}

TEST_F(ProjectOpening, DatabaseOpensOnceWithTheProjectsCredentials) {
  sim::jet::WorkgroupBuilder::Existing(Workgroup()).User("maria", "secret");
  NewDatabase("sales.mdb").DatabasePassword("opensesame");
  auto project = NewProject(Parameters(temp.File("sales.mdb"), {{"DatabasePassword", "opensesame"},
                                                                {"Username", "maria"},
                                                                {"Password", "secret"}}));
  auto database = project->Database();
  ASSERT_NE(database, nullptr);
  EXPECT_EQ(project->Database(), database);
  EXPECT_EQ(project->DatabaseUser(), "maria");
  EXPECT_EQ(machine.sessions().Roster(temp.File("sales.mdb")).size(), 1u);
  project->CloseDatabase();
  EXPECT_TRUE(machine.sessions().Roster(temp.File("sales.mdb")).empty());
}

TEST_F(ProjectOpening, AMissingFileIsLoggedAndAnsweredWithNothing) {
  auto project = NewProject(Parameters(temp.File("gone.mdb")));
  EXPECT_EQ(project->Database(), nullptr);
  const auto texts = LoggedTexts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_NE(texts[0].find("Run-time error 53"), std::string::npos);
  EXPECT_NE(texts[0].find("Couldn't open database '" + temp.File("gone.mdb") + "'.\r\nFile not found"),
            std::string::npos);
}

TEST_F(ProjectOpening, AWrongWorkgroupPasswordLeavesNoWorkspace) {
  sim::jet::WorkgroupBuilder::Existing(Workgroup()).User("maria", "secret");
  NewDatabase("sales.mdb");
  auto project =
      NewProject(Parameters(temp.File("sales.mdb"), {{"Username", "maria"}, {"Password", "bad"}}));
  EXPECT_EQ(project->Workspace(), nullptr);
  EXPECT_EQ(project->Workspace(), nullptr);  // one attempt until the flags are reset
  EXPECT_EQ(vxhandler::ProblemLog()->Count(), 1);
  EXPECT_NE(LoggedTexts()[0].find("Not a valid account name or password."), std::string::npos);
}

TEST_F(ProjectOpening, AWrongDatabasePasswordIsRetriedForTwoSecondsAndNeverShown) {
  const std::string password = "Tr0ub4dor&3";
  auto& tracer = host::Tracer::Instance();
  tracer.Reset(temp.File("trace.txt"));
  vxhandler::ResetProcessState();
  NewDatabase("sales.mdb").DatabasePassword("correct horse");
  auto project =
      NewProject(Parameters(temp.File("sales.mdb"), {{"DatabasePassword", password}}));
  const std::uint32_t start = clock().GetTickCount();
  EXPECT_EQ(project->Database(), nullptr);
  const std::uint32_t elapsed = clock().GetTickCount() - start;
  EXPECT_GE(elapsed, 2000u);
  EXPECT_LT(elapsed, 2300u);
  const auto attempts = machine.sessions().OpenAttempts(temp.File("sales.mdb"));
  EXPECT_GE(attempts, 19u);  // about 20 tries, then the pre-flight's own
  EXPECT_LE(attempts, 22u);

  const auto texts = LoggedTexts();
  ASSERT_FALSE(texts.empty());
  EXPECT_NE(texts.back().find("Not a valid password."), std::string::npos);
  for (const auto& text : texts) EXPECT_EQ(text.find(password), std::string::npos);
  for (const auto& line : tracer.PendingLines()) EXPECT_EQ(line.find(password), std::string::npos);
  EXPECT_FALSE(tracer.PendingLines().empty());
  tracer.Reset(std::nullopt);
}

TEST_F(ProjectOpening, SourceControlIsReadFromTheOpenDatabase) {
  NewDatabase("scc.mdb").DatabaseProperty({"SccPath", dao::dbText, com::Variant("$/Sales")});
  NewDatabase("plain.mdb");
  auto scc = NewProject(Parameters(temp.File("scc.mdb")));
  EXPECT_EQ(ErrorOf([&] { scc->IsUnderScc(); }).Number(), -32750);
  ASSERT_NE(scc->Database(), nullptr);
  EXPECT_TRUE(scc->IsUnderScc());
  auto plain = NewProject(Parameters(temp.File("plain.mdb")));
  plain->Database();
  EXPECT_FALSE(plain->IsUnderScc());
  EXPECT_FALSE(NewProject(Parameters("x.adp", {{"ProjectType", "Project"}}))->IsUnderScc());
}

TEST_F(ProjectOpening, DeactivateClosesEverythingAndTwiceIsHarmless) {
  NewDatabase("sales.mdb");
  auto project = NewProject(Parameters(temp.File("sales.mdb")));
  ASSERT_NE(project->Database(), nullptr);
  project->IProject_Deactivate();
  project->IProject_Deactivate();
  EXPECT_TRUE(machine.sessions().Roster(temp.File("sales.mdb")).empty());
  ASSERT_NE(project->Database(), nullptr);  // opens again on the next use
}
