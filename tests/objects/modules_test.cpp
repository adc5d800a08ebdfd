// Modules and their procedures: the module list, scanning and replacing code
// through the code editor, and every check that keeps a replacement from
// damaging a module.

#include <gtest/gtest.h>

#include <filesystem>

#include "com/text.h"
#include "driver/project.h"
#include "objects/code/module.h"
#include "objects/code/procedures.h"
#include "support/access_documents_test.h"
#include "support/error_matchers.h"
#include "support/object_lists.h"
#include "ui/dispatcher.h"

namespace {

using testing_support::ErrorOf;
using testing_support::Message;

const std::vector<std::string> kCustomers = {
    "Option Compare Database",                                       // 1
    "Option Explicit",                                               // 2
    "",                                                              // 3
    "' Finds a customer's city.",                                    // 4
    "Public Function CityOf(ByVal CustomerID As String) As Variant",  // 5
    "    CityOf = DLookup(\"City\", \"Customers\", \"CustomerID = '\" & CustomerID & \"'\")",
    "End Function",                                                  // 7
    "",                                                              // 8
    "",                                                              // 9
    "Public Sub ShowCity()",                                         // 10
    "    MsgBox CityOf(\"ALFKI\")",                                  // 11
    "End Sub",                                                       // 12
    "",                                                              // 13
    "Public Property Get Region() As String",                        // 14
    "    Region = \"North\"",                                        // 15
    "End Property",                                                  // 16
    "",                                                              // 17
    "Public Property Let Region(ByVal Value As String)",             // 18
    "End Property"};                                                 // 19

class ModulesTest : public testing_support::AccessDocumentsTest {
 protected:
  ModulesTest() {
    StoreModule("basCustomers", kCustomers);
    OpenProject();
  }

  void StoreModule(const std::string& name, const std::vector<std::string>& lines) {
    Store(msaccess::acModule, name, lines);
  }
  std::string Stored(const std::string& name) {
    return AccessDocumentsTest::Stored(msaccess::acModule, name);
  }
  std::shared_ptr<objects::Module> Module(const std::string& name = "basCustomers") {
    return Object<objects::Module>("Modules", name);
  }
  static std::shared_ptr<objects::Procedure> Piece(objects::Module& module, const std::string& name) {
    return module.GetProcedures()->Item(com::Variant(name));
  }
  static std::vector<std::string> Names(objects::Module& module) {
    std::vector<std::string> names;
    auto procedures = module.GetProcedures();
    for (std::int32_t i = 0; i < procedures->Count(); ++i)
      names.push_back(procedures->Item(com::Variant(i))->Name());
    return names;
  }
  static std::string Lines(const std::vector<std::string>& lines) {
    return com::Join(lines, com::kCrLf);
  }
};

TEST_F(ModulesTest, ListsTheStandardAndClassModules) {
  const auto list = testing_support::ParseObjectList(
      project_->IProject_GetCollection("Modules")->ICollection_EnumObjects());
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list.at("basCustomers"), (std::vector<std::string>{"basCustomers", "6", "", "1", "1",
                                                               "1", "0"}));
  EXPECT_TRUE(list.contains("Module1"));
  EXPECT_TRUE(list.contains("Utilities"));
  EXPECT_EQ(project_->IProject_GetCollection("Modules")->ICollection_EnumObjectCommands("x"),
            "&Design\t26\tFalse\tOpen the module in design view.");
}

TEST_F(ModulesTest, AnAccessProjectListsWhatAccessLists) {
  project_->IProject_Deactivate();
  std::filesystem::copy_file(Sales(), temp.File("Sales.adp"));
  project_ = NewProject(Parameters(temp.File("Sales.adp"), {{"ProjectType", "Project"}}));
  project_->IProject_EnumCollections();
  const auto list = testing_support::ParseObjectList(
      project_->IProject_GetCollection("Modules")->ICollection_EnumObjects());
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list.at("basCustomers"), (std::vector<std::string>{"basCustomers", "6", "", "1", "1",
                                                               "1", "0"}));
}

