#include "ui/frm_project_parameters.h"

#include <gtest/gtest.h>

#include <fstream>

#include "driver/driver.h"
#include "host/parameter_set.h"
#include "sim/win32/user.h"
#include "support/driver_test.h"
#include "support/error_matchers.h"

namespace {

using HWND = platform::Windows::HWND;
using Win = platform::Windows;
constexpr std::int32_t kAlt = sim::Windows::kAltMask;

constexpr const char* kType = "&Type:";
constexpr const char* kFile = "&Filename:";
constexpr const char* kDatabasePassword = "&Password:";
constexpr const char* kWorkgroup = "File&name:";
constexpr const char* kUser = "&Username:";
constexpr const char* kPassword = "Pass&word:";
constexpr const char* kQueryFields = "Exclude &Query Fields  (recommended)";
constexpr const char* kLinkedFields = "Exclude &Linked Table Fields  (recommended)";

}  // namespace

class ProjectParametersDialog : public testing_support::DriverTest {
 protected:
  sim::Windows& windows() { return machine.windows(); }
  const sim::Shell& shell() { return machine.shell(); }

  HWND Item(HWND dialog, const std::string& caption) {
    const HWND control = windows().ControlCaptioned(dialog, caption);
    EXPECT_NE(control, 0) << caption;
    return control;
  }
  const sim::Windows::Window& Of(HWND dialog, const std::string& caption) {
    return *windows().Find(Item(dialog, caption));
  }
  bool Enabled(HWND dialog, const std::string& caption) { return Of(dialog, caption).enabled; }
  // The user's next turn at the dialog.
  void Then(std::function<void(HWND)> turn) {
    windows().QueueInput([turn](sim::Windows&, HWND dialog) { turn(dialog); });
  }
  void Press(HWND dialog, const std::string& caption) { windows().Click(Item(dialog, caption)); }
  bool Show(std::string& parameters) { return ui::frmProjectParameters().Interact(parameters); }
  std::string Value(const std::string& parameters, const std::string& key) {
    host::ParameterSet set;
    set.SetText(parameters);
    return set.GetValue(key, "(none)");
  }
  std::string NewFile(const std::string& name) { return NewDatabase(name).path(); }
};

TEST_F(ProjectParametersDialog, ShowsTheStringInItsControlsCentredAndModal) {
  machine.registry().CreateKey(ui::frmProjectParameters::kEnginesKey);
  machine.registry().WriteValue(ui::frmProjectParameters::kEnginesKey, "SystemDB",
                                com::Variant("C:\\Office\\system.mdw"));
  std::string parameters = Parameters(temp.File("a.mdb"), {{"ProjectType", "PROJECT"},
                                                          {"DatabasePassword", "pw"},
                                                          {"Username", "Anna"},
                                                          {"ExcludeLinkedTableFields", "0"}});
  Then([&](HWND d) {
    const auto* form = windows().Find(d);
    EXPECT_EQ(form->text, "Access 2000 Project Parameters");
    EXPECT_EQ(form->rect.left, (1024 - (form->rect.right - form->rect.left)) / 2);
    EXPECT_EQ(form->rect.top, (768 - (form->rect.bottom - form->rect.top)) / 2);
    EXPECT_EQ(windows().ModalWindows(), std::vector<HWND>{d});
    EXPECT_EQ(Of(d, kType).items,
              (std::vector<std::string>{"Microsoft Access Database (MDB)",
                                        "Microsoft Access Project (ADP)"}));
    EXPECT_EQ(Of(d, kType).selection, 1);
    EXPECT_EQ(Of(d, kFile).text, temp.File("a.mdb"));
    EXPECT_EQ(Of(d, kDatabasePassword).text, "pw");
    EXPECT_TRUE(Of(d, kDatabasePassword).style & Win::ES_PASSWORD);
    EXPECT_TRUE(Of(d, kPassword).style & Win::ES_PASSWORD);
    EXPECT_EQ(Of(d, kWorkgroup).text, Workgroup());
    EXPECT_EQ(Of(d, kWorkgroup).items, std::vector<std::string>{"C:\\Office\\system.mdw"});
    EXPECT_EQ(Of(d, kUser).text, "Anna");
    EXPECT_TRUE(Of(d, kQueryFields).checked);
    EXPECT_FALSE(Of(d, kLinkedFields).checked);
    EXPECT_EQ(windows().Focused(d), Item(d, kType));  // the first stop in tab order
    windows().PressKey(d, sim::Windows::VK_ESCAPE);
  });
  EXPECT_FALSE(Show(parameters));
  EXPECT_TRUE(windows().ModalWindows().empty());
}

