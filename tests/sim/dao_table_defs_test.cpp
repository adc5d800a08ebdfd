#include <gtest/gtest.h>

#include "com/date_time.h"
#include "dao_fixture.h"
#include "support/error_matchers.h"

namespace jet_test {
namespace {

using testing_support::ErrorOf;

// Customers(ID, Name) and Orders(OrderID, CustomerID), related by
// CustomerOrders, with a query over Customers; and a backend with Parts.
class DaoTableDefs : public DaoTest {
 protected:
  DaoTableDefs() {
    Build("back.mdb")
        .Table({.name = "Parts",
                .fields = {Text("Code"), Long("Qty")},
                .properties = {{"Description", dao::dbMemo, com::Variant("Stock")}}})
        .Table({.name = "Suppliers", .fields = {Text("Code"), Text("Name")}});
    Build()
        .Table({.name = "Customers",
                .fields = {Long("ID"), Text("Name")},
                .indexes = {{.name = "PrimaryKey", .fields = {{"ID", false}}, .primary = true},
                            {.name = "ByName", .fields = {{"Name", false}}}}})
        .Table({.name = "Orders", .fields = {Long("OrderID"), Long("CustomerID")}})
        .Relation({.name = "CustomerOrders",
                   .table = "Customers",
                   .foreign_table = "Orders",
                   .fields = {{"ID", "CustomerID"}}})
        .Query({.name = "CustomerNames", .sql = "SELECT Customers.Name FROM Customers;"})
        .Table({.name = "LinkedParts", .connect = Link(), .source_table = "Parts"});
    db = Open(temp.File("db.mdb"));
  }

  std::string Link(const std::string& file = "back.mdb") { return ";DATABASE=" + temp.File(file); }
  std::shared_ptr<dao::TableDef> Table(const std::string& name) {
    return db->GetTableDefs()->Item(name);
  }
  std::string Stamp(const std::string& name) {
    return com::FormatStamp(
        db->GetContainers()->Item("Tables")->GetDocuments()->Item(name)->LastUpdated());
  }

