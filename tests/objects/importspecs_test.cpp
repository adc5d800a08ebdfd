#include <gtest/gtest.h>

#include "driver/project.h"
#include "objects/data/importspec.h"
#include "objects/data/importspec_columns.h"
#include "objects/data/importspecs.h"
#include "support/driver_test.h"
#include "support/error_matchers.h"
#include "support/object_lists.h"

using sim::jet::ImportColumnSpec;
using sim::jet::ImportSpecSpec;
using testing_support::ErrorOf;
using testing_support::Message;

class ImportSpecsTest : public testing_support::DriverTest {
 protected:
  void SetUp() override {
    ImportSpecSpec delimited;
    delimited.name = "Orders Import";
    delimited.columns = {{"OrderID", dao::dbLong, 1, 5, 0, false, com::Variant(0)},
                         {"Customer's Name", dao::dbText, 6, 30, 0, false, com::Variant::Null()}};
    ImportSpecSpec fixed;
    fixed.name = "Bob's Fixed";
    fixed.spec_type = 2;
    fixed.columns = {{"Code", dao::dbText, 1, 4, 0, false, com::Variant(1)},
                     {"Amount", dao::dbCurrency, 5, 10, 0, false, com::Variant(1)}};
    ImportSpecSpec another;
    another.name = "Another";
    another.columns = {{"Code", dao::dbText, 1, 4, 0, false, com::Variant(1)}};
    NewDatabase("s.mdb").ImportSpec(delimited).ImportSpec(fixed).ImportSpec(another);
    project_ = NewProject(Parameters(temp.File("s.mdb")));
    project_->IProject_EnumCollections();
  }

  std::shared_ptr<objects::ImportSpec> Get(const std::string& name, std::int32_t mode = 2) {
    auto spec = std::dynamic_pointer_cast<objects::ImportSpec>(
        project_->ImportSpecs()->ICollection_GetObject(name));
    spec->IObject_SetMode(mode);
    return spec;
  }

  // Column values of MSysIMEXSpecs or MSysIMEXColumns rows, read afresh.
  std::vector<std::string> Column(const std::string& sql, const char* column) {
    std::vector<std::string> values;
    auto rows = project_->Database()->OpenRecordset(sql, dao::dbOpenDynaset);
    for (; !rows->IsEOF(); rows->MoveNext()) {
      const com::Variant v = rows->GetFields()->Item(column)->Value();
      values.push_back(v.IsNull() ? "<null>" : com::CStr(v));
    }
    rows->Close();
    return values;
  }

  std::shared_ptr<driver::Project> project_;
};

TEST_F(ImportSpecsTest, ListIsSortedByNameWithAnEmptyStamp) {
  EXPECT_EQ(project_->ImportSpecs()->ICollection_EnumObjects(),
            "Another\t3\t\t1\t1\t0\t0\r\nBob's Fixed\t3\t\t1\t1\t0\t0\r\n"
            "Orders Import\t3\t\t1\t1\t0\t0");
}

TEST_F(ImportSpecsTest, ADatabaseWithoutSpecificationsListsNothing) {
  NewDatabase("none.mdb");
  auto project = NewProject(Parameters(temp.File("none.mdb")));
  project->IProject_EnumCollections();
  EXPECT_EQ(project->ImportSpecs()->ICollection_EnumObjects(), "");
  EXPECT_EQ(vxhandler::ProblemLog()->Count(), 0);
}

TEST_F(ImportSpecsTest, SeparatorAndQualifierExistOnlyForDelimitedFiles) {
  auto fixed = Get("Bob's Fixed", 1);
  EXPECT_EQ(fixed->FileFormat(), objects::acFileFormatFixedWidth);
  EXPECT_EQ(ErrorOf([&] { fixed->FieldSeparator(); }).Number(), -32749);
  EXPECT_EQ(ErrorOf([&] { fixed->TextQualifier(); }).Number(), -32749);
  auto delimited = Get("Orders Import", 1);
  EXPECT_EQ(delimited->FieldSeparator(), ",");
  EXPECT_EQ(delimited->TextQualifier(), "\"");
  EXPECT_EQ(delimited->DateDelimiter(), "/");
  for (const char* property : {"FieldSeparator", "TextQualifier"}) {
    EXPECT_FALSE(fixed->Members().Find(property)->IsDefinedOn(*fixed)) << property;
    EXPECT_TRUE(delimited->Members().Find(property)->IsDefinedOn(*delimited)) << property;
  }
}

TEST_F(ImportSpecsTest, StartAndWidthNeedAttributesBitOne) {
  auto spec = Get("Orders Import", 1);
  auto columns = spec->Columns();
  ASSERT_EQ(columns->Count(), 2);
  auto id = columns->Item(com::Variant("OrderID"));
  EXPECT_EQ(ErrorOf([&] { id->Start(); }).Number(), -32749);
  EXPECT_EQ(ErrorOf([&] { id->Width(); }).Number(), -32749);
  auto name = columns->Item(com::Variant(1));
  EXPECT_EQ(ErrorOf([&] { name->Width(); }).Number(), -32749);  // a null reads as 0
  auto code = Get("Bob's Fixed", 1)->Columns()->Item(com::Variant("Code"));
  EXPECT_EQ(code->Start(), 1);
  EXPECT_EQ(code->Width(), 4);
  for (const char* property : {"Start", "Width"}) {
    EXPECT_FALSE(id->Members().Find(property)->IsDefinedOn(*id)) << property;
    EXPECT_TRUE(code->Members().Find(property)->IsDefinedOn(*code)) << property;
  }
}