TEST_F(ProjectParametersDialog, TheProjectTypeDisablesTheWorkgroupGroupAndOkNeedsOnlyAFile) {
  std::string parameters;  // no workgroup given, none in the registry
  Then([&](HWND d) {
    for (const char* c : {kDatabasePassword, kWorkgroup, kUser, kPassword, kQueryFields,
                          kLinkedFields})
      EXPECT_TRUE(Enabled(d, c)) << c;
    EXPECT_FALSE(Enabled(d, "OK"));
    windows().PressKey(d, 'F', kAlt);
    windows().Type(d, "sales.adp");
    EXPECT_FALSE(Enabled(d, "OK")) << "a database needs a workgroup";
    windows().Choose(Item(d, kType), 1);
    for (const char* c : {kDatabasePassword, kWorkgroup, kUser, kPassword, kQueryFields,
                          kLinkedFields})
      EXPECT_FALSE(Enabled(d, c)) << c;
    EXPECT_FALSE(windows().Find(windows().GetWindow(Item(d, kWorkgroup), Win::GW_HWNDNEXT))->enabled);
    EXPECT_EQ(Of(d, kPassword).back_color, 0xC0C0C0u);
    EXPECT_EQ(Of(d, kFile).back_color, 0xFFFFFFu);
    EXPECT_TRUE(Enabled(d, "OK"));
    windows().PressKey(d, sim::Windows::VK_BACK);
    EXPECT_TRUE(Enabled(d, "OK"));
    windows().Choose(Item(d, kType), 0);
    EXPECT_FALSE(Enabled(d, "OK"));
    EXPECT_EQ(Of(d, kPassword).back_color, 0xFFFFFFu);
    windows().PressKey(d, 'N', kAlt);
    windows().Type(d, "x.mdw");
    EXPECT_TRUE(Enabled(d, "OK"));
    windows().PressKey(d, sim::Windows::VK_ESCAPE);
  });
  EXPECT_FALSE(Show(parameters));
}

TEST_F(ProjectParametersDialog, TabSkipsDisabledControlsAndEnterWaitsForOk) {
  std::string parameters = "ProjectType=Project;Database=" + NewFile("p.adp");
  Then([&](HWND d) {
    std::vector<HWND> visited;
    for (int i = 0; i < 5; ++i) {
      visited.push_back(windows().Focused(d));
      windows().PressKey(d, sim::Windows::VK_TAB);
    }
    EXPECT_EQ(visited, (std::vector<HWND>{Item(d, kType), Item(d, kFile),
                                          windows().GetWindow(Item(d, kFile), Win::GW_HWNDNEXT),
                                          Item(d, "OK"), Item(d, "Cancel")}));
    EXPECT_EQ(windows().Focused(d), Item(d, kType)) << "Tab goes round";
    windows().PressKey(d, sim::Windows::VK_TAB, Win::kShiftMask);
    EXPECT_EQ(windows().Focused(d), Item(d, "Cancel"));
  });
  Then([&](HWND d) {
    windows().PressKey(d, 'F', kAlt);  // selects the whole file name
    windows().PressKey(d, sim::Windows::VK_BACK);
    EXPECT_EQ(Of(d, kFile).text, "");
    EXPECT_FALSE(Enabled(d, "OK"));
    windows().PressKey(d, sim::Windows::VK_RETURN);
    EXPECT_NE(windows().Find(d), nullptr) << "Enter with OK disabled keeps the dialog";
    windows().Type(d, temp.File("p.adp"));
    windows().PressKey(d, sim::Windows::VK_RETURN);
  });
  EXPECT_TRUE(Show(parameters));
  EXPECT_EQ(Value(parameters, "ProjectType"), "Project");
  EXPECT_EQ(Value(parameters, "Database"), temp.File("p.adp"));
}

