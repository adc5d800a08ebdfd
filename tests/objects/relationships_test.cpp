#include <gtest/gtest.h>

#include "com/date_time.h"
#include "driver/project.h"
#include "objects/data/relationship.h"
#include "objects/data/relationships.h"
#include "objects/data/table.h"
#include "objects/data/tables.h"
#include "support/driver_test.h"
#include "support/error_matchers.h"
#include "support/object_lists.h"

using testing_support::ParseObjectList;

class RelationshipsTest : public testing_support::DriverTest {
 protected:
  void SetUp() override {
    NewDatabase("r.mdb")
        .Table({"Orders", {{"OrderID", dao::dbLong}, {"LineNo", dao::dbLong}}})
        .Table({"Lines", {{"Order", dao::dbLong}, {"Line", dao::dbLong}, {"Qty", dao::dbLong}}})
        .Table({"Notes", {{"OrderID", dao::dbLong}}})
        .Relation({"OrdersLines", "Orders", "Lines", {{"OrderID", "Order"}, {"LineNo", "Line"}},
                   dao::dbRelationUpdateCascade | dao::dbRelationDeleteCascade})
        .Relation({"OrdersNotes", "Orders", "Notes", {{"OrderID", "OrderID"}}, 0})
        .Relation({"Inherited", "Orders", "Notes", {{"OrderID", "OrderID"}},
                   dao::dbRelationInherited})
        .Relation({"{0A1B2C3D-4E5F-6A7B-8C9D-0E1F2A3B4C5D}", "Orders", "Notes",
                   {{"OrderID", "OrderID"}}, 0})
        .Relation({"{0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5e}", "Orders", "Notes",
                   {{"OrderID", "OrderID"}}, 0})
        .Relation({"~TMPCLP77", "Orders", "Notes", {{"OrderID", "OrderID"}}, 0})
        .LastUpdated("Relationships", "OrdersLines", com::MakeDate({2026, 1, 1, 0, 0, 1}))
        .LastUpdated("Tables", "Orders", com::MakeDate({2026, 1, 2, 0, 0, 2}))
        .LastUpdated("Tables", "Lines", com::MakeDate({2026, 1, 3, 0, 0, 3}));
    project_ = NewProject(Parameters(temp.File("r.mdb")));
    project_->IProject_EnumCollections();
  }

  std::map<std::string, std::vector<std::string>> List() {
    return ParseObjectList(project_->Relationships()->ICollection_EnumObjects());
  }

  std::shared_ptr<objects::Relationship> Get(const std::string& name) {
    auto r = std::dynamic_pointer_cast<objects::Relationship>(
        project_->Relationships()->ICollection_GetObject(name));
    r->IObject_SetMode(1);
    return r;
  }

  std::shared_ptr<driver::Project> project_;
};

TEST_F(RelationshipsTest, ListSkipsInheritedGuidAndClipboardRelations) {
  auto list = List();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list["OrdersLines"],
            (std::vector<std::string>{"OrdersLines", "17",
                                      "20260101000001.20260102000002.20260103000003", "1", "1",
                                      "0", "0"}));
  EXPECT_EQ(list.count("OrdersNotes"), 1u);
}

TEST_F(RelationshipsTest, FieldListsCorrespondPositionByPosition) {
  auto r = Get("OrdersLines");
  EXPECT_EQ(r->Fields(), "OrderID, LineNo");
  EXPECT_EQ(r->ForeignFields(), "Order, Line");
  EXPECT_EQ(r->Table(), "Orders");
  EXPECT_EQ(r->ForeignTable(), "Lines");
  EXPECT_TRUE(r->CascadeUpdate());
  EXPECT_TRUE(r->CascadeDelete());
  EXPECT_TRUE(r->EnforceIntegrity());
  EXPECT_FALSE(r->Unique());
  auto plain = Get("OrdersNotes");
  EXPECT_TRUE(plain->EnforceIntegrity());  // attributes 0
  EXPECT_FALSE(plain->CascadeDelete());
  plain->IObject_SetMode(0);
  EXPECT_EQ(testing_support::ErrorOf([&] { plain->Table(); }).Number(), 91);
}

TEST_F(RelationshipsTest, AChangeToEitherTableChangesEveryStampThatUsesIt) {
  const auto before = List();
  clock().Advance(5000);
  auto lines = project_->Tables()->ICollection_GetObject("Lines");
  lines->IObject_SetMode(2);
  std::dynamic_pointer_cast<objects::Table>(lines)->SetValidationRule("[Qty] > 0");
  lines->IObject_SetMode(0);
  const auto after = List();
  EXPECT_NE(after.at("OrdersLines")[2], before.at("OrdersLines")[2]);
  EXPECT_EQ(after.at("OrdersNotes")[2], before.at("OrdersNotes")[2]);

  clock().Advance(5000);
  auto orders = project_->Tables()->ICollection_GetObject("Orders");
  orders->IObject_SetMode(2);
  std::dynamic_pointer_cast<objects::Table>(orders)->SetValidationRule("[OrderID] > 0");
  orders->IObject_SetMode(0);
  const auto later = List();
  EXPECT_NE(later.at("OrdersLines")[2], after.at("OrdersLines")[2]);
  EXPECT_NE(later.at("OrdersNotes")[2], after.at("OrdersNotes")[2]);
}

TEST_F(RelationshipsTest, NoCommandsAndNothingToWrite) {
  auto relationships = project_->Relationships();
  EXPECT_EQ(relationships->ICollection_EnumObjectCommands("OrdersLines"), "");
  relationships->ICollection_ExecuteObjectCommand("OrdersLines", 5);  // does nothing
  auto r = Get("OrdersLines");
  for (const auto& member : r->Members().Members()) EXPECT_FALSE(member.CanLet()) << member.name;
}
