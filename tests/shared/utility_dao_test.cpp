#include <gtest/gtest.h>

#include "shared/utility.h"
#include "support/driver_test.h"
#include "support/error_matchers.h"

using testing_support::ErrorOf;

namespace {

// Properties whose every lookup fails with one error, as those of an object
// that is no longer there.
class FailingProperties : public dao::Properties {
 public:
  explicit FailingProperties(std::int32_t number) : number_(number) {}
  std::int32_t Count() override { return 0; }
  std::shared_ptr<dao::Property> Item(std::int32_t) override { Fail(); }
  std::shared_ptr<dao::Property> Item(const std::string&) override { Fail(); }
  std::shared_ptr<dao::Property> Find(const std::string&) override { Fail(); }
  void Refresh() override {}
  void Append(std::shared_ptr<dao::Property>) override {}
  void Delete(const std::string&) override {}

 private:
  [[noreturn]] void Fail() { com::Raise(number_, "Object invalid or no longer set."); }
  std::int32_t number_;
};

}  // namespace

class UtilityDao : public testing_support::DriverTest {
 protected:
  void SetUp() override {
    NewDatabase("back.mdb").Table({"Customers", {{"ID", dao::dbLong}}, {}, 0, "", "", "", "",
                                   {{"Description", dao::dbMemo, com::Variant("Backend text")}}});
    NewDatabase("front.mdb")
        .Table({"Local", {{"ID", dao::dbLong}}})
        .Table({"Customers", {}, {}, 0, ";DATABASE=" + temp.File("back.mdb"), "Customers"})
        .Query({"q", "SELECT * FROM Local;"});
    auto engine = machine.NewDBEngine();
    workspace_ = engine->CreateWorkspace("w", "admin", "");
    db_ = workspace_->OpenDatabase(temp.File("front.mdb"), false, false, "");
  }

  std::shared_ptr<dao::Workspace> workspace_;
  std::shared_ptr<dao::Database> db_;
};

TEST_F(UtilityDao, InheritedAndMissingPropertiesReadAsTheDefault) {
  auto linked = db_->GetTableDefs()->Item("Customers");
  EXPECT_EQ(com::CStr(Utility::GetAppDefinedProperty(*linked->GetProperties(), "Description",
                                                     com::Variant("dflt"))),
            "dflt");
  auto local = db_->GetTableDefs()->Item("Local");
  EXPECT_EQ(com::CStr(Utility::GetAppDefinedProperty(*local->GetProperties(), "Nope",
                                                     com::Variant("dflt"))),
            "dflt");
  FailingProperties failing(3420);
  const com::Error e = ErrorOf(
      [&] { Utility::GetAppDefinedProperty(failing, "Description", com::Variant("")); });
  EXPECT_EQ(e.Number(), 3420);
  EXPECT_EQ(testing_support::Message(e), "Object invalid or no longer set.");
}

TEST_F(UtilityDao, SettingTheDefaultRemovesThePropertyAndANewValueRecreatesIt) {
  auto table = db_->GetTableDefs()->Item("Local");
  auto properties = table->GetProperties();
  Utility::SetAppDefinedTableDefProperty(*table, *properties, "Description", dao::dbMemo,
                                         com::Variant("First"), com::Variant(""));
  EXPECT_EQ(properties->Item("Description")->Type(), dao::dbMemo);
  Utility::SetAppDefinedTableDefProperty(*table, *properties, "Description", dao::dbMemo,
                                         com::Variant("Second"), com::Variant(""));
  EXPECT_EQ(com::CStr(properties->Item("Description")->Value()), "Second");
  Utility::SetAppDefinedTableDefProperty(*table, *properties, "Description", dao::dbMemo,
                                         com::Variant(""), com::Variant(""));
  EXPECT_EQ(ErrorOf([&] { properties->Item("Description"); }).Number(), 3270);
  Utility::SetAppDefinedTableDefProperty(*table, *properties, "Description", dao::dbText,
                                         com::Variant("Third"), com::Variant(""));
  EXPECT_EQ(properties->Item("Description")->Type(), dao::dbText);

  auto query = db_->GetQueryDefs()->Item("q");
  Utility::SetAppDefinedQueryDefProperty(*query, *query->GetProperties(), "Description",
                                         dao::dbMemo, com::Variant("Q"), com::Variant(""));
  EXPECT_EQ(query->SQL(), "SELECT * FROM Local;");  // assigned again, unchanged
}