TEST_F(ProjectParametersDialog, OkWritesEveryKeyTrimmedWithThePasswordsScrambled) {
  sim::jet::WorkgroupBuilder::Existing(Workgroup()).User("Anna", "s3cret;=");
  const std::string database = NewFile("sales.mdb");
  std::string parameters;
  Then([&](HWND d) {
    windows().PressKey(d, 'F', kAlt);
    windows().Type(d, "  " + database + " ");
    windows().PressKey(d, 'N', kAlt);
    windows().Type(d, Workgroup());
    windows().PressKey(d, 'U', kAlt);
    windows().Type(d, " Anna");
    windows().PressKey(d, 'W', kAlt);
    windows().Type(d, "s3cret;=");
    EXPECT_EQ(Of(d, kPassword).text, "s3cret;=");
    Press(d, "OK");
  });
  EXPECT_TRUE(Show(parameters));
  EXPECT_EQ(parameters.find("s3cret"), std::string::npos);
  host::ParameterSet expected;
  expected.PutValue("ProjectType", "Database", false);
  expected.PutValue("Database", database, false);
  expected.PutValue("DatabasePassword", "", true);
  expected.PutValue("Workgroup", Workgroup(), false);
  expected.PutValue("Username", "Anna", false);
  expected.PutValue("Password", "s3cret;=", true);
  expected.PutValue("ExcludeQueryFields", "1", false);
  expected.PutValue("ExcludeLinkedTableFields", "1", false);
  EXPECT_EQ(parameters, expected.Text());
  EXPECT_TRUE(shell().Messages().empty());
}

TEST_F(ProjectParametersDialog, AWrongWorkgroupPasswordIsShownAndEveryFieldStaysAsTyped) {
  sim::jet::WorkgroupBuilder::Existing(Workgroup()).User("Anna", "right");
  const std::string database = NewFile("sales.mdb");
  const std::string old = Parameters(database);
  std::string parameters = old;
  Then([&](HWND d) {
    windows().PressKey(d, 'U', kAlt);
    windows().Type(d, "Anna");
    windows().PressKey(d, 'W', kAlt);
    windows().Type(d, "wrong");
    windows().PressKey(d, sim::Windows::VK_RETURN);
  });
  Then([&](HWND d) {
    ASSERT_EQ(shell().Messages().size(), 1u);
    EXPECT_EQ(shell().Messages()[0].text, "Not a valid account name or password.");
    EXPECT_EQ(shell().Messages()[0].title, "Quillnet");
    EXPECT_EQ(shell().Messages()[0].style, 48u);
    EXPECT_EQ(Of(d, kFile).text, database);
    EXPECT_EQ(Of(d, kWorkgroup).text, Workgroup());
    EXPECT_EQ(Of(d, kUser).text, "Anna");
    EXPECT_EQ(Of(d, kPassword).text, "wrong");
    Press(d, "Cancel");
  });
  EXPECT_FALSE(Show(parameters));
  EXPECT_EQ(parameters, old);
}

