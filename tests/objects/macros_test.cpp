// Macros and their lines: the macro list, the macro text read and written
// through SaveAsText and LoadFromText, and every argument property with its
// words, numbers and refusals.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "com/text.h"
#include "driver/project.h"
#include "objects/code/macro.h"
#include "objects/code/macro_line.h"
#include "objects/code/macro_lines.h"
#include "shared/utility.h"
#include "sim/access/document_windows.h"
#include "support/access_documents_test.h"
#include "support/error_matchers.h"
#include "support/object_lists.h"

namespace {

using objects::MacroLine;
using testing_support::ErrorOf;
using testing_support::Message;

// A macro group: a labelled row with a condition, a comment-only row, and
// rows whose arguments are choices, yes/no values, object types and commands.
const std::vector<std::string> kOrders = {
    "Version =196611",
    "ColumnsShown =3",
    "Begin",
    "    MacroName =\"ShowOrders\"",
    "    Condition =\"Not IsNull([CustomerID])\"",
    "    Action =\"OpenForm\"",
    "    Comment =\"The orders of one customer\"",
    "    Argument =\"frmOrders\"",
    "    Argument =\"3\"",
    "    Argument =\"\"",
    "    Argument =\"[CustomerID]=[Forms]![frmCustomers]![CustomerID] And [OrderDate] > #1/1/2000#"
    " And [Shi\"",
    "        \"pCity] Is Not Null\"",
    "    Argument =\"-1\"",
    "    Argument =\"0\"",
    "End",
    "Begin",
    "    Comment =\"Archive them\"",
    "End",
    "Begin",
    "    Action =\"RunSQL\"",
    "    Argument =\"DELETE FROM Orders WHERE CustomerID = \\\"ALFKI\\\";\"",
    "    Argument =\"-1\"",
    "End",
    "Begin",
    "    Action =\"Close\"",
    "    Argument =\"2\"",
    "    Argument =\"frmOrders\"",
    "    Argument =\"1\"",
    "End",
    "Begin",
    "    Action =\"RunCommand\"",
    "    Argument =\"97\"",
    "End",
    "Begin",
    "    Action =\"FindRecord\"",
    "    Argument =\"CustomerID\"",
    "    Argument =\"=[MatchHow]\"",
    "    Argument =\"0\"",
    "    Argument =\"2\"",
    "    Argument =\"-1\"",
    "    Argument =\"-1\"",
    "    Argument =\"-1\"",
    "End",
    "Begin",
    "    Action =\"Rename\"",
    "    Argument =\"qryNew\"",
    "    Argument =\"1\"",
    "    Argument =\"qryOld\"",
    "End"};

class MacrosTest : public testing_support::AccessDocumentsTest {
 protected:
  MacrosTest() {
    std::filesystem::create_directories(temp.path() / "Office" / "1033");
    std::ofstream(temp.File("Office/1033/msain900.dll")) << "MZ";
    StoreMacro("mcrOrders", kOrders);
    OpenProject();
  }

  void StoreMacro(const std::string& name, const std::vector<std::string>& lines) {
    Store(msaccess::acMacro, name, lines);
  }
  std::string Stored(const std::string& name = "mcrOrders") {
    return AccessDocumentsTest::Stored(msaccess::acMacro, name);
  }
  std::shared_ptr<objects::Macro> Macro(const std::string& name = "mcrOrders") {
    return Object<objects::Macro>("Macros", name);
  }
  static std::shared_ptr<MacroLine> Line(objects::Macro& macro, std::int32_t position) {
    return macro.Lines()->Item(com::Variant(position));
  }
  static std::string Get(MacroLine& line, const std::string& property) {
    return com::CStr(line.Get(property));
  }
  static void Let(MacroLine& line, const std::string& property, const std::string& value) {
    line.Let(property, com::Variant(value));
  }
  std::size_t TempFiles() const { return AccessDocumentsTest::TempFiles("tovrin_macro"); }
};

TEST_F(MacrosTest, ListsTheMacros) {
  const auto list = testing_support::ParseObjectList(
      project_->IProject_GetCollection("Macros")->ICollection_EnumObjects());
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list.at("mcrOrders"),
            (std::vector<std::string>{"mcrOrders", "4", "", "1", "1", "1", "0"}));
  EXPECT_TRUE(list.contains("Macro1"));
  EXPECT_EQ(project_->IProject_GetCollection("Macros")->ICollection_EnumObjectCommands("x"), "");
}