TEST_F(ModulesTest, SplitsTheCodeIntoPiecesWithoutTheBlankLinesAbove) {
  auto module = Module();
  module->SetMode(driver::kModeScan);
  EXPECT_EQ(Names(*module), (std::vector<std::string>{"<declarations>", "CityOf", "ShowCity",
                                                      "Region.Get", "Region.Let"}));
  EXPECT_EQ(Piece(*module, "<declarations>")->Text(), Lines({kCustomers[0], kCustomers[1]}));
  EXPECT_EQ(Piece(*module, "CityOf")->Text(),
            Lines({kCustomers.begin() + 3, kCustomers.begin() + 7}));
  EXPECT_EQ(Piece(*module, "ShowCity")->Text(),
            Lines({kCustomers.begin() + 9, kCustomers.begin() + 12}));
  EXPECT_EQ(Piece(*module, "ShowCity")->StartLine(), 10);
  module->SetMode(driver::kModeClosed);
  EXPECT_EQ(module->GetProcedures()->Count(), 0);
  EXPECT_TRUE(Access()->Documents()->OpenNames(msaccess::acModule).empty());
}

TEST_F(ModulesTest, AReplacementIsSavedWhenLeavingUpdateModeAndDiscardedFromScanMode) {
  auto module = Module();
  module->SetMode(driver::kModeScan);
  Piece(*module, "ShowCity")->SetText("Public Sub ShowCity()\r\n    Beep\r\nEnd Sub");
  module->SetMode(driver::kModeClosed);
  EXPECT_EQ(Stored("basCustomers"), com::Join(kCustomers, "\n"));

  module->SetMode(driver::kModeUpdate);
  auto piece = Piece(*module, "ShowCity");
  piece->SetText("Public Sub ShowCustomerCity()\r\n    MsgBox CityOf(\"ALFKI\")\r\nEnd Sub");
  EXPECT_EQ(piece->Name(), "ShowCustomerCity");
  EXPECT_EQ(Piece(*module, "ShowCustomerCity"), piece);
  auto region = Piece(*module, "Region.Get");
  region->SetText("Public Property Get Area() As String\r\n    Area = \"North\"\r\nEnd Property");
  EXPECT_EQ(Piece(*module, "Area.Get"), region);
  module->SetMode(driver::kModeClosed);
  std::vector<std::string> expected = kCustomers;
  expected[9] = "Public Sub ShowCustomerCity()";
  expected[13] = "Public Property Get Area() As String";
  expected[14] = "    Area = \"North\"";
  EXPECT_EQ(Stored("basCustomers"), com::Join(expected, "\n"));
}

TEST_F(ModulesTest, ARefusedReplacementLeavesTheModuleAsItWas) {
  auto module = Module();
  module->SetMode(driver::kModeUpdate);
  const std::string line_1023 = "' " + std::string(1021, 'x');
  struct Case {
    std::string piece, text, says;
  } cases[] = {
      {"ShowCity", "Public Sub ShowCity()\r\n" + line_1023 + "x\r\nEnd Sub",
       "Line 2 exceeds maximum length of 1023 characters."},
      {"ShowCity", "    MsgBox CityOf(\"ALFKI\")\r\nEnd Sub",
       "This replacement would have changed the total number of procedures in the module."},
      {"ShowCity", "Public Sub ShowCity()\r\nEnd Sub\r\nSub Extra()\r\nEnd Sub",
       "This replacement would have changed the total number of procedures in the module."},
      {"<declarations>", "Option Compare Database\r\nSub Early()\r\nEnd Sub",
       "This replacement would have changed the total number of procedures in the module."},
  };
  for (const auto& c : cases) {
    const auto error = ErrorOf([&] { Piece(*module, c.piece)->SetText(c.text); });
    EXPECT_EQ(error.Number(), -32767) << c.text;
    EXPECT_NE(Message(error).find(c.says), std::string::npos) << Message(error);
  }
  // Code the editor cannot read any more: a procedure without its end.
  const auto unreadable = ErrorOf(
      [&] { Piece(*module, "ShowCity")->SetText("Public Sub ShowCity()\r\n    Beep"); });
  EXPECT_NE(unreadable.Number(), -32767);
  EXPECT_NE(unreadable.Number(), 35);
  EXPECT_EQ(Names(*module), (std::vector<std::string>{"<declarations>", "CityOf", "ShowCity",
                                                      "Region.Get", "Region.Let"}));
  Piece(*module, "ShowCity")->SetText("Public Sub ShowCity()\r\n" + line_1023 + "\r\nEnd Sub");
  module->SetMode(driver::kModeClosed);
  std::vector<std::string> expected = kCustomers;
  expected[10] = line_1023;
  EXPECT_EQ(Stored("basCustomers"), com::Join(expected, "\n"));
}

