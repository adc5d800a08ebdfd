#include <gtest/gtest.h>

#include "com/date_time.h"
#include "dao_fixture.h"
#include "support/error_matchers.h"

namespace jet_test {
namespace {

using testing_support::ErrorOf;

class DaoDocuments : public DaoTest {
 protected:
  DaoDocuments() {
    sim::jet::WorkgroupBuilder(temp.File("secured.mdw"))
        .Group("Editors")
        .User("Mary", "", {"Editors"});
    Build()
        .Table({.name = "Orders", .fields = {Long("ID")}})
        .Relation({.name = "Self",
                   .table = "Orders",
                   .foreign_table = "Orders",
                   .fields = {{"ID", "ID"}}})
        .Document({.container = "Forms", .name = "Main"})
        .Document({.container = "Scripts", .name = "AutoExec", .owner = "Mary"})
        .Permissions("Tables", "Orders", "Users", dao::dbSecReadDef)
        .Permissions("Tables", "Orders", "Editors", dao::dbSecWriteDef)
        .Permissions("Tables", "Orders", "Mary", dao::dbSecRetrieveData);
    auto engine = machine.NewDBEngine();
    engine->SetSystemDB(temp.File("secured.mdw"));
    db = engine->CreateWorkspace("W", "Mary", "")
             ->OpenDatabase(temp.File("db.mdb"), false, false, "");
  }

  std::shared_ptr<dao::Document> Document(const std::string& container, const std::string& name) {
    return db->GetContainers()->Item(container)->GetDocuments()->Item(name);
  }

  std::shared_ptr<dao::Database> db;
};

TEST_F(DaoDocuments, PermissionsAreTheAccountsOwnAndAllPermissionsAddItsGroups) {
  auto orders = Document("Tables", "Orders");
  EXPECT_EQ(orders->UserName(), "Mary");
  EXPECT_EQ(orders->Permissions(), dao::dbSecRetrieveData);
  EXPECT_EQ(orders->AllPermissions(),
            dao::dbSecRetrieveData | dao::dbSecWriteDef | dao::dbSecReadDef);
  orders->SetUserName("Editors");
  EXPECT_EQ(orders->Permissions(), dao::dbSecWriteDef);
  EXPECT_EQ(orders->AllPermissions(), dao::dbSecWriteDef);
  orders->SetUserName("Nobody");
  EXPECT_EQ(orders->AllPermissions(), 0);
  orders->SetPermissions(dao::dbSecReadDef);
  EXPECT_EQ(Document("Tables", "Orders")->GetProperties()->Item("UserName")->Value().AsString(),
            "Mary");
  auto again = Document("Tables", "Orders");
  again->SetUserName("nobody");
  EXPECT_EQ(again->Permissions(), dao::dbSecReadDef);
}

TEST_F(DaoDocuments, DocumentsKnowTheirContainerOwnerAndDates) {
  auto macro = Document("Scripts", "autoexec");
  EXPECT_EQ(macro->Name(), "AutoExec");
  EXPECT_EQ(macro->Container(), "Scripts");
  EXPECT_EQ(macro->Owner(), "Mary");
  macro->SetOwner("admin");
  EXPECT_EQ(Document("Scripts", "AutoExec")->Owner(), "admin");
  EXPECT_EQ(com::FormatStamp(macro->DateCreated()), "20260101090000");
  auto properties = macro->GetProperties();
  for (const char* name : {"Name", "Owner", "Container", "UserName", "Permissions",
                           "AllPermissions", "DateCreated", "LastUpdated"})
    EXPECT_NO_THROW(properties->Item(name)) << name;
  EXPECT_EQ(ErrorOf([&] { properties->Item("Description"); }).Number(), 3270);
  Later();
  properties->Append(macro->CreateProperty("Description", dao::dbText, com::Variant("Start-up")));
  EXPECT_EQ(com::FormatStamp(macro->LastUpdated()), "20260101090100");
  EXPECT_EQ(ErrorOf([&] { db->GetContainers()->Item("Macros"); }).Number(), 3265);
  EXPECT_EQ(
      ErrorOf([&] { db->GetContainers()->Item("Forms")->GetDocuments()->Item("Other"); }).Number(),
      3265);
}

TEST_F(DaoDocuments, TablesQueriesAndRelationsHaveTheirDocuments) {
  auto tables = db->GetContainers()->Item("Tables")->GetDocuments();
  EXPECT_EQ(tables->Count(), 2);
  EXPECT_EQ(tables->Item(1)->Name(), "Orders");
  auto relation = db->GetRelations()->Item("Self");
  EXPECT_EQ(relation->Attributes(), 0);
  EXPECT_EQ(relation->GetFields()->Item(0)->ForeignName(), "ID");
  EXPECT_EQ(Document("Relationships", "Self")->Container(), "Relationships");
  EXPECT_EQ(Document("Databases", "MSysDb")->Container(), "Databases");
}

}  // namespace
}  // namespace jet_test
