#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "host/description_builder.h"
#include "host/error_context.h"
#include "host/problem_log.h"
#include "host/registry_key.h"
#include "host/runtime_error_problem.h"
#include "host/solution_list.h"
#include "host/tracer.h"
#include "host/utility.h"
#include "support/error_matchers.h"
#include "support/machine_test.h"

using testing_support::ErrorOf;

class HostServices : public testing_support::MachineTest {};

TEST_F(HostServices, RegistryKeyReadsWritesAndDefaults) {
  const std::string path = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Test\\Key";
  host::RegistryKey key;
  key.OpenPath(path);
  key.SetAccess(1);
  EXPECT_EQ(com::CLng(key.ReadValue("LoadBehavior", com::Variant(0))), 0);
  EXPECT_EQ(ErrorOf([&] { key.WriteValue("LoadBehavior", com::Variant(3), 0); }).Number(), 70);
  key.SetAccess(2);
  key.WriteValue("LoadBehavior", com::Variant(3), 0);
  key.SetAccess(0);

  host::RegistryKey again;
  again.OpenPath("hkey_local_machine\\software\\test\\KEY");
  again.SetAccess(1);
  EXPECT_EQ(com::CLng(again.ReadValue("loadbehavior", com::Variant(0))), 3);
}

TEST_F(HostServices, RegistryFileKeepsWhatIsWritten) {
  const std::string file = temp.File("registry.txt");
  {
    sim::Registry r(file);
    r.CreateKey("HKEY_CURRENT_USER\\A\\B");
    r.WriteValue("HKEY_CURRENT_USER\\A\\B", "", com::Variant("tab\there\nline"));
    r.WriteValue("HKEY_CURRENT_USER\\A\\B", "N", com::Variant(7));
  }
  sim::Registry r(file);
  EXPECT_EQ(com::CStr(*r.ReadValue("HKEY_CURRENT_USER\\A\\B", "")), "tab\there\nline");
  EXPECT_EQ(r.ReadValue("HKEY_CURRENT_USER\\A\\B", "n")->Type(), com::VarType::Long);
}

TEST_F(HostServices, ProblemLogShowsEveryEntryWithContexts) {
  auto log = std::make_shared<host::ProblemLog>();
  {
    host::ErrorContext context;
    context.Attach(log, log->AddContext("tovrin", "frmProjectParameters", "cmdOK_Click", true, true));
    log->AddRuntimeError(13, "Type mismatch", "", 0, "tovrin", "Form", "Load", 1);
  }
  log->AddRuntimeError(5, "Bad call", "", 0, "tovrin", "Mod", "Proc", 1);
  ASSERT_EQ(log->Count(), 2);
  EXPECT_EQ(log->Entries()[0].contexts,
            std::vector<std::string>{"tovrin.frmProjectParameters.cmdOK_Click"});
  EXPECT_TRUE(log->Entries()[1].contexts.empty());
  std::ostringstream shown;
  log->Show(shown);
  EXPECT_NE(shown.str().find("Problem 1: Run-time error 13 in tovrin.Form.Load"), std::string::npos);
  EXPECT_NE(shown.str().find("Bad call"), std::string::npos);
}

TEST_F(HostServices, RuntimeErrorProblemRoundTripsItsParameters) {
  host::RuntimeErrorProblem a;
  a.Initialize(-32767, "Refused", "help.chm", 4, "tovrin", "Table", "Name", 1);
  std::vector<std::string> p;
  a.IProblem_GetParameters(p);
  EXPECT_EQ(p[0], "");
  host::RuntimeErrorProblem b;
  b.IProblem_SetParameters(p);
  EXPECT_EQ(b.IProblem_Task(), a.IProblem_Task());
  EXPECT_EQ(b.IProblem_Description(), "Refused");
  EXPECT_EQ(ErrorOf([&] { b.IProblem_SetParameters({"", "1"}); }).Number(), 9);
}

TEST_F(HostServices, DescriptionBuilderJoinsStyledBlocks) {
  host::DescriptionBuilder b;
  b.AppendParagraph(0, "First.");
  b.AppendLine(1, "Error 5:");
  b.AppendParagraph(0, "Details.");
  b.AppendParagraph(2, "A note.");
  EXPECT_EQ(b.GetText(), "First.\r\n\r\nError 5:\r\nDetails.\r\n\r\n    A note.");
}

TEST_F(HostServices, TracerNestsAndWritesOnFlush) {
  const std::string file = temp.File("trace.txt");
  auto& tracer = host::Tracer::Instance();
  tracer.Reset(file);
  tracer.Enter("outer");
  tracer.Enter("inner");
  tracer.Leave();
  tracer.Leave();
  tracer.Enter("next");
  tracer.Leave();
  tracer.Flush();
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "outer\n  inner\nnext\n");
  tracer.Reset(std::nullopt);
}

TEST_F(HostServices, UtilitySplitsResolvesAndFindsFiles) {
  host::Utility u;
  std::string folder, name;
  u.SplitPath("C:\\Data\\sales.2001.mdb", folder, name);
  EXPECT_EQ(folder, "C:\\Data");
  EXPECT_EQ(name, "sales.2001.mdb");
  u.SplitPath("/data/x/y.mdb", folder, name);
  EXPECT_EQ(folder, "/data/x");
  u.SplitPath("plain", folder, name);
  EXPECT_EQ(folder, "");
  EXPECT_EQ(name, "plain");

  const std::string file = temp.File("a.mdb");
  std::ofstream(file) << "x";
  EXPECT_TRUE(u.FileExists(file));
  EXPECT_FALSE(u.FileExists(temp.File("b.mdb")));
  EXPECT_FALSE(u.FileExists(temp.path().string()));
  EXPECT_EQ(u.ResolvePath(temp.path().string() + "/sub/../a.mdb"), file);

  const std::string t1 = u.TempFileName("~tv", ".txt");
  const std::string t2 = u.TempFileName("~tv", ".txt");
  EXPECT_NE(t1, t2);
  EXPECT_TRUE(u.FileExists(t1));
  std::filesystem::remove(t1);
  std::filesystem::remove(t2);
}

TEST_F(HostServices, RunningObjectsAndFileVersions) {
  host::Utility u;
  EXPECT_EQ(u.GetRunningObject("tovrin1234"), nullptr);
  machine.installer().SetFileVersion("C:\\Office\\MSACCESS.EXE", {9, 0, 0, 3822});
  EXPECT_EQ((*u.GetFileVersion("c:\\office\\msaccess.exe"))[3], 3822);
  EXPECT_FALSE(u.GetFileVersion("C:\\nothing.exe").has_value());
  const auto address = machine.memory().Allocate({10, 20, 30});
  EXPECT_EQ(u.ReadLong(address + 8), 30);
  EXPECT_EQ(ErrorOf([&] { u.ReadLong(address + 12); }).Number(), 5);
}