TEST_F(ProjectParametersDialog, EveryRefusalOfOkIsAMessageAndTheDialogStays) {
  std::ofstream(temp.File("notes.mdb")) << "not a database";
  NewDatabase("a97.mdb").DatabaseProperty({"AccessVersion", dao::dbText, com::Variant("07.53")});
  struct Case {
    std::string type, database, workgroup, message;
  } cases[] = {
      {"Database", temp.File("none.mdb"), Workgroup(),
       "Couldn't find the project file '" + temp.File("none.mdb") + "'."},
      {"Project", temp.File("none.adp"), "", "Couldn't find the project file '" +
                                                 temp.File("none.adp") + "'."},
      {"Database", NewFile("ok.mdb"), temp.File("none.mdw"),
       "Couldn't find the workgroup file '" + temp.File("none.mdw") + "'."},
      {"Database", temp.File("notes.mdb"), Workgroup(),
       "Unrecognized database format. The database file was created or converted by a version "
       "of Access later than Access 2000, or the file is not a valid database file."},
      {"Database", temp.File("a97.mdb"), Workgroup(),
       "Access 97 databases are not supported by the Access 2000 driver."},
  };
  for (const Case& c : cases) {
    std::string parameters = Parameters(c.database, {{"ProjectType", c.type}, {"Workgroup", c.workgroup}});
    const std::string old = parameters;
    const std::size_t shown = shell().Messages().size();
    Then([&](HWND d) { Press(d, "OK"); });
    Then([&](HWND d) {
      ASSERT_EQ(shell().Messages().size(), shown + 1) << c.database;
      EXPECT_EQ(shell().Messages().back().text, c.message);
      EXPECT_EQ(Of(d, kFile).text, c.database);
    });  // and then the user closes it: no more input is Esc
    EXPECT_FALSE(Show(parameters)) << c.database;
    EXPECT_EQ(parameters, old);
  }
}

TEST_F(ProjectParametersDialog, ThePerformanceWarningWithYesGoesBackToTheDialog) {
  std::ofstream(temp.File("tovrin40.chm")) << "guide";
  machine.processes().SetModuleFileName(temp.File("tovrin40.dll"));
  std::string parameters = Parameters(NewFile("sales.mdb"));
  Then([&](HWND d) {
    windows().PressKey(d, 'Q', kAlt);  // clears "Exclude Query Fields"
    EXPECT_FALSE(Of(d, kQueryFields).checked);
    machine.shell().QueueAnswer(platform::Shell::IDYES);
    windows().PressKey(d, sim::Windows::VK_RETURN);
  });
  Then([&](HWND d) {
    ASSERT_EQ(shell().Messages().size(), 1u);
    const auto& warning = shell().Messages()[0];
    EXPECT_EQ(warning.title, "Performance Issue");
    EXPECT_EQ(warning.style, 16436u);
    EXPECT_EQ(warning.help_file, temp.File("tovrin40.chm"));
    EXPECT_EQ(warning.help_context, 1);
    EXPECT_EQ(warning.text,
              "You have chosen not to exclude Query Fields or Linked Table Fields when searching "
              "this project. This may dramatically increase the time required to execute a "
              "search.\r\n\r\nTIP: You probably don't need to inspect these field properties. "
              "To learn more, click Help.\r\n\r\nWould you like to go back and change your "
              "selection?");
    EXPECT_FALSE(Of(d, kQueryFields).checked) << "the dialog is as the user left it";
    machine.shell().QueueAnswer(platform::Shell::IDHELP);  // Help keeps the box open
    machine.shell().QueueAnswer(platform::Shell::IDNO);
    Press(d, "OK");
  });
  EXPECT_TRUE(Show(parameters));
  ASSERT_EQ(shell().HelpCalls().size(), 1u);
  EXPECT_EQ(shell().HelpCalls()[0].file, temp.File("tovrin40.chm"));
  EXPECT_EQ(shell().HelpCalls()[0].data, 1u);
  EXPECT_EQ(shell().Messages().size(), 2u);
  EXPECT_EQ(Value(parameters, "ExcludeQueryFields"), "0");
  EXPECT_EQ(Value(parameters, "ExcludeLinkedTableFields"), "1");
}

TEST_F(ProjectParametersDialog, CancelAfterEditingReturnsTheOldString) {
  const std::string old = Parameters(NewFile("sales.mdb"), {{"Username", "Bob"}});
  for (const std::int32_t key : {0, static_cast<int>(sim::Windows::VK_ESCAPE)}) {
    std::string parameters = old;
    Then([&](HWND d) {
      windows().PressKey(d, 'F', kAlt);
      windows().Type(d, temp.File("other.mdb"));
      windows().Choose(Item(d, kType), 1);
      windows().PressKey(d, 'L', kAlt);
      if (key) windows().PressKey(d, key);
      else Press(d, "Cancel");
    });
    EXPECT_FALSE(Show(parameters));
    EXPECT_EQ(parameters, old);
  }
}

