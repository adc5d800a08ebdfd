#include <gtest/gtest.h>

#include "access_fixture.h"
#include "support/error_matchers.h"
#include "ui/connection.h"
#include "ui/dispatcher.h"

namespace access_test {
namespace {

using testing_support::ErrorOf;
using Log = std::vector<std::string>;

// An add-in that writes down what Access tells it and holds the application
// while connected, as add-ins do.
class RecordingAddIn : public com::Dispatch, public msaccess::IDTExtensibility2 {
 public:
  RecordingAddIn(std::shared_ptr<Log> log, bool refuse) : log_(std::move(log)), refuse_(refuse) {}

  const com::TypeInfo& Members() const override {
    static const com::TypeInfo info("RecordingAddIn", {});
    return info;
  }
  void OnConnection(com::ObjectRef application, std::int32_t mode, com::ObjectRef,
                    com::Variant&) override {
    if (refuse_) com::Raise(5, "refused");
    log_->push_back("connect " + std::to_string(mode) + " " +
                    com::CStr(application->Call("SysCmd", {com::Variant(7)})));
    application_ = application;
  }
  void OnDisconnection(std::int32_t mode, com::Variant&) override {
    log_->push_back("disconnect " + std::to_string(mode));
    application_.reset();
  }
  void OnAddInsUpdate(com::Variant&) override {}
  void OnStartupComplete(com::Variant&) override { log_->push_back("startup complete"); }
  void OnBeginShutdown(com::Variant&) override { log_->push_back("begin shutdown"); }

 private:
  std::shared_ptr<Log> log_;
  bool refuse_;
  com::ObjectRef application_;
};

class AccessAddIns : public AccessTest {
 protected:
  static std::string Key(const std::string& prog_id) {
    return sim::access::AddIns::KeyOf(prog_id);
  }
  void Register(sim::Machine& on, const std::string& prog_id, std::int32_t load_behavior) {
    on.registry().CreateKey(Key(prog_id));
    on.registry().WriteValue(Key(prog_id), "LoadBehavior", com::Variant(load_behavior));
  }
  void RegisterRecorder(sim::Machine& on, const std::string& prog_id, bool refuse = false) {
    on.classes().RegisterClass(prog_id, [log = log, refuse] {
      return std::make_shared<RecordingAddIn>(log, refuse);
    });
  }
  std::int32_t LoadBehavior(const std::string& prog_id) {
    return com::CLng(*machine.registry().ReadValue(Key(prog_id), "LoadBehavior"));
  }
  void RegisterDriversAddIn() {
    machine.classes().RegisterClass(ui::Connection::kProgId,
                                    [] { return std::make_shared<ui::Connection>(); });
    Register(machine, ui::Connection::kProgId, 3);
  }

  std::shared_ptr<Log> log = std::make_shared<Log>();
};

TEST_F(AccessAddIns, AddInsSetToLoadAtStartupAreConnectedAndHearOfTheEnd) {
  RegisterRecorder(machine, "Test.AddIn");
  RegisterRecorder(machine, "Test.Idle");
  RegisterRecorder(machine, "Test.Refusing", true);
  Register(machine, "Test.AddIn", 3);
  Register(machine, "Test.Idle", 2);
  Register(machine, "Test.Refusing", 3);
  Register(machine, "Test.Unregistered", 3);
  auto access = LaunchSales();
  ASSERT_TRUE(access);
  // The driver's own add-in is installed on every test machine as well.
  EXPECT_EQ(access->AddInsLoaded(), (std::vector<std::string>{"Test.AddIn", "tovrin.Connection"}));
  EXPECT_EQ(*log, (Log{"connect 1 9.0", "startup complete"}));
  // Office marks the add-ins that failed to load as not loaded.
  EXPECT_EQ(LoadBehavior("Test.Idle"), 2);
  EXPECT_EQ(LoadBehavior("Test.Refusing"), 2);
  EXPECT_EQ(LoadBehavior("Test.Unregistered"), 2);
  EXPECT_EQ(LoadBehavior("Test.AddIn"), 3);
  access->Call("Quit");
  EXPECT_EQ(*log,
            (Log{"connect 1 9.0", "startup complete", "begin shutdown", "disconnect 0"}));
}

TEST_F(AccessAddIns, TheDriversAddInPublishesItsDispatcherUnderTheMainWindowsHandle) {
  RegisterDriversAddIn();
  auto access = Launch(CommandLine());
  ASSERT_TRUE(access);
  const std::string name = "tovrin" + std::to_string(com::CLng(access->Call("hWndAccessApp")));
  auto dispatcher = std::dynamic_pointer_cast<ui::Dispatcher>(machine.running_objects().Find(name));
  ASSERT_TRUE(dispatcher);
  EXPECT_EQ(dispatcher->AccessApp(), access);
  access->Call("Quit", {com::Variant(msaccess::acQuitSaveNone)});
  EXPECT_FALSE(machine.running_objects().Find(name));
  EXPECT_FALSE(dispatcher->AccessApp());
}

TEST_F(AccessAddIns, UnderAnotherVersionOfAccessTheDriversAddInStaysIdle) {
  RegisterDriversAddIn();
  sim::access::Install(machine, AccessExe(), {.version = "10.0"});
  auto access = Launch(CommandLine());
  ASSERT_TRUE(access);
  EXPECT_EQ(machine.running_objects().Size(), 1u);  // Access itself, under the file's path
}

TEST_F(AccessAddIns, QuitClosesEverythingAndLeavesAnApplicationThatNoLongerAnswers) {
  RegisterDriversAddIn();
  auto access = LaunchSales();
  ASSERT_TRUE(access);
  auto project = com::CObj(access->Get("CurrentProject"));
  auto current = std::dynamic_pointer_cast<dao::Database>(com::CObj(access->Call("CurrentDB")));
  DoCmd(*access)->Call("OpenForm", {com::Variant("Orders")});
  DoCmd(*access)->Call("OpenModule", {com::Variant("Module1")});
  access->Call("Quit");
  access->Quit();
  EXPECT_FALSE(access->Running());
  EXPECT_EQ(TopLevelWindowCount(), 0u);
  EXPECT_EQ(machine.running_objects().Size(), 0u);
  EXPECT_TRUE(machine.sessions().Roster(Sales()).empty());
  EXPECT_TRUE(machine.processes().Running().empty());
  for (const auto& call : std::vector<std::function<void()>>{
           [&] { access->Call("hWndAccessApp"); },
           [&] { access->Call("Quit"); },
           [&] { project->Get("FullName"); },
           [&] { access->Main(); }})
    EXPECT_EQ(ErrorOf(call).Number(), 462);
  EXPECT_EQ(ErrorOf([&] { current->GetTableDefs(); }).Number(), 3420);
}

TEST_F(AccessAddIns, AMachineShuttingDownEndsTheAccessStillRunning) {
  auto other_log = log;
  {
    sim::Machine other;
    sim::access::Install(other, AccessExe());
    RegisterRecorder(other, "Test.AddIn");
    Register(other, "Test.AddIn", 3);
    auto access = sim::access::StartAccess(other, {.file = Sales(), .workgroup = Workgroup()});
    EXPECT_EQ(other.processes().Running().size(), 1u);
  }
  EXPECT_EQ(other_log->back(), "disconnect 0");
}

}  // namespace
}  // namespace access_test
