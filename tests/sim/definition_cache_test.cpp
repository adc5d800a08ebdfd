// Definitions are kept between reads, yet every reader sees what the file
// holds: a write through any connection of the process, and a transaction
// taken back, make every connection read the file again.

#include <gtest/gtest.h>

#include "dao_fixture.h"
#include "sim/jet/catalog.h"
#include "sim/jet/definition_cache.h"
#include "sim/jet/field_store.h"
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

// Scanning a collection asks for every table's fields and every object's
// properties: after a few, the rest are read all at once. Each table must
// still answer its own, in order, and the first write must be seen.
TEST_F(DefinitionCache, FieldsAndPropertiesReadAllAtOnceAnswerEachTableItsOwn) {
  constexpr int kTables = 2 * sim::jet::DefinitionCache::kReadAloneAtMost;
  auto text = [](const std::string& name, const std::string& caption) {
    auto field = Text(name);
    if (!caption.empty()) field.properties = {{"Caption", dao::dbText, com::Variant(caption)}};
    return field;
  };
  auto builder = sim::jet::DatabaseBuilder::Existing(temp.File("db.mdb"));
  builder.Table({.name = "Empty"});
  for (int t = 0; t < kTables; ++t) {
    const std::string n = std::to_string(t);
    builder.Table({.name = "T" + n, .fields = {text("ID" + n, "Key " + n), text("Total" + n, "")}});
  }
  sim::jet::Catalog catalog(sim::jet::JetFile::Open(temp.File("db.mdb"), false), clock(), {});
  sim::jet::ObjectStore objects(catalog);
  sim::jet::PropertyStore properties(catalog);
  sim::jet::FieldStore fields(catalog);
  const auto id = [&](const std::string& table) {
    return objects.Find(objects.Container("Tables"), table)->id;
  };
  const auto described = [&](const std::string& table) {
    const auto description =
        properties.Find({sim::jet::PropertyKey::kObject, id(table), ""}, "Description");
    return description ? com::CStr(description->value) : "(none)";
  };
  const auto names = [&](const std::string& table) {
    std::string listed;
    for (const auto& field : fields.OfTable(id(table))) {
      const auto caption =
          properties.Find({sim::jet::PropertyKey::kField, field.id, ""}, "Caption");
      listed += field.spec.name + "=" + (caption ? com::CStr(caption->value) : "") + ";";
    }
    return listed;
  };
  catalog.Write([&] {
    properties.Add({sim::jet::PropertyKey::kObject, id("T3"), ""},
                   {"Description", dao::dbText, com::Variant("Third"), false});
  });

  for (int pass = 0; pass < 2; ++pass) {
    EXPECT_EQ(names("Empty"), "");
    for (int t = kTables - 1; t >= 0; --t) {
      const std::string n = std::to_string(t);
      EXPECT_EQ(names("T" + n), "ID" + n + "=Key " + n + ";Total" + n + "=;");
      EXPECT_EQ(described("T" + n), t == 3 ? "Third" : "(none)");
    }
  }
  catalog.Write([&] { fields.Insert(id("Empty"), text("Note", "Remark")); });
  EXPECT_EQ(names("Empty"), "Note=Remark;");
  EXPECT_EQ(names("T3"), "ID3=Key 3;Total3=;");
}

}  // namespace
}  // namespace jet_test