TEST_F(ProjectParametersDialog, TheFileDialogsAskForTheTypeChosenAndFillTheirField) {
  std::string parameters = Parameters(temp.File("old.mdb"));
  const std::string chosen = NewFile("chosen.mdb");
  machine.shell().QueueFile(chosen);
  machine.shell().QueueFile(std::nullopt);
  machine.shell().QueueFile(temp.File("team.mdw"));
  Then([&](HWND d) {
    Press(d, "...");
    EXPECT_EQ(Of(d, kFile).text, chosen);
    windows().Choose(Item(d, kType), 1);
    Press(d, "...");  // cancelled
    EXPECT_EQ(Of(d, kFile).text, chosen);
    windows().Choose(Item(d, kType), 0);
    windows().Click(windows().GetWindow(Item(d, kWorkgroup), Win::GW_HWNDNEXT));
    EXPECT_EQ(Of(d, kWorkgroup).text, temp.File("team.mdw"));
    windows().PressKey(d, sim::Windows::VK_ESCAPE);
  });
  Show(parameters);
  const auto& asked = shell().FileDialogs();
  ASSERT_EQ(asked.size(), 3u);
  using Filter = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(asked[0].title, "Select Database...");
  EXPECT_EQ(asked[0].file, temp.File("old.mdb"));
  EXPECT_EQ(asked[0].default_extension, ".mdb");
  EXPECT_EQ(asked[0].filter, (Filter{{"Microsoft Access Databases (*.mdb)", "*.mdb"},
                                     {"Add-ins (*.mda)", "*.mda"},
                                     {"Workgroup Files (*.mdw)", "*.mdw"},
                                     {"MDE Files (*.mde)", "*.mde"},
                                     {"All Files (*.*)", "*.*"}}));
  EXPECT_EQ(asked[1].default_extension, ".adp");
  EXPECT_EQ(asked[1].filter, (Filter{{"Microsoft Access Projects (*.adp)", "*.adp"},
                                     {"ADE Files (*.ade)", "*.ade"},
                                     {"All Files (*.*)", "*.*"}}));
  EXPECT_EQ(asked[2].title, "Select Workgroup...");
  EXPECT_EQ(asked[2].default_extension, ".txt");
  EXPECT_EQ(asked[2].filter, (Filter{{"Microsoft Access Workgroups (*.mdw)", "*.mdw"},
                                     {"All Files (*.*)", "*.*"}}));
  for (const auto& request : asked) {
    EXPECT_EQ(request.flags, 6144u);
    EXPECT_EQ(request.filter_index, 1);
    EXPECT_NE(request.owner, 0);
  }
}

TEST_F(ProjectParametersDialog, F1OpensTheGuideAndShiftF1TheProblemLog) {
  std::ofstream(temp.File("tovrin40.chm")) << "guide";
  machine.processes().SetModuleFileName(temp.File("tovrin40.dll"));
  std::string parameters = Parameters(temp.File("a.mdb"));
  std::string shown;
  Then([&](HWND d) {
    windows().PressKey(d, Win::VK_F1);
    ASSERT_EQ(shell().HelpCalls().size(), 1u);
    EXPECT_EQ(shell().HelpCalls()[0].command, platform::Shell::HH_HELP_CONTEXT);
    EXPECT_EQ(shell().HelpCalls()[0].data, 1u);
    testing::internal::CaptureStdout();
    windows().PressKey(d, Win::VK_F1, Win::kShiftMask);  // an empty log is not shown
    vxhandler::LogRuntimeError(5, "Something failed.", "", 0, "tovrin", "M", "P", 1);
    windows().PressKey(d, Win::VK_F1, Win::kShiftMask);
    shown = testing::internal::GetCapturedStdout();
    EXPECT_EQ(shell().HelpCalls().size(), 1u);
  });
  Show(parameters);
  EXPECT_NE(shown.find("Something failed."), std::string::npos);
}