TEST_F(UtilityDao, IdenticalKeepsTypesApart) {
  struct Case {
    com::Variant a, b;
    bool identical;
  } cases[] = {
      {com::Variant("abc"), com::Variant("ABC"), false},
      {com::Variant("abc"), com::Variant("abc"), true},
      {com::Variant(), com::Variant(), true},
      {com::Variant::Null(), com::Variant::Null(), true},
      {com::Variant(1), com::Variant("1"), false},
      {com::Variant(std::int16_t{0}), com::Variant(0), false},
      {com::Variant(2.5), com::Variant(2.5), true},
      {com::Variant(false), com::Variant(false), true},
  };
  for (const Case& c : cases) EXPECT_EQ(Utility::Identical(c.a, c.b), c.identical);
}

TEST_F(UtilityDao, ParseConnectString) {
  struct Case {
    std::string connect, type, path;
  } cases[] = {
      {"", "", ""},
      {";DATABASE=C:\\Data\\Back End.MDB", "", "c:\\data\\back end.mdb"},
      {"ODBC;DSN=Sales;UID=sa", "ODBC", ""},
      {" Text ;DSN=x;DATABASE= C:\\In ;FMT=Delimited", "Text", "c:\\in"},
      {"Excel 5.0;database=C:\\b.xls", "Excel 5.0", ""},
  };
  for (const Case& c : cases) {
    std::string type = "?", path = "?";
    Utility::ParseConnectString(c.connect, type, path);
    EXPECT_EQ(type, c.type) << c.connect;
    EXPECT_EQ(path, c.path) << c.connect;
  }
  std::string type, path;
  EXPECT_EQ(ErrorOf([&] { Utility::ParseConnectString("ODBC", type, path); }).Number(), 5);
}

TEST_F(UtilityDao, DocumentPropertiesPermissionsAndOwnerAreCopied) {
  sim::jet::WorkgroupBuilder::Existing(Workgroup()).User("clerk", "").Group("Auditors");
  sim::jet::DatabaseBuilder::Existing(temp.File("front.mdb"))
      .Table({"Copy", {{"ID", dao::dbLong}}})
      .Permissions("Tables", "Local", "clerk", dao::dbSecReadDef)
      .Permissions("Tables", "Local", "Auditors", dao::dbSecRetrieveData)
      .Owner("Tables", "Local", "clerk");
  auto engine = machine.NewDBEngine();
  engine->SetSystemDB(Workgroup());
  auto workspace = engine->CreateWorkspace("w", "admin", "");
  auto db = workspace->OpenDatabase(temp.File("front.mdb"), false, false, "");
  auto documents = db->GetContainers()->Item("Tables")->GetDocuments();
  auto source = documents->Item("Local");
  auto destination = documents->Item("Copy");
  source->GetProperties()->Append(source->CreateProperty("Perm", dao::dbText, com::Variant("x")));
  Utility::SetDocDescription(*source, "About Local");
  Utility::CopyDaoDocumentProperties(*workspace, *source, *destination);

  destination->SetUserName("clerk");
  EXPECT_EQ(destination->Permissions(), dao::dbSecReadDef);
  destination->SetUserName("Auditors");
  EXPECT_EQ(destination->Permissions(), dao::dbSecRetrieveData);
  EXPECT_EQ(destination->Owner(), "clerk");
  EXPECT_EQ(com::CStr(destination->GetProperties()->Item("Perm")->Value()), "x");
  EXPECT_EQ(Utility::GetDocDescription(*destination), "About Local");
  Utility::SetDocDescription(*destination, "");
  EXPECT_EQ(Utility::GetDocDescription(*destination), "");
  EXPECT_EQ(ErrorOf([&] { Utility::SetDocDescription(*destination, ""); }).Number(), 3265);
}
