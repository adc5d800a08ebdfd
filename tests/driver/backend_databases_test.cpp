#include <gtest/gtest.h>

#include <filesystem>

#include "driver/project.h"
#include "problems/prb_open_backend_database.h"
#include "support/driver_test.h"

class BackendDatabases : public testing_support::DriverTest {
 protected:
  void SetUp() override {
    back_ = temp.File("back.mdb");
    gone_ = temp.File("gone.mdb");
    NewDatabase("back.mdb").Table({"A", {{"X", dao::dbText}}}).Table({"B", {{"Y", dao::dbText}}});
    NewDatabase("gone.mdb").Table({"C", {{"Z", dao::dbText}}});
    NewDatabase("front.mdb")
        .Table({"A", {}, {}, 0, ";DATABASE=" + back_, "A"})
        .Table({"B", {}, {}, 0, ";DATABASE=" + back_, "B"})
        .Table({"C", {}, {}, 0, ";DATABASE=" + gone_, "C"});
    std::filesystem::remove(gone_);
    project_ = NewProject(Parameters(temp.File("front.mdb")));
  }

  std::string back_, gone_;
  std::shared_ptr<driver::Project> project_;
};

TEST_F(BackendDatabases, EachBackendOpensOnceAndMissingOnesAreSkipped) {
  project_->OpenBackendDatabases();
  const auto& list = project_->Backends().List();
  ASSERT_EQ(list.Count(), 1);
  EXPECT_NE(list.Item(1), nullptr);
  EXPECT_EQ(machine.sessions().Roster(back_).size(), 1u);
  EXPECT_EQ(vxhandler::ProblemLog()->Count(), 0);
  project_->OpenBackendDatabases();  // once until closed
  EXPECT_EQ(machine.sessions().OpenAttempts(back_), 1u);
  project_->CloseBackendDatabases();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(machine.sessions().Roster(back_).empty());
}

TEST_F(BackendDatabases, ABackendLockedForFiveSecondsIsOneProblemAndAnEmptyEntry) {
  const auto holder = machine.sessions().Open(back_, "OTHER-PC", true);
  const std::uint32_t start = clock().GetTickCount();
  project_->OpenBackendDatabases();
  EXPECT_GE(clock().GetTickCount() - start, 5000u);
  const auto& list = project_->Backends().List();
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Item(1), nullptr);
  auto log = vxhandler::ProblemLog();
  ASSERT_EQ(log->Count(), 1);
  EXPECT_EQ(log->Entries()[0].where, "tovrin.Project.OpenBackendDatabases");
  auto* problem = dynamic_cast<prbOpenBackendDatabase*>(log->Entries()[0].problem.get());
  ASSERT_NE(problem, nullptr);
  EXPECT_EQ(problem->IProblem_Task(), "OpenBackendDatabase('" + back_ + "')");

  const auto attempts = machine.sessions().OpenAttempts(back_);
  project_->OpenBackendDatabases();
  EXPECT_EQ(machine.sessions().OpenAttempts(back_), attempts);  // not retried...
  machine.sessions().Close(holder);
  project_->CloseBackendDatabases();
  project_->OpenBackendDatabases();  // ...until closed and opened again
  EXPECT_NE(project_->Backends().List().Item(1), nullptr);
  EXPECT_EQ(log->Count(), 1);
}
