// The code editor's Module object: how it divides a module into the
// declarations section and procedures, its line editing, its errors, and
// the copy of the module's text a session holds while the module is open.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "access_fixture.h"
#include "com/by_ref.h"
#include "sim/access/code_module.h"
#include "support/error_matchers.h"

namespace access_test {
namespace {

using sim::access::CodeModule;
using testing_support::ErrorOf;

class AccessCodeModule : public AccessTest {
 protected:
  void SetUp() override { access = UserAccess(); }

  std::shared_ptr<CodeModule> Module(const std::string& text) {
    return std::make_shared<CodeModule>(access, "basTest", text);
  }
  static std::int32_t Long(com::Dispatch& module, const std::string& member,
                           std::initializer_list<com::Variant> args = {}) {
    return com::CLng(module.Call(member, args));
  }

  std::shared_ptr<sim::access::Application> access;
};

struct Expected {
  std::string name;
  std::int32_t kind;
  std::int32_t start, body, count;
};

struct Layout {
  std::string what;
  std::string text;
  std::int32_t declarations;
  std::vector<Expected> procedures;
};

const std::vector<Layout> kLayouts = {
    {"comments and blank lines above a heading belong to it; lines after the last End to the last",
     "Option Compare Database\nOption Explicit\n\n' About A\nSub A()\nEnd Sub\n\n' About B\n"
     "Public Function B() As Long\n  B = 1\nEnd Function\n' trailing\n",
     2,
     {{"A", 0, 3, 5, 4}, {"B", 0, 7, 9, 7}}},
    {"continuation lines in a heading and in statements",
     "Dim x As Long\nPrivate Static Function Total( _\n    ByVal a As Long, _\n"
     "    ByVal b As Long) As Long\n  Total = a + _\n    b\nEnd Function",
     1,
     {{"Total", 0, 2, 2, 6}}},
    {"property procedures of one name, and modifiers",
     "Private m As String\nPublic Property Get Value() As String\n  Value = m\nEnd Property\n"
     "Public Property Let Value(ByVal v As String)\n  m = v\nEnd Property\n"
     "Friend Property Set Item(ByVal o As Object)\nEnd   Property\nStatic Sub Counter(): End Sub",
     1,
     {{"Value", 3, 2, 2, 3},
      {"Value", 1, 5, 5, 3},
      {"Item", 2, 8, 8, 2},
      {"Counter", 0, 10, 10, 1}}},
    {"no heading in a comment, a continued comment, Rem, a string or a Declare statement",
     "Option Explicit\n' Sub Fake()\nConst S = \"Sub Fake2()\"\nRem Function Fake3()\n"
     "Private Declare Function GetTickCount Lib \"kernel32\" () As Long\n' a comment _\n"
     "Sub Fake4()\nSub Real()\n  MsgBox \"End Sub\" ' End Sub\n  Exit Sub\nEnd Sub",
     5,
     {{"Real", 0, 6, 8, 6}}},
    {"a compilation constant above the first procedure belongs to it",
     "Option Explicit\n#Const Debugging = 1\nSub A()\nEnd Sub",
     1,
     {{"A", 0, 2, 3, 3}}},
    {"a module without procedures is declarations throughout",
     "Option Compare Database\n\n' note",
     3,
     {}},
};

// Checks every procedure's range and every line's procedure.
void ExpectLayout(CodeModule& module, const Layout& layout) {
  EXPECT_EQ(module.CountOfDeclarationLines(), layout.declarations);
  auto kind = com::ByRef::Make();
  for (std::int32_t line = 1; line <= layout.declarations; ++line) {
    EXPECT_EQ(module.ProcOfLine(line, com::Variant(com::ObjectRef(kind))), "") << line;
    EXPECT_EQ(com::CLng(kind->Value()), 0);
  }
  std::int32_t next = layout.declarations + 1;
  for (const Expected& p : layout.procedures) {
    EXPECT_EQ(module.ProcStartLine(p.name, p.kind), p.start) << p.name;
    EXPECT_EQ(module.ProcBodyLine(p.name, p.kind), p.body) << p.name;
    EXPECT_EQ(module.ProcCountLines(p.name, p.kind), p.count) << p.name;
    EXPECT_EQ(p.start, next) << p.name;
    for (std::int32_t line = p.start; line < p.start + p.count; ++line) {
      EXPECT_EQ(module.ProcOfLine(line, com::Variant(com::ObjectRef(kind))), p.name) << line;
      EXPECT_EQ(com::CLng(kind->Value()), p.kind) << line;
    }
    next = p.start + p.count;
  }
  EXPECT_EQ(next - 1, module.CountOfLines());
}

TEST_F(AccessCodeModule, DividesTheModuleAsTheEditorDoes) {
  for (const Layout& layout : kLayouts) {
    SCOPED_TRACE(layout.what);
    ExpectLayout(*Module(layout.text), layout);
  }
}

TEST_F(AccessCodeModule, ProcOfLineAnswersByReferenceThroughLateBinding) {
  auto module = Module(kLayouts[2].text);
  auto kind = com::ByRef::Make(com::Variant(0));
  const com::Variant name =
      module->Call("ProcOfLine", {com::Variant(6), com::Variant(com::ObjectRef(kind))});
  EXPECT_EQ(com::CStr(name), "Value");
  EXPECT_EQ(com::CLng(kind->Value()), 1);
  EXPECT_EQ(Long(*module, "ProcCountLines", {com::Variant("item"), com::Variant(2)}), 2);
  EXPECT_EQ(Long(*module, "CountOfDeclarationLines"), 1);
}

TEST_F(AccessCodeModule, FindsProceduresByNameWithoutRegardToCaseAndByKind) {
  auto module = Module(kLayouts[2].text);
  EXPECT_EQ(Long(*module, "ProcStartLine", {com::Variant("VALUE"), com::Variant(1)}), 5);
  for (const auto& [name, kind] : std::vector<std::pair<std::string, std::int32_t>>{
           {"Value", 0}, {"Value", 2}, {"Item", 3}, {"Nothing", 0}, {"m", 0}}) {
    const auto error = ErrorOf([&] { module->ProcCountLines(name, kind); });
    EXPECT_EQ(error.Number(), 35) << name << kind;
    EXPECT_EQ(error.Description(), "Sub or Function not defined");
  }
  EXPECT_EQ(ErrorOf([&] { module->ProcStartLine("Value", 4); }).Number(), 5);
}

TEST_F(AccessCodeModule, ModulesThatCannotCompileAreDividedButUnknownNamesRaiseTheCompileError) {
  const std::vector<std::pair<Layout, std::string>> cases = {
      {{"a procedure without its End ends above the next heading",
        "Sub A()\n  x = 1\n' B\nSub B()\nEnd Sub",
        0,
        {{"A", 0, 1, 1, 3}, {"B", 0, 4, 4, 2}}},
       "Expected End Sub"},
      {{"the last procedure without its End",
        "Option Explicit\nPublic Function A()\n  A = 1",
        1,
        {{"A", 0, 2, 2, 2}}},
       "Expected End Function"},
      {{"an End of another kind",
        "Property Get A()\nEnd Sub\nSub B()\nEnd Sub",
        0,
        {{"A", 3, 1, 1, 2}, {"B", 0, 3, 3, 2}}},
       "Expected End Property"},
      {{"an End in the declarations section",
        "Option Explicit\nEnd Sub\n\nSub A()\nEnd Sub",
        2,
        {{"A", 0, 3, 4, 3}}},
       "Invalid outside procedure"},
      {{"an End whose heading was deleted",
        "Function A()\nEnd Function\n  x = 1\nEnd Sub\nSub C()\nEnd Sub",
        0,
        {{"A", 0, 1, 1, 2}, {"C", 0, 3, 5, 4}}},
       "Only comments may appear after End Sub, End Function, or End Property"},
  };
  for (const auto& [layout, message] : cases) {
    SCOPED_TRACE(layout.what);
    auto module = Module(layout.text);
    ExpectLayout(*module, layout);
    for (const auto& [name, kind] :
         std::vector<std::pair<std::string, std::int32_t>>{{"tovrin_probe", 0}, {"A", 1}}) {
      const auto error = ErrorOf([&] { module->ProcCountLines(name, kind); });
      EXPECT_EQ(error.Number(), CodeModule::kStructureError);
      EXPECT_EQ(error.Description(), message);
    }
  }
}

TEST_F(AccessCodeModule, AnEditIsSeenByTheNextRead) {
  auto module = Module("Sub A()\nEnd Sub");
  module->DeleteLines(2, 1);
  EXPECT_EQ(ErrorOf([&] { module->ProcCountLines("Nope", 0); }).Number(),
            CodeModule::kStructureError);
  module->InsertLines(2, "End Sub\r\n\r\nFunction B()\r\nEnd Function\r\n");
  EXPECT_EQ(module->CountOfLines(), 5);
  EXPECT_EQ(module->ProcCountLines("A", 0), 2);
  EXPECT_EQ(module->ProcStartLine("b", 0), 3);
  EXPECT_EQ(ErrorOf([&] { module->ProcCountLines("Nope", 0); }).Number(), 35);
}

TEST_F(AccessCodeModule, LinesAreHandedOutAndTakenInByCrLf) {
  auto module = Module("Option Explicit\nSub A()\n  x = 1\nEnd Sub");
  EXPECT_EQ(module->Lines(2, 2), "Sub A()\r\n  x = 1");
  EXPECT_EQ(module->Lines(3, 10), "  x = 1\r\nEnd Sub");
  EXPECT_EQ(module->Lines(5, 0), "");

  const std::string old = module->Lines(2, 3);
  module->DeleteLines(2, 3);
  EXPECT_EQ(module->CountOfLines(), 1);
  module->InsertLines(2, old + "\r\n");
  EXPECT_EQ(module->Text(), "Option Explicit\nSub A()\n  x = 1\nEnd Sub");
  EXPECT_FALSE(module->Changed());

  module->Call("DeleteLines", {com::Variant(1)});
  module->InsertLines(1, "");
  module->InsertLines(5, "' a\rb\nc");
  EXPECT_EQ(module->Text(), "\nSub A()\n  x = 1\nEnd Sub\n' a\nb\nc");
  EXPECT_TRUE(module->Changed());
}

TEST_F(AccessCodeModule, LinesOutsideTheModuleAreRefused) {
  auto module = Module("Sub A()\nEnd Sub");
  const std::vector<std::pair<std::function<void()>, std::int32_t>> cases = {
      {[&] { module->Lines(0, 1); }, 9},
      {[&] { module->Lines(3, 1); }, 9},
      {[&] { module->Lines(1, -1); }, 5},
      {[&] { module->DeleteLines(2, 2); }, 9},
      {[&] { module->DeleteLines(0, 1); }, 9},
      {[&] { module->InsertLines(4, "x"); }, 9},
      {[&] { module->ProcOfLine(3, com::Variant()); }, 9},
  };
  for (std::size_t i = 0; i < cases.size(); ++i)
    EXPECT_EQ(ErrorOf(cases[i].first).Number(), cases[i].second) << i;
  EXPECT_EQ(module->Text(), "Sub A()\nEnd Sub");
}

TEST_F(AccessCodeModule, TheAttributeLinesOfAClassModuleAreHiddenAndKept) {
  const std::string text =
      "Attribute VB_GlobalNameSpace = False\nAttribute VB_Creatable = False\n"
      "Attribute VB_PredeclaredId = False\nAttribute VB_Exposed = False\n"
      "Option Compare Database\nSub A()\nEnd Sub";
  auto module = Module(text);
  EXPECT_EQ(module->CountOfLines(), 3);
  EXPECT_EQ(module->Lines(1, 1), "Option Compare Database");
  EXPECT_EQ(module->ProcStartLine("A", 0), 2);
  module->InsertLines(1, "Option Explicit");
  EXPECT_EQ(module->Text(), text.substr(0, text.find("Option")) + "Option Explicit\n" +
                                text.substr(text.find("Option")));
}

class AccessOpenModule : public AccessCodeModule {
 protected:
  void SetUp() override {
    AccessCodeModule::SetUp();
    // As Access writes a module: CR LF, a break after the last line.
    const std::string path = temp.File("basOrders.bas");
    std::ofstream(path, std::ios::binary) << kStored;
    access->Call("LoadFromText",
                 {com::Variant(msaccess::acModule), com::Variant("basOrders"), com::Variant(path)});
  }
  com::ObjectRef Open(const std::string& name = "basOrders") {
    DoCmd(*access)->Call("OpenModule", {com::Variant(name)});
    return com::CObj(com::CObj(access->Get("Modules"))->Call("Item", {com::Variant(name)}));
  }
  void Close(const com::Variant& save) {
    DoCmd(*access)->Call("Close",
                         {com::Variant(msaccess::acModule), com::Variant("BASORDERS"), save});
  }
  std::string Saved() {
    const std::string path = temp.File("saved.bas");
    access->Call("SaveAsText",
                 {com::Variant(msaccess::acModule), com::Variant("basOrders"), com::Variant(path)});
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  static void Edit(com::Dispatch& module) {
    module.Call("DeleteLines", {com::Variant(3), com::Variant(1)});
    module.Call("InsertLines", {com::Variant(3), com::Variant("  Total = 2")});
  }

  const std::string kStored =
      "Option Compare Database\r\nFunction Total()\r\n  Total = 1\r\nEnd Function\r\n";
  const std::string kEdited =
      "Option Compare Database\r\nFunction Total()\r\n  Total = 2\r\nEnd Function\r\n";
};

TEST_F(AccessOpenModule, ModulesGivesTheEditorsCopyOfTheOpenModule) {
  auto module = Open();
  EXPECT_EQ(com::CStr(module->Get("Name")), "basOrders");
  EXPECT_EQ(Long(*module, "CountOfLines"), 4);
  EXPECT_EQ(com::CStr(module->Call("Lines", {com::Variant(3), com::Variant(1)})), "  Total = 1");
  EXPECT_EQ(com::CObj(module->Get("Application")), com::ObjectRef(access));
  Edit(*module);
  auto by_position = com::CObj(com::CObj(access->Get("Modules"))->Call("Item", {com::Variant(0)}));
  EXPECT_EQ(by_position, module);
  EXPECT_EQ(Saved(), kStored);  // the file keeps its text while the module is open
  EXPECT_EQ(ErrorOf([&] {
              com::CObj(access->Get("Modules"))->Call("Item", {com::Variant("Module1")});
            }).Number(),
            2467);
  EXPECT_EQ(ErrorOf([&] {
              DoCmd(*access)->Call("Rename",
                                   {com::Variant("basNew"), com::Variant(msaccess::acModule),
                                    com::Variant("basOrders")});
            }).Number(),
            2009);
}

TEST_F(AccessOpenModule, ClosingWithSavingWritesTheCopyAndOtherwiseDropsIt) {
  // Left out, acSavePrompt, acSaveNo, acSaveYes.
  for (const auto& [save, bytes] :
       std::vector<std::pair<com::Variant, std::string>>{{com::Variant(), kStored},
                                                         {com::Variant(0), kStored},
                                                         {com::Variant(2), kStored},
                                                         {com::Variant(1), kEdited}}) {
    SCOPED_TRACE(save.IsEmpty() ? "left out" : com::CStr(save));
    auto module = Open();
    Edit(*module);
    Close(save);
    EXPECT_EQ(Saved(), bytes);
    EXPECT_EQ(ErrorOf([&] { module->Get("CountOfLines"); }).Number(), 2467);
    EXPECT_EQ(Long(*com::CObj(access->Get("Modules")), "Count"), 0);
    EXPECT_EQ(com::CStr(Open()->Call("Lines", {com::Variant(3), com::Variant(1)})),
              bytes == kStored ? "  Total = 1" : "  Total = 2");
    Close(com::Variant(2));
  }
}

TEST_F(AccessOpenModule, ACodeWindowClosedOtherwiseOrAClosedDatabaseDropsTheCopy) {
  Edit(*Open());
  machine.windows().PostMessage(access->Editor().FindModule("basOrders")->handle,
                                platform::Windows::WM_CLOSE, 0, 0);
  EXPECT_EQ(Long(*com::CObj(access->Get("Modules")), "Count"), 0);
  EXPECT_EQ(Saved(), kStored);

  auto module = Open();
  Edit(*module);
  access->CloseCurrentDatabase();
  access->OpenCurrentDatabase(Sales());
  EXPECT_EQ(ErrorOf([&] { module->Get("CountOfLines"); }).Number(), 2467);
  EXPECT_EQ(Saved(), kStored);
}

TEST_F(AccessOpenModule, AModuleTheFileHasNoTextForOpensEmptyAndIsSavedWhenChanged) {
  auto module = Open("Module1");
  EXPECT_EQ(Long(*module, "CountOfLines"), 0);
  EXPECT_EQ(Long(*module, "CountOfDeclarationLines"), 0);
  module->Call("InsertLines",
               {com::Variant(1), com::Variant("Option Explicit\r\nSub A()\r\nEnd Sub")});
  DoCmd(*access)->Call(
      "Close", {com::Variant(msaccess::acModule), com::Variant("Module1"), com::Variant(1)});
  const std::string path = temp.File("module1.bas");
  access->Call("SaveAsText",
               {com::Variant(msaccess::acModule), com::Variant("Module1"), com::Variant(path)});
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str(), "Option Explicit\r\nSub A()\r\nEnd Sub\r\n");
}

}  // namespace
}  // namespace access_test