TEST_F(MacrosTest, ReadsEachLineAndShowsStoredNumbersAsWords) {
  auto macro = Macro();
  macro->SetMode(driver::kModeScan);
  ASSERT_EQ(macro->Lines()->Count(), 7);
  EXPECT_TRUE(macro->ShowLabel());
  EXPECT_TRUE(macro->ShowCondition());
  auto open_form = Line(*macro, 0);
  EXPECT_EQ(open_form->Label(), "ShowOrders");
  EXPECT_EQ(open_form->Condition(), "Not IsNull([CustomerID])");
  EXPECT_EQ(open_form->Action(), "OpenForm");
  EXPECT_EQ(open_form->Comment(), "The orders of one customer");
  EXPECT_EQ(macro->Lines()->Item(com::Variant("13")), open_form);
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"FormName", "frmOrders"},
      {"View", "Datasheet"},
      {"FilterName", ""},
      {"WhereCondition", "[CustomerID]=[Forms]![frmCustomers]![CustomerID] And [OrderDate] > "
                         "#1/1/2000# And [ShipCity] Is Not Null"},
      {"DataMode", ""},
      {"WindowMode", "Normal"}};
  for (const auto& [property, value] : cases) EXPECT_EQ(Get(*open_form, property), value) << property;
  EXPECT_EQ(Line(*macro, 1)->Comment(), "Archive them");
  EXPECT_EQ(Line(*macro, 1)->Action(), "");
  EXPECT_EQ(Get(*Line(*macro, 2), "SQLStatement"), "DELETE FROM Orders WHERE CustomerID = \"ALFKI\";");
  EXPECT_EQ(Get(*Line(*macro, 2), "UseTransaction"), "Yes");
  EXPECT_EQ(Get(*Line(*macro, 3), "ObjectType"), "Form");
  EXPECT_EQ(Get(*Line(*macro, 3), "Save"), "Yes");
  EXPECT_EQ(Get(*Line(*macro, 4), "Command"), "SaveRecord");
  auto find = Line(*macro, 5);
  EXPECT_EQ(Get(*find, "Match"), "=[MatchHow]");
  EXPECT_EQ(Get(*find, "MatchCase"), "No");
  EXPECT_EQ(Get(*find, "Search"), "All");
  EXPECT_EQ(Get(*Line(*macro, 6), "ObjectType"), "Query");
  macro->SetMode(driver::kModeClosed);
}

TEST_F(MacrosTest, AnArgumentIsAPropertyOfItsActionsOnly) {
  auto macro = Macro();
  macro->SetMode(driver::kModeScan);
  auto open_form = Line(*macro, 0);
  EXPECT_FALSE(open_form->HasArgument("TableName"));
  EXPECT_EQ(ErrorOf([&] { open_form->Get("TableName"); }).Number(), -32749);
  EXPECT_EQ(ErrorOf([&] { Let(*open_form, "SQLStatement", "x"); }).Number(), -32749);
  EXPECT_EQ(ErrorOf([&] { Line(*macro, 1)->Get("Comment2"); }).Number(), 438);
  EXPECT_EQ(ErrorOf([&] { Line(*macro, 1)->Get("FormName"); }).Number(), -32749);
  macro->SetMode(driver::kModeClosed);
}

TEST_F(MacrosTest, ReplacementsAreWrittenBackAsAccessStoresThem) {
  auto macro = Macro();
  macro->SetMode(driver::kModeUpdate);
  auto open_form = Line(*macro, 0);
  Let(*open_form, "WhereCondition", "[ClientID]=\"A\\B\"\r\n");
  Let(*open_form, "View", "Print Preview");
  Let(*open_form, "DataMode", "readonly");
  Let(*open_form, "WindowMode", "");
  Let(*Line(*macro, 3), "ObjectType", "report");
  Let(*Line(*macro, 4), "Command", "Undo");
  Let(*Line(*macro, 5), "Match", "Whole Field");
  Let(*Line(*macro, 6), "ObjectType", "Table");
  macro->SetMode(driver::kModeClosed);
  std::vector<std::string> expected = kOrders;
  expected[10] = "    Argument =\"[ClientID]=\\\"A\\\\B\\\"\\015\\012\"";
  expected.erase(expected.begin() + 11);  // the continuation line
  expected[8] = "    Argument =\"2\"";
  expected[11] = "    Argument =\"2\"";
  expected[12] = "    Argument =\"-1\"";
  expected[24] = "    Argument =\"3\"";
  expected[30] = "    Argument =\"292\"";
  expected[35] = "    Argument =\"1\"";
  expected[45] = "    Argument =\"0\"";
  EXPECT_EQ(Stored(), com::Join(expected, "\n"));
  EXPECT_EQ(TempFiles(), 0u);

  macro->SetMode(driver::kModeScan);
  EXPECT_EQ(Get(*Line(*macro, 0), "WhereCondition"), "[ClientID]=\"A\\B\"\r\n");
  EXPECT_EQ(Get(*Line(*macro, 0), "DataMode"), "Read Only");
  macro->SetMode(driver::kModeClosed);
}

