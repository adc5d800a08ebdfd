// Definitions are kept between reads, yet every reader sees what the file
// holds: a write through any connection of the process, and the end of a
// transaction, make every connection read the file again.

#include <gtest/gtest.h>

#include "dao_fixture.h"
#include "sim/jet/catalog.h"
#include "sim/jet/jet_file.h"
#include "sim/jet/object_store.h"
#include "sim/jet/property_store.h"
#include "support/error_matchers.h"

namespace jet_test {
namespace {

class DefinitionCache : public DaoTest {
 protected:
  void SetUp() override {
    Build()
        .Table({.name = "Customers", .fields = {Text("Name")}})
        .Query({.name = "qNames", .sql = "SELECT Name FROM Customers;"});
  }

  // A second connection to the same file, through an engine of its own.
  std::shared_ptr<dao::Database> OpenElsewhere() {
    return machine.NewDBEngine()
        ->CreateWorkspace("Other", "admin", "")
        ->OpenDatabase(temp.File("db.mdb"), false, false, "");
  }

  static std::string Caption(dao::Field& field) {
    auto caption = field.GetProperties()->Find("Caption");
    return caption ? com::CStr(caption->Value()) : "(none)";
  }
};

TEST_F(DefinitionCache, AWriteThroughOneConnectionIsSeenByTheOther) {
  auto reader = Open(temp.File("db.mdb"));
  auto writer = OpenElsewhere();
  auto query = reader->GetQueryDefs()->Item("qNames");
  auto table = reader->GetTableDefs()->Item("Customers");
  auto field = table->GetFields()->Item("Name");
  ASSERT_EQ(query->SQL(), "SELECT Name FROM Customers;");
  ASSERT_EQ(table->ValidationRule(), "");
  ASSERT_EQ(Caption(*field), "(none)");

  writer->GetQueryDefs()->Item("qNames")->SetSQL("SELECT * FROM Customers;");
  auto written = writer->GetTableDefs()->Item("Customers");
  written->SetValidationRule("[Name] Is Not Null");
  auto written_field = written->GetFields()->Item("Name");
  written_field->GetProperties()->Append(
      written_field->CreateProperty("Caption", dao::dbText, com::Variant("Customer name")));

  EXPECT_EQ(query->SQL(), "SELECT * FROM Customers;");
  EXPECT_EQ(table->ValidationRule(), "[Name] Is Not Null");
  EXPECT_EQ(Caption(*field), "Customer name");
  field->GetProperties()->Delete("Caption");
  EXPECT_EQ(Caption(*written_field), "(none)");
}

TEST_F(DefinitionCache, WhatWasReadInsideAnUndoneTransactionIsForgotten) {
  sim::jet::Catalog catalog(sim::jet::JetFile::Open(temp.File("db.mdb"), false), clock(), {});
  sim::jet::ObjectStore objects(catalog);
  const std::int64_t id = objects.Find(objects.Container("Tables"), "Customers")->id;
  const sim::jet::PropertyKey key{sim::jet::PropertyKey::kObject, id, ""};
  sim::jet::PropertyStore properties(catalog);
  ASSERT_FALSE(properties.Find(key, "Description"));

  const auto error = com::Capture([&] {
    catalog.Write([&] {
      objects.Rename(id, "Clients", 3012);
      properties.Add(key, {"Description", dao::dbText, com::Variant("All of them"), false});
      // Read inside the transaction: the new name and property are what it sees.
      EXPECT_EQ(objects.Get(id).name, "Clients");
      EXPECT_TRUE(properties.Find(key, "description"));
      com::Raise(3000, "Reserved error.");
    });
  });
  ASSERT_TRUE(error);
  EXPECT_EQ(objects.Get(id).name, "Customers");
  EXPECT_FALSE(properties.Find(key, "Description"));
}

}  // namespace
}  // namespace jet_test
