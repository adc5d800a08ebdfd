#include "shared/vxhandler.h"

#include <gtest/gtest.h>

#include "host/runtime_error_problem.h"
#include "host/tracer.h"
#include "support/error_matchers.h"
#include "support/machine_test.h"

using testing_support::ErrorOf;

class VxHandler : public testing_support::MachineTest {};

namespace {

void Innermost() {
  vxhandler::Guard("Utility", "Innermost", [] { com::Raise(3270, "Property not found."); });
}
void Middle() { vxhandler::Guard("Table", "SetMode", [] { Innermost(); }); }
void Outer() {
  vxhandler::Guard("Project", "IProject_GetCollection", [] { Middle(); });
}

}  // namespace

TEST_F(VxHandler, PromotionAddsOneHeaderAndOneLinePerLevel) {
  const com::Error e = ErrorOf(Outer);
  EXPECT_EQ(e.Number(), 3270);
  EXPECT_EQ(e.Source(), "");
  EXPECT_EQ(e.Description(),
            "Property not found.\r\n\r\nPROGRAM CONTEXT:\r\n"
            "tovrin.Utility.Innermost.1  (4.0.2116)\r\n"
            "tovrin.Table.SetMode.1  (4.0.2116)\r\n"
            "tovrin.Project.IProject_GetCollection.1  (4.0.2116)");
  EXPECT_EQ(vxhandler::ProblemLog()->Count(), 0);
}

TEST_F(VxHandler, RaiseOrReportFollowsTheProcedureName) {
  struct Case {
    const char* name;
    bool raises;
  } cases[] = {
      {"Interact", true},          {"cmdOK_Click", false},        {"IDriver_Initialize", true},
      {"Ix_Something", false},     {"X", true},                   {"_", true},
      {"ICollection_GetObject", true}, {"Form_KeyDown", false},   {"I_", false},
  };
  for (const Case& c : cases) EXPECT_EQ(vxhandler::RaisesFrom(c.name), c.raises) << c.name;
}

TEST_F(VxHandler, AnEventProcedureReportsAndReturnsNormally) {
  const int result = vxhandler::Guard("frmProjectParameters", "cmdOK_Click", []() -> int {
    com::Raise(13, "Type mismatch");
  });
  EXPECT_EQ(result, 0);
  auto log = vxhandler::ProblemLog();
  ASSERT_EQ(log->Count(), 1);
  auto* problem = dynamic_cast<host::RuntimeErrorProblem*>(log->Entries()[0].problem.get());
  ASSERT_NE(problem, nullptr);
  EXPECT_EQ(problem->Number(), 13);
  EXPECT_EQ(problem->ErrorDescription(),
            "Type mismatch\r\n\r\nPROGRAM CONTEXT:\r\n"
            "tovrin.frmProjectParameters.cmdOK_Click.1  (4.0.2116)");
  EXPECT_EQ(log->Entries()[0].where, "tovrin.frmProjectParameters.cmdOK_Click");
}

TEST_F(VxHandler, RollbackRaisesTheSavedErrorAfterUndoing) {
  bool undone = false;
  const com::Error e = ErrorOf([&] {
    vxhandler::GuardWithRollback(
        "Table", "SourceTableName", [] { com::Raise(3011, "Source missing", "DAO.TableDefs"); },
        [&] { undone = true; });
  });
  EXPECT_TRUE(undone);
  EXPECT_EQ(e.Number(), 3011);
  EXPECT_EQ(e.Source(), "DAO.TableDefs");
  EXPECT_EQ(testing_support::Message(e), "Source missing");
  EXPECT_EQ(e.Description().find("One or more additional problems"), std::string::npos);
}

TEST_F(VxHandler, AFailingRollbackAddsItsNote) {
  const com::Error e = ErrorOf([] {
    vxhandler::GuardWithRollback(
        "Project", "AccessApp", [] { com::Raise(5, "First"); }, [] { com::Raise(91, "Second"); });
  });
  EXPECT_EQ(e.Number(), 5);
  EXPECT_EQ(e.Description(),
            "First\r\n\r\nPROGRAM CONTEXT:\r\ntovrin.Project.AccessApp.1  (4.0.2116)\r\n"
            "One or more additional problems were encountered while attempting to roll back the "
            "operation.");
}

TEST_F(VxHandler, LogOnlyRollbackGoesToTheProblemLog) {
  for (const char* procedure : {"Main", "Main(Args)", "cmdOK_Click"}) {
    vxhandler::ResetProcessState();
    bool undone = false;
    EXPECT_FALSE(com::Capture([&] {
      vxhandler::GuardWithRollback("Utility", procedure, [] { com::Raise(7, "Out of memory"); },
                                   [&] { undone = true; });
    }));
    EXPECT_TRUE(undone);
    auto log = vxhandler::ProblemLog();
    ASSERT_EQ(log->Count(), 1) << procedure;
    EXPECT_EQ(log->Entries()[0].where, std::string("tovrin.Utility.") + procedure);
  }
}

TEST_F(VxHandler, OtherExceptionsBecomeInternalErrors) {
  const com::Error e =
      ErrorOf([] { vxhandler::Guard("Project", "Database", [] { throw std::runtime_error("boom"); }); });
  EXPECT_EQ(e.Number(), 51);
  EXPECT_NE(e.Description().find("boom"), std::string::npos);
}

TEST_F(VxHandler, TracingOffMakesNoTracerCall) {
  auto& tracer = host::Tracer::Instance();
  tracer.Reset(temp.File("trace.txt"));  // the tracer could trace...
  // ...but the driver read the flag at start-up, when tracing was off.
  host::Tracer::Instance().Reset(std::nullopt);
  vxhandler::ResetProcessState();
  ASSERT_FALSE(vxhandler::TraceFlag());
  tracer.Reset(temp.File("trace.txt"));
  vxhandler::Guard("Driver", "IDriver_GetProject", [] {});
  EXPECT_EQ(tracer.Calls(), 0u);
  tracer.Reset(std::nullopt);
}

TEST_F(VxHandler, TracingOnEntersAndLeavesEveryProcedure) {
  auto& tracer = host::Tracer::Instance();
  tracer.Reset(temp.File("trace.txt"));
  vxhandler::ResetProcessState();
  ASSERT_TRUE(vxhandler::TraceFlag());
  EXPECT_TRUE(com::Capture(Outer).has_value());
  EXPECT_EQ(tracer.PendingLines(),
            (std::vector<std::string>{"tovrin.Project.IProject_GetCollection",
                                      "  tovrin.Table.SetMode", "    tovrin.Utility.Innermost"}));
  EXPECT_EQ(tracer.Calls(), 6u);  // three entries, three matching leaves
  tracer.Reset(std::nullopt);
}

TEST_F(VxHandler, CreateContextTagsProblemsUntilReleased) {
  {
    auto context = vxhandler::CreateContext("tovrin", "frmProjectParameters", "cmdOK_Click", true, true);
    vxhandler::LogRuntimeError(5, "x", "", 0, "tovrin", "frmProjectParameters", "cmdOK_Click", 0);
  }
  vxhandler::LogRuntimeError(5, "y", "", 0, "tovrin", "M", "P", 0);
  auto log = vxhandler::ProblemLog();
  ASSERT_EQ(log->Count(), 2);
  EXPECT_EQ(log->Entries()[0].contexts.size(), 1u);
  EXPECT_TRUE(log->Entries()[1].contexts.empty());
}