TEST_F(ModulesTest, ADuplicateProcedureIsReportedOnceAndLeftOut) {
  StoreModule("basTwice", {"Option Explicit", "Sub A()", "End Sub", "Sub B()", "End Sub",
                           "Sub A()", "    Beep", "End Sub", "Sub C()", "End Sub"});
  auto module = Module("basTwice");
  module->SetMode(driver::kModeScan);
  EXPECT_EQ(Names(*module), (std::vector<std::string>{"<declarations>", "A", "B", "C"}));
  module->SetMode(driver::kModeClosed);
  EXPECT_EQ(vxhandler::ProblemLog()->Count(), 1);
}

TEST_F(ModulesTest, AModuleOpenInAccessIsScannedButNotChanged) {
  com::CObj(Access()->Get("DoCmd"))->Call("OpenModule", {com::Variant("basCustomers")});
  auto module = Module();
  module->SetMode(driver::kModeScan);
  EXPECT_EQ(Names(*module).size(), 5u);
  module->SetMode(driver::kModeClosed);
  EXPECT_EQ(Access()->Documents()->OpenNames(msaccess::acModule),
            std::vector<std::string>{"basCustomers"});
  const auto refused = ErrorOf([&] { module->SetMode(driver::kModeUpdate); });
  EXPECT_EQ(Message(refused), "Couldn't save changes safely because the module was already open.");
  EXPECT_EQ(module->Mode(), driver::kModeClosed);
}

TEST_F(ModulesTest, UnderSourceControlTheStatusIsPutBack) {
  project_->IProject_Deactivate();
  BuildSales([](sim::jet::DatabaseBuilder& db) {
    db.DatabaseProperty({"SccPath", dao::dbText, com::Variant("$/Sales")});
    db.Document({.container = "Modules",
                 .name = "basScc",
                 .properties = {{"SccStatus", dao::dbLong, com::Variant(2)}}});
  });
  StoreModule("basScc", {"Option Explicit", "Sub A()", "End Sub"});
  OpenProject();
  auto module = Module("basScc");
  module->SetMode(driver::kModeScan);
  EXPECT_EQ(Names(*module).size(), 2u);
  module->SetMode(driver::kModeClosed);
  auto status = [&] {
    return com::CLng(project_->CurrentDB()
                         ->GetContainers()
                         ->Item("Modules")
                         ->GetDocuments()
                         ->Item("basScc")
                         ->GetProperties()
                         ->Item("SccStatus")
                         ->Value());
  };
  EXPECT_EQ(status(), 2);
}

TEST_F(ModulesTest, RenamingSavesTheModuleAndGoesOnUnderTheNewName) {
  auto module = Module();
  module->SetMode(driver::kModeUpdate);
  Piece(*module, "ShowCity")->SetText("Public Sub ShowCity()\r\n    Beep\r\nEnd Sub");
  module->SetName("basClients");
  EXPECT_EQ(module->Name(), "basClients");
  EXPECT_EQ(module->Mode(), driver::kModeUpdate);
  EXPECT_EQ(Names(*module).size(), 5u);
  module->SetMode(driver::kModeClosed);
  EXPECT_NE(Stored("basClients").find("    Beep"), std::string::npos);

  module->SetDescription("Customer helpers");
  EXPECT_EQ(Module("basClients")->Description(), "Customer helpers");

  Access()->Documents()->OpenRelationships();
  const auto refused = ErrorOf([&] { module->SetName("basOther"); });
  EXPECT_NE(Message(refused).find("Can't rename this object while the Relationships window is open."),
            std::string::npos);
  EXPECT_EQ(module->Name(), "basClients");
}

TEST_F(ModulesTest, TheDesignCommandOpensTheModuleForTheUser) {
  project_->IProject_GetCollection("Modules")->ICollection_ExecuteObjectCommand("basCustomers", 0);
  EXPECT_EQ(Access()->Documents()->OpenNames(msaccess::acModule),
            std::vector<std::string>{"basCustomers"});
  EXPECT_THROW(
      project_->IProject_GetCollection("Modules")->ICollection_ExecuteObjectCommand("basCustomers", 1),
      com::Error);
}

}  // namespace