  std::shared_ptr<dao::Database> db;
};

TEST_F(DaoTableDefs, RenamingATableCarriesItsNewNameIntoRelationsAndItsDocument) {
  Later();
  Table("Customers")->SetName("Clients");
  auto relation = db->GetRelations()->Item("CustomerOrders");
  EXPECT_EQ(relation->Table(), "Clients");
  EXPECT_EQ(relation->ForeignTable(), "Orders");
  EXPECT_EQ(Stamp("Clients"), "20260101090100");
  EXPECT_EQ(ErrorOf([&] {
              db->GetContainers()->Item("Tables")->GetDocuments()->Item("Customers");
            }).Number(),
            3265);
  EXPECT_EQ(db->GetQueryDefs()->Item("CustomerNames")->SQL(),
            "SELECT Customers.Name FROM Customers;");
  const auto relation_document =
      db->GetContainers()->Item("Relationships")->GetDocuments()->Item("CustomerOrders");
  EXPECT_EQ(com::FormatStamp(relation_document->LastUpdated()), "20260101090000");
}

TEST_F(DaoTableDefs, ANameTakenOrInvalidIsRefused) {
  struct Case {
    std::string name;
    std::int32_t number;
    std::string description;
  };
  const std::vector<Case> cases = {
      {"ORDERS", 3012, "Object 'ORDERS' already exists."},
      {"CustomerNames", 3012, "Object 'CustomerNames' already exists."},
      {"a.b", 3125,
       "'a.b' is not a valid name. Make sure that it does not include invalid characters or "
       "punctuation and that it is not too long."},
      {"", 3125,
       "'' is not a valid name. Make sure that it does not include invalid characters or "
       "punctuation and that it is not too long."},
  };
  for (const auto& c : cases) {
    const auto e = ErrorOf([&] { Table("Customers")->SetName(c.name); });
    EXPECT_EQ(e.Number(), c.number) << c.name;
    EXPECT_EQ(e.Description(), c.description);
  }
  EXPECT_EQ(Stamp("Customers"), "20260101090000");
  Table("customers")->SetName("CUSTOMERS");
  EXPECT_EQ(Table("Customers")->Name(), "CUSTOMERS");
}

TEST_F(DaoTableDefs, RenamingAFieldCarriesItsNewNameIntoIndexesAndRelations) {
  Later();
  Table("Customers")->GetFields()->Item("ID")->SetName("CustomerKey");
  Table("Orders")->GetFields()->Item("CustomerID")->SetName("Customer");
  EXPECT_EQ(Table("Customers")->GetIndexes()->Item("PrimaryKey")->GetFields()->Item(0)->Name(),
            "CustomerKey");
  auto pair = db->GetRelations()->Item("CustomerOrders")->GetFields()->Item(0);
  EXPECT_EQ(pair->Name(), "CustomerKey");
  EXPECT_EQ(pair->ForeignName(), "Customer");
  EXPECT_EQ(Stamp("Customers"), "20260101090100");
  auto name = Table("Customers")->GetFields()->Item("Name");
  EXPECT_EQ(ErrorOf([&] { name->SetName("customerkey"); }).Number(), 3191);
  EXPECT_EQ(ErrorOf([&] { name->SetName("[Name]"); }).Number(), 3125);
  EXPECT_EQ(ErrorOf([&] { Table("Customers")->GetIndexes()->Item(0)->SetName(" Key"); }).Number(),
            3125);
  EXPECT_EQ(name->Name(), "Name");
}

TEST_F(DaoTableDefs, EveryDesignChangeMovesLastUpdated) {
  const std::vector<std::function<void()>> changes = {
      [&] { Table("Customers")->SetAttributes(dao::dbHiddenObject); },
      [&] { Table("Customers")->SetValidationRule("[ID] > 0"); },
      [&] { Table("Customers")->GetFields()->Item("Name")->SetRequired(true); },
      [&] { Table("Customers")->GetFields()->Item("Name")->SetDefaultValue(com::Variant("x")); },
      [&] { Table("Customers")->GetIndexes()->Item("ByName")->SetName("NameOrder"); },
      [&] {
        auto table = Table("Customers");
        table->GetProperties()->Append(
            table->CreateProperty("Description", dao::dbMemo, com::Variant("d")));
      },
      [&] {
        auto field = Table("Customers")->GetFields()->Item("Name");
        field->GetProperties()->Append(
            field->CreateProperty("Caption", dao::dbMemo, com::Variant("c")));
      },
      [&] {
        auto field = Table("Customers")->GetFields()->Item("Name");
        field->GetProperties()->Item("Caption")->SetValue(com::Variant("d"));
      },
      [&] { Table("Customers")->GetFields()->Item("Name")->GetProperties()->Delete("Caption"); },
  };
  std::string last = Stamp("Customers");
  for (std::size_t i = 0; i < changes.size(); ++i) {
    Later();
    changes[i]();
    EXPECT_NE(Stamp("Customers"), last) << "change " << i;
    last = Stamp("Customers");
  }
  EXPECT_EQ(Table("Customers")->Attributes(), dao::dbHiddenObject);
  EXPECT_EQ(Stamp("Orders"), "20260101090000");
}

TEST_F(DaoTableDefs, AppendingALinkChecksItsSource) {
  auto append = [&](const std::string& name, const std::string& connect,
                    const std::string& source) {
    auto table = db->CreateTableDef(name);
    table->SetConnect(connect);
    table->SetSourceTableName(source);
    db->GetTableDefs()->Append(table);
    return table;
  };
  EXPECT_EQ(ErrorOf([&] { append("P", Link(), "Nothing"); }).Number(), 3011);
  EXPECT_EQ(ErrorOf([&] { append("P", Link("gone.mdb"), "Parts"); }).Number(), 3024);
  EXPECT_EQ(ErrorOf([&] { append("linkedparts", Link(), "Parts"); }).Number(), 3010);
  EXPECT_EQ(ErrorOf([&] { db->GetTableDefs()->Append(db->CreateTableDef("Local")); }).Number(),
            3264);
  Later();
  auto table = append("MoreParts", Link(), "Parts");
  EXPECT_EQ(table->Attributes(), dao::dbAttachedTable);
  EXPECT_EQ(table->GetFields()->Count(), 2);
  EXPECT_TRUE(table->GetProperties()->Item("Description")->Inherited());
  EXPECT_EQ(com::FormatStamp(table->DateCreated()), "20260101090100");
  EXPECT_EQ(db->GetContainers()->Item("Tables")->GetDocuments()->Item("MoreParts")->Owner(),
            "admin");
  EXPECT_EQ(ErrorOf([&] { table->SetSourceTableName("Suppliers"); }).Number(), 3268);
  EXPECT_EQ(ErrorOf([&] { db->GetTableDefs()->Append(table); }).Number(), 3367);
}

TEST_F(DaoTableDefs, RefreshLinkRereadsTheSourceAfterTheConnectChanged) {
  Build("other.mdb").Table({.name = "Parts", .fields = {Text("Code"), Text("Bin"), Long("Qty")}});
  auto table = Table("LinkedParts");
  auto own = table->CreateProperty("Filter", dao::dbMemo, com::Variant("Qty > 0"));
  table->GetProperties()->Append(own);
  table->SetConnect(Link("other.mdb"));
  EXPECT_EQ(table->GetFields()->Count(), 2);
  table->RefreshLink();
  EXPECT_EQ(table->GetFields()->Count(), 3);
  EXPECT_EQ(table->GetFields()->Item(1)->Name(), "Bin");
  EXPECT_EQ(ErrorOf([&] { table->GetProperties()->Item("Description"); }).Number(), 3270);
  EXPECT_EQ(com::CStr(table->GetProperties()->Item("Filter")->Value()), "Qty > 0");
  auto rows = db->OpenRecordset("SELECT Database FROM MSysObjects WHERE Name='LinkedParts'");
  EXPECT_EQ(com::CStr(rows->GetFields()->Item(0)->Value()), temp.File("other.mdb"));
  table->SetConnect(Link("back.mdb"));
  Build("back.mdb");
  const auto e = ErrorOf([&] { table->RefreshLink(); });
  EXPECT_EQ(e.Number(), 3011);
  EXPECT_EQ(ErrorOf([&] { Table("Orders")->RefreshLink(); }).Number(), 3219);
  EXPECT_EQ(ErrorOf([&] { Table("Orders")->SetConnect(Link()); }).Number(), 3268);
}

TEST_F(DaoTableDefs, TheDesignOfALinkedTableBelongsToItsSource) {
  auto table = Table("LinkedParts");
  EXPECT_EQ(ErrorOf([&] { table->GetFields()->Item("Code")->SetName("PartCode"); }).Number(), 3027);
  EXPECT_EQ(ErrorOf([&] { table->SetValidationRule("x"); }).Number(), 3027);
  auto description = table->GetProperties()->Item("Description");
  description->SetValue(com::Variant("Parts here"));
  EXPECT_FALSE(description->Inherited());
  EXPECT_EQ(com::CStr(description->Value()), "Parts here");
  table->SetAttributes(dao::dbHiddenObject | dao::dbAttachSavePWD);
  EXPECT_EQ(table->Attributes(), dao::dbAttachedTable | dao::dbHiddenObject | dao::dbAttachSavePWD);
}

TEST_F(DaoTableDefs, DeletingATableInARelationIsRefused) {
  EXPECT_EQ(ErrorOf([&] { db->GetTableDefs()->Delete("Orders"); }).Number(), 3281);
  EXPECT_EQ(ErrorOf([&] { db->GetTableDefs()->Delete("CustomerNames"); }).Number(), 3265);
  auto tables = db->GetTableDefs();
  const auto count = tables->Count();
  auto stale = tables->Item("LinkedParts");
  tables->Delete("LinkedParts");
  EXPECT_EQ(tables->Count(), count - 1);
  EXPECT_EQ(ErrorOf([&] { stale->Name(); }).Number(), 3420);
  EXPECT_EQ(ErrorOf([&] {
              db->GetContainers()->Item("Tables")->GetDocuments()->Item("LinkedParts");
            }).Number(),
            3265);
}

TEST_F(DaoTableDefs, AnEnforcedRelationKeepsAForeignIndexOnTheForeignTable) {
  auto index = Table("Orders")->GetIndexes()->Item("CustomerOrders");
  EXPECT_TRUE(index->Foreign());
  EXPECT_EQ(index->GetFields()->Item(0)->Name(), "CustomerID");
  EXPECT_EQ(ErrorOf([&] {
              Table("Customers")->GetIndexes()->Item("ByName")->SetName("primarykey");
            }).Number(),
            3284);
}

TEST_F(DaoTableDefs, CollectionsAreReadAgainOnRefresh) {
  auto tables = db->GetTableDefs();
  const auto count = tables->Count();
  Open(temp.File("db.mdb"))->GetTableDefs()->Item("Orders")->SetName("Sales");
  EXPECT_EQ(tables->Item("Sales")->Name(), "Sales");
  Build("db2.mdb");
  auto other = Open(temp.File("db.mdb"));
  auto link = other->CreateTableDef("Suppliers");
  link->SetConnect(Link());
  link->SetSourceTableName("Suppliers");
  other->GetTableDefs()->Append(link);
  EXPECT_EQ(tables->Count(), count);
  tables->Refresh();
  EXPECT_EQ(tables->Count(), count + 1);
  EXPECT_EQ(ErrorOf([&] { tables->Item(count + 1); }).Number(), 3265);
}

}  // namespace
}  // namespace jet_test