TEST_F(ProjectParametersDialog, AnUnknownProjectTypeIsRaisedAndNoWindowIsLeft) {
  std::string parameters = "ProjectType=ADP";
  const com::Error e = testing_support::ErrorOf([&] { Show(parameters); });
  EXPECT_EQ(e.Number(), -32753);
  EXPECT_EQ(testing_support::Message(e), "Invalid case selector (\"ADP\").");
  EXPECT_NE(e.Description().find("tovrin.frmProjectParameters.Interact.1"), std::string::npos);
  EXPECT_EQ(windows().GetWindow(0, Win::GW_HWNDFIRST), 0);
}

TEST_F(ProjectParametersDialog, TheDriverAsksThroughTheDialog) {
  const std::string database = NewFile("sales.2001.mdb");
  Then([&](HWND d) {
    windows().PressKey(d, 'F', kAlt);
    windows().Type(d, database);
    windows().PressKey(d, 'N', kAlt);
    windows().Type(d, Workgroup());
    windows().PressKey(d, sim::Windows::VK_RETURN);
  });
  std::string parameters, path, name;
  EXPECT_TRUE(driver::Driver().IDriver_GetProjectParameters(parameters, path, name));
  EXPECT_EQ(path, database);
  EXPECT_EQ(name, "sales.2001");
  EXPECT_EQ(Value(parameters, "Workgroup"), Workgroup());
}

TEST_F(ProjectParametersDialog, AHookThatPressesEnterForEveryDialogPressesOk) {
  const std::string database = NewFile("sales.mdb");
  std::string parameters = Parameters(database);
  auto& desktop = windows();
  const auto hook = desktop.SetWindowsHookEx(
      Win::WH_CBT,
      [&](std::int32_t code, std::int32_t window, std::uintptr_t) {
        if (code == Win::HCBT_ACTIVATE) desktop.PostMessage(window, Win::WM_KEYDOWN, 13, 0);
        return 0;
      },
      0);
  EXPECT_TRUE(Show(parameters));
  desktop.UnhookWindowsHookEx(hook);
  EXPECT_EQ(Value(parameters, "Database"), database);
}

namespace {

// A user whose file dialog fails as the common dialog library can (out of
// memory, a bad structure): the error reaches the event procedure.
class FailingFileDialogUser : public sim::User {
 public:
  explicit FailingFileDialogUser(std::function<void(sim::Windows&, HWND)> act) : act_(act) {}
  void Act(sim::Windows& windows, HWND dialog) override { act_(windows, dialog); }
  std::int32_t AnswerMessageBox(const sim::Shell::Message&) override { return Win::IDOK; }
  bool ChooseFile(platform::Shell::OpenFileName&) override { com::Raise(7, "Out of memory"); }
  void ShowHelp(const sim::Shell::HelpCall&) override {}

 private:
  std::function<void(sim::Windows&, HWND)> act_;
};

}  // namespace

TEST_F(ProjectParametersDialog, AnErrorInAnEventProcedureIsLoggedAndTheDialogStaysUsable) {
  const std::string database = NewFile("sales.mdb");
  std::string parameters = Parameters(temp.File("old.mdb"));
  int turn = 0;
  FailingFileDialogUser user([&](sim::Windows& w, HWND d) {
    if (turn++ == 0) return w.Click(Item(d, "..."));
    const auto& entries = vxhandler::ProblemLog()->Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].where, "tovrin.frmProjectParameters.cmdDatabasePath_Click");
    EXPECT_EQ(entries[0].contexts,
              std::vector<std::string>{"tovrin.frmProjectParameters.cmdDatabasePath_Click"});
    EXPECT_NE(entries[0].problem->IProblem_Description().find("Out of memory"), std::string::npos);
    w.PressKey(d, 'F', kAlt);
    w.Type(d, database);
    w.PressKey(d, sim::Windows::VK_RETURN);
  });
  windows().SetUser(&user);
  machine.shell().SetUser(&user);
  EXPECT_TRUE(Show(parameters));
  windows().SetUser(nullptr);
  machine.shell().SetUser(nullptr);
  EXPECT_EQ(Value(parameters, "Database"), database);
}