TEST_F(MacrosTest, RefusedWordsLeaveTheArgumentAsItWas) {
  auto macro = Macro();
  macro->SetMode(driver::kModeUpdate);
  struct Case {
    std::int32_t line;
    std::string property, value, says;
  } cases[] = {
      {0, "View", "Sideways",
       "'Sideways' is not a valid argument. Open the macro in design view to see the list of "
       "acceptable values."},
      {3, "ObjectType", "Spreadsheet", "'Spreadsheet' is not a valid argument."},
      {4, "Command", "MakeCoffee", "'MakeCoffee' is not a valid argument."},
  };
  for (const auto& c : cases) {
    auto line = Line(*macro, c.line);
    const std::string before = Get(*line, c.property);
    const auto error = ErrorOf([&] { Let(*line, c.property, c.value); });
    EXPECT_EQ(error.Number(), -32767) << c.value;
    EXPECT_TRUE(Message(error).starts_with(c.says)) << Message(error);
    EXPECT_EQ(Get(*line, c.property), before);
  }
  macro->SetMode(driver::kModeClosed);
  EXPECT_EQ(Stored(), com::Join(kOrders, "\n"));
}

// FindRecord's MatchCase (position 2) is a yes/no argument: its property
// keeps other words as typed, while Access's argument descriptions make it
// a yes/no kind that the numeric translation stores as a number.
TEST_F(MacrosTest, AYesNoWordIsStoredAsTypedByAPlainArgumentAndAsANumberByANumericOne) {
  constexpr std::int32_t kFindRecord = 12;
  auto macro = Macro();
  macro->SetMode(driver::kModeUpdate);
  auto find = Line(*macro, 5);
  Let(*Line(*macro, 2), "UseTransaction", "yes");
  Let(*find, "FindFirst", "No");
  EXPECT_EQ(Get(*Line(*macro, 2), "UseTransaction"), "yes");
  find->WriteNumeric(kFindRecord, 2, "yes");
  EXPECT_EQ(Get(*find, "MatchCase"), "Yes");
  const auto refused = ErrorOf([&] { find->WriteNumeric(kFindRecord, 2, "maybe"); });
  EXPECT_EQ(Message(refused), "Invalid argument. Expecting 'Yes' or 'No'.");
  EXPECT_EQ(find->ReadNumeric(kFindRecord, 2), "Yes");
  macro->SetMode(driver::kModeClosed);
  const auto stored = com::Split(Stored(), "\n");
  EXPECT_EQ(stored[21], "    Argument =\"yes\"");
  EXPECT_EQ(stored[37], "    Argument =\"-1\"");
  EXPECT_EQ(stored[41], "    Argument =\"0\"");
}

TEST_F(MacrosTest, QuoteAndUnquote) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "\"\""},
      {"plain [x]", "\"plain [x]\""},
      {"say \"hi\"", "\"say \\\"hi\\\"\""},
      {"C:\\Data", "\"C:\\\\Data\""},
      {"a\r\nb\tc", "\"a\\015\\012b\\011c\""},
      {"Straße", "\"Straße\""}};
  for (const auto& [text, quoted] : cases) {
    EXPECT_EQ(MacroLine::Quote(text), quoted);
    EXPECT_EQ(MacroLine::Unquote(quoted), text);
  }
  // Text Access never writes is read without running past its end.
  EXPECT_EQ(MacroLine::Unquote("\"ends in \\\""), "ends in \\");
  EXPECT_EQ(MacroLine::Unquote("\"\\09\""), "09");
  EXPECT_EQ(MacroLine::Unquote("\""), "");
}