TEST_F(ImportSpecsTest, ARejectedDelimiterLeavesTheRowUntouched) {
  auto spec = Get("Orders Import");
  for (const std::string bad : {"", "--"}) {
    const com::Error e = ErrorOf([&] { spec->SetDateDelimiter(bad); });
    EXPECT_EQ(e.Number(), -32748);
    EXPECT_EQ(Message(e), "DateDelimiter must be exactly 1 characters in length.");
  }
  EXPECT_EQ(Column("SELECT * FROM MSysIMEXSpecs WHERE SpecName = 'Orders Import';", "DateDelim"),
            std::vector<std::string>{"/"});
  spec->SetDateDelimiter("-");
  EXPECT_EQ(Column("SELECT * FROM MSysIMEXSpecs WHERE SpecName = 'Orders Import';", "DateDelim"),
            std::vector<std::string>{"-"});
  EXPECT_EQ(spec->DateDelimiter(), "-");
  EXPECT_EQ(Message(ErrorOf([&] { spec->SetFieldSeparator(";;"); })),
            "FieldSeparator must be exactly 1 characters in length.");
}

TEST_F(ImportSpecsTest, RenamesFindTheirRowsAndApostrophesStayInsideTheLiteral) {
  auto spec = Get("Bob's Fixed");
  spec->SetName("Bob's Fixed Width");
  spec->SetStartRow(2);
  EXPECT_EQ(spec->IObject_Name(), "Bob's Fixed Width");
  EXPECT_EQ(Column("SELECT SpecName FROM MSysIMEXSpecs ORDER BY SpecName", "SpecName"),
            (std::vector<std::string>{"Another", "Bob's Fixed Width", "Orders Import"}));

  auto orders = Get("Orders Import");
  auto column = orders->Columns()->Item(com::Variant("Customer's Name"));
  column->SetName("Client's Name");
  column->SetSkip(true);
  column->SetDataType(dao::dbMemo);
  EXPECT_EQ(column->Name(), "Client's Name");
  // The column keeps its old key: it has no way back to its collection.
  EXPECT_EQ(orders->Columns()->Item(com::Variant("Customer's Name")), column);
  EXPECT_EQ(Column("SELECT * FROM MSysIMEXColumns ORDER BY FieldName", "FieldName"),
            (std::vector<std::string>{"Amount", "Client's Name", "Code", "Code", "OrderID"}));
  EXPECT_EQ(Column("SELECT * FROM MSysIMEXColumns WHERE FieldName = 'Client''s Name';",
                   "SkipColumn"),
            std::vector<std::string>{"True"});
  EXPECT_EQ(Column("SELECT * FROM MSysIMEXColumns WHERE FieldName = 'Code';", "SkipColumn"),
            (std::vector<std::string>{"False", "False"}));

  orders->IObject_SetMode(0);
  auto reopened = Get("Orders Import", 1);
  EXPECT_EQ(reopened->Columns()->Item(com::Variant(1))->DataType(), dao::dbMemo);
  EXPECT_EQ(Get("Bob's Fixed Width", 1)->StartRow(), 2);
}

TEST_F(ImportSpecsTest, AnEmptyNameIsRefusedAsATableRefusesIt) {
  auto spec = Get("Orders Import");
  const com::Error e = ErrorOf([&] { spec->SetName(""); });
  EXPECT_EQ(e.Number(), 3125);
  EXPECT_EQ(Message(e), "'' is not a valid name. Make sure that it does not include invalid "
                        "characters or punctuation and that it is not too long.");
  EXPECT_EQ(spec->IObject_Name(), "Orders Import");
  EXPECT_EQ(Column("SELECT SpecName FROM MSysIMEXSpecs ORDER BY SpecName", "SpecName"),
            (std::vector<std::string>{"Another", "Bob's Fixed", "Orders Import"}));
}

TEST_F(ImportSpecsTest, AStartThatDoesNotFitIsRefusedBeforeWriting) {
  auto code = Get("Bob's Fixed")->Columns()->Item(com::Variant("Code"));
  EXPECT_EQ(ErrorOf([&] { code->SetStart(40000); }).Number(), 6);
  EXPECT_EQ(Column("SELECT * FROM MSysIMEXColumns WHERE FieldName = 'Code';", "Start"),
            (std::vector<std::string>{"1", "1"}));
}

// A column names a field: a name a field rename refuses is refused here too,
// with the same error, and the row keeps its name.
TEST_F(ImportSpecsTest, AColumnNameObeysTheFieldNameRules) {
  auto order_id = Get("Orders Import")->Columns()->Item(com::Variant("OrderID"));
  for (const std::string& name :
       std::vector<std::string>{"Cl[ient]", "Order.ID", "Order!ID", "Order`ID", "", " Lead",
                                "Tab\tName", "Line\nBreak", std::string(65, 'n')}) {
    const com::Error e = ErrorOf([&] { order_id->SetName(name); });
    EXPECT_EQ(e.Number(), 3125) << name;
    EXPECT_EQ(Message(e), "'" + name +
                              "' is not a valid name. Make sure that it does not include invalid "
                              "characters or punctuation and that it is not too long.");
    EXPECT_EQ(order_id->Name(), "OrderID");
  }
  EXPECT_EQ(Column("SELECT * FROM MSysIMEXColumns WHERE FieldName = 'OrderID';", "FieldName"),
            std::vector<std::string>{"OrderID"});
  order_id->SetName(std::string(64, 'n'));
  EXPECT_EQ(order_id->Name(), std::string(64, 'n'));
}
