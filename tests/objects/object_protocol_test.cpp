#include <gtest/gtest.h>

#include "driver/project.h"
#include "host/scanner.h"
#include "objects/data/object_base.h"
#include "objects/data/tables.h"
#include "support/driver_test.h"
#include "support/error_matchers.h"

using testing_support::ErrorOf;

class ObjectProtocol : public testing_support::DriverTest {};

TEST_F(ObjectProtocol, CollectionsOfADatabaseAndOfAnAccessProject) {
  NewDatabase("db.mdb");
  auto database = NewProject(Parameters(temp.File("db.mdb")));
  EXPECT_EQ(database->IProject_EnumCollections(),
            "Tables\tQueries\tRelationships\tImportSpecs\tForms\tReports\tDataAccessPages\t"
            "Macros\tModules\tCommandBars");
  auto project = NewProject(Parameters(temp.File("x.adp"), {{"ProjectType", "Project"}}));
  EXPECT_EQ(project->IProject_EnumCollections(),
            "Forms\tReports\tDataAccessPages\tMacros\tModules\tCommandBars");
  EXPECT_EQ(project->IProject_GetCollection("Queries"), nullptr);
  EXPECT_EQ(project->Tables(), nullptr);
  EXPECT_NE(project->Forms(), nullptr);
  EXPECT_EQ(project->IProject_EnumCommands(), "");
  project->IProject_ExecuteCommand(1);
}

TEST_F(ObjectProtocol, ListsHaveNoSeparatorAtTheEnds) {
  NewDatabase("empty.mdb");
  auto empty = NewProject(Parameters(temp.File("empty.mdb")));
  EXPECT_EQ(empty->IProject_GetCollection("Tables")->ICollection_EnumObjects(), "");
  NewDatabase("one.mdb").Table({"Only", {{"X", dao::dbText}}});
  auto one = NewProject(Parameters(temp.File("one.mdb")));
  const std::string list = one->IProject_GetCollection("Tables")->ICollection_EnumObjects();
  EXPECT_TRUE(list.starts_with("Only\t20\t"));
  EXPECT_EQ(list.find('\r'), std::string::npos);
  EXPECT_EQ(list.find('\n'), std::string::npos);
}

TEST_F(ObjectProtocol, AScanThatFailsInTheScannerLeavesTheObjectClosed) {
  NewDatabase("db.mdb").Table({"T", {{"X", dao::dbText}}});
  auto project = NewProject(Parameters(temp.File("db.mdb")));
  auto table = project->IProject_GetCollection("Tables")->ICollection_GetObject("T");
  const com::Error e = ErrorOf([&] { table->IObject_Scan("no-such-session", "T", true, ""); });
  EXPECT_EQ(e.Number(), 5);
  EXPECT_NE(e.Description().find("tovrin.Table.IObject_Scan"), std::string::npos);
  EXPECT_EQ(std::dynamic_pointer_cast<objects::ObjectBase>(table)->Mode(), 0);
}