TEST_F(MacrosTest, ShowLabelAndShowConditionChangeOnlyTheirBits) {
  StoreMacro("mcrTwo", {"Version =196611", "ColumnsShown =2"});
  auto macro = Macro("mcrTwo");
  macro->SetMode(driver::kModeUpdate);
  EXPECT_FALSE(macro->ShowLabel());
  EXPECT_EQ(macro->Lines()->Count(), 0);
  macro->SetShowLabel(true);
  macro->SetMode(driver::kModeClosed);
  EXPECT_EQ(Stored("mcrTwo"), "Version =196611\nColumnsShown =3");
  macro->SetMode(driver::kModeUpdate);
  macro->SetShowCondition(false);
  macro->SetMode(driver::kModeClosed);
  EXPECT_EQ(Stored("mcrTwo"), "Version =196611\nColumnsShown =1");
}

TEST_F(MacrosTest, AnArgumentTheTextLacksIsWrittenWhenSet) {
  StoreMacro("mcrShort", {"Version =196611", "ColumnsShown =0", "Begin", "    Action =\"OpenReport\"",
                          "    Argument =\"rptOrders\"", "End"});
  auto macro = Macro("mcrShort");
  macro->SetMode(driver::kModeUpdate);
  EXPECT_EQ(Get(*Line(*macro, 0), "WhereCondition"), "");
  Let(*Line(*macro, 0), "WhereCondition", "[CustomerID]='ALFKI'");
  macro->SetMode(driver::kModeClosed);
  EXPECT_EQ(Stored("mcrShort"),
            "Version =196611\nColumnsShown =0\nBegin\n    Action =\"OpenReport\"\n"
            "    Argument =\"rptOrders\"\n    Argument =\"\"\n    Argument =\"\"\n"
            "    Argument =\"[CustomerID]='ALFKI'\"\nEnd");
}

// Newer Access adds header lines and rows holding the macro's XML; they are
// kept as text, and so is every row nobody changed.
TEST_F(MacrosTest, TextOfNewerAccessIsKeptAsItWas) {
  const std::vector<std::string> newer = {
      "Version =196611",
      "PublishOption =1",
      "ColumnsShown =0",
      "Begin",
      "    Action =\"OpenForm\"",
      "    Argument =\"frmCustomers\"",
      "    Argument =\"0\"",
      "    Argument =\"\"",
      "    Argument =\"[CustomerID]=1\"",
      "    Argument =\"-1\"",
      "    Argument =\"0\"",
      "End",
      "Begin",
      "    Comment =\"_AXL:<?xml version=\\\"1.0\\\" encoding=\\\"UTF-16\\\" standalone=\\\"no\\\"?>\\015\\012<"
      "UserInterfaceMacro Fo\"",
      "        \"r=\\\"x\\\"\"",
      "    Flags =0",
      "End"};
  StoreMacro("mcrNewer", newer);
  auto macro = Macro("mcrNewer");
  macro->SetMode(driver::kModeUpdate);
  ASSERT_EQ(macro->Lines()->Count(), 2);
  Let(*Line(*macro, 0), "WhereCondition", "[ClientID]=1");
  macro->SetMode(driver::kModeClosed);
  auto expected = newer;
  expected[8] = "    Argument =\"[ClientID]=1\"";
  EXPECT_EQ(Stored("mcrNewer"), com::Join(expected, "\n"));
}

TEST_F(MacrosTest, TextTheReaderCannotPlaceIsRefused) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"Version =196611", "Begin", "    Nonsense", "End"}, "Unexpected value: Nonsense"},
      {{"Version =196611", "    Argument =\"x\""}, "Unexpected value: Argument =\"x\""},
      {{"Version =196611", "Begin", "    Action =OpenForm", "End"},
       "Unexpected value: Action =OpenForm"},
      {{"Version =196611", "Begin", "Begin", "End", "End"}, "Unexpected value: Begin"},
      {{"Version =196611", "Begin", "    Action =\"Beep\""}, "Unexpected value: Begin"},
  };
  for (const auto& [lines, says] : cases) {
    StoreMacro("mcrBad", lines);
    auto macro = Macro("mcrBad");
    const auto error = ErrorOf([&] { macro->SetMode(driver::kModeScan); });
    EXPECT_EQ(error.Number(), -32767);
    EXPECT_EQ(Message(error), says);
    EXPECT_EQ(macro->Mode(), driver::kModeClosed);
  }
  EXPECT_EQ(TempFiles(), 0u);
}

TEST_F(MacrosTest, AFailedSaveLeavesTheMacroInAccessAsItWas) {
  auto macro = Macro();
  macro->SetMode(driver::kModeUpdate);
  Let(*Line(*macro, 0), "WhereCondition", "[ClientID]=1");
  Access()->Documents()->Open(msaccess::acMacro, "mcrOrders", msaccess::acViewDesign, 0);
  const auto error = ErrorOf([&] { macro->SetMode(driver::kModeClosed); });
  EXPECT_NE(error.Number(), 0);
  EXPECT_EQ(macro->Mode(), driver::kModeClosed);
  EXPECT_EQ(Stored(), com::Join(kOrders, "\n"));
  EXPECT_EQ(TempFiles(), 0u);
}

TEST_F(MacrosTest, AMacroOpenInAccessIsNotOpenedForUpdate) {
  Access()->Documents()->Open(msaccess::acMacro, "mcrOrders", msaccess::acViewDesign, 0);
  auto macro = Macro();
  const auto refused = ErrorOf([&] { macro->SetMode(driver::kModeUpdate); });
  EXPECT_EQ(Message(refused), "Couldn't save changes safely because the macro was already open.");
  EXPECT_EQ(macro->Mode(), driver::kModeClosed);
  macro->SetMode(driver::kModeScan);
  EXPECT_EQ(macro->Lines()->Count(), 7);
}

TEST_F(MacrosTest, RenamingWhileTheRelationshipsWindowIsOpenIsRefusedBeforeSaving) {
  auto macro = Macro();
  macro->SetMode(driver::kModeUpdate);
  Let(*Line(*macro, 0), "WhereCondition", "[ClientID]=1");
  Access()->Documents()->OpenRelationships();
  const auto refused = ErrorOf([&] { macro->SetName("mcrClientOrders"); });
  EXPECT_TRUE(Message(refused).starts_with(
      "Can't rename this object while the Relationships window is open."));
  EXPECT_EQ(Stored(), com::Join(kOrders, "\n"));
}

TEST_F(MacrosTest, UnderSourceControlTheDescriptionAndStatusSurviveASave) {
  project_->IProject_Deactivate();
  BuildSales([](sim::jet::DatabaseBuilder& db) {
    db.DatabaseProperty({"SccPath", dao::dbText, com::Variant("$/Sales")});
    db.Document({.container = "Scripts",
                 .name = "mcrScc",
                 .properties = {{"SccStatus", dao::dbLong, com::Variant(2)},
                                {"Description", dao::dbText, com::Variant("Checked out")}}});
  });
  StoreMacro("mcrScc", kOrders);
  OpenProject();
  auto macro = Macro("mcrScc");
  macro->SetMode(driver::kModeUpdate);
  Let(*Line(*macro, 0), "FormName", "frmClients");
  macro->SetMode(driver::kModeClosed);
  auto properties = project_->CurrentDB()->GetContainers()->Item("Scripts")->GetDocuments()->Item(
      "mcrScc")->GetProperties();
  EXPECT_EQ(com::CLng(properties->Item("SccStatus")->Value()), 2);
  EXPECT_EQ(macro->Description(), "Checked out");
  EXPECT_NE(Stored("mcrScc").find("    Argument =\"frmClients\""), std::string::npos);
}

TEST_F(MacrosTest, WithoutTheResourceFileNothingOpens) {
  std::filesystem::remove(temp.File("Office/1033/msain900.dll"));
  Utility::ResetCachedPaths();
  auto macro = Macro();
  EXPECT_EQ(Message(ErrorOf([&] { macro->SetMode(driver::kModeScan); })),
            "Couldn't find resource file msain900.dll.");
}


TEST_F(MacrosTest, RenamingSavesTheMacroAndGoesOnUnderTheNewName) {
  auto macro = Macro();
  macro->SetMode(driver::kModeUpdate);
  Let(*Line(*macro, 0), "WhereCondition", "[ClientID]=1");
  macro->SetName("mcrClientOrders");
  EXPECT_EQ(macro->Name(), "mcrClientOrders");
  EXPECT_EQ(macro->Mode(), driver::kModeUpdate);
  EXPECT_EQ(Get(*Line(*macro, 0), "WhereCondition"), "[ClientID]=1");
  macro->SetMode(driver::kModeClosed);
  EXPECT_NE(Stored("mcrClientOrders").find("[ClientID]=1"), std::string::npos);
  EXPECT_EQ(TempFiles(), 0u);
}

}  // namespace
