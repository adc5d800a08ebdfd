// A real Access file opened through DAO: read as the simulated store is,
// never written, and refused with a reason when it cannot be read.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "com/error.h"
#include "sim/dao_fixture.h"
#include "support/real_files.h"

namespace {

namespace fs = std::filesystem;
using testing_support::CopyRealFixture;

class RealFileDaoTest : public jet_test::DaoTest {
 protected:
  std::string Copy(const std::string& name = "queryTestV2000.mdb") {
    return CopyRealFixture(temp, name);
  }

  // A file of the given bytes in the test's folder.
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = temp.File(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  static std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
};

TEST_F(RealFileDaoTest, TablesQueriesAndPropertiesReadAsDaoGivesThem) {
  auto db = Open(Copy());
  EXPECT_NO_THROW(db->GetTableDefs()->Item("Table2"));
  auto fields = db->GetTableDefs()->Item("Table1")->GetFields();
  ASSERT_EQ(fields->Count(), 3);
  EXPECT_EQ(fields->Item(0)->Name(), "col1");
  auto query = db->GetQueryDefs()->Item("SelectQuery");
  EXPECT_EQ(query->SQL(), testing_support::ExpectedQuerySql("SelectQuery"));
  EXPECT_EQ(query->Type(), dao::dbQSelect);
  EXPECT_EQ(db->GetQueryDefs()->Item("CrosstabQuery")->Type(), dao::dbQCrosstab);
  EXPECT_EQ(db->GetQueryDefs()->Item("PassthroughQuery")->Type(), dao::dbQSQLPassThrough);
}

TEST_F(RealFileDaoTest, FieldPropertiesAndIndexOrderComeFromTheFile) {
  auto table = Open(Copy("compIndexTestV2000.mdb"))->GetTableDefs()->Item("Table1");
  auto agent = table->GetFields()->Item("CD_AGENTE");
  EXPECT_EQ(com::CStr(agent->DefaultValue()), "0");
  auto places = agent->GetProperties()->Item("DecimalPlaces");
  EXPECT_EQ(places->Type(), dao::dbByte);
  EXPECT_EQ(com::CLng(places->Value()), 255);
  EXPECT_EQ(com::CLng(agent->GetProperties()->Item("DisplayControl")->Value()), 109);
  EXPECT_TRUE(table->GetFields()->Item("RS_AGENTE")->AllowZeroLength());
  auto index = table->GetIndexes()->Item("CD_AGENTE");
  EXPECT_EQ(index->GetFields()->Item(0)->Attributes() & dao::dbDescending, dao::dbDescending);
}

TEST_F(RealFileDaoTest, WritesAreRefusedAndTheFileIsNeverChanged) {
  const std::string path = Copy();
  const std::string before = Bytes(path);
  auto db = Open(path);
  auto query = db->GetQueryDefs()->Item("DeleteQuery");
  auto error = com::Capture([&] { query->SetSQL("DELETE * FROM Table2;"); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Number(), 3027);
  error = com::Capture([&] { db->GetTableDefs()->Item("Table1")->SetName("Renamed"); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Number(), 3027);
  db->Close();
  EXPECT_EQ(Bytes(path), before);
}

TEST_F(RealFileDaoTest, DocumentContainersSayTheirDocumentsCannotBeRead) {
  const std::string path = Copy();
  auto db = Open(path);
  for (const char* container : {"Forms", "Reports", "Scripts", "Modules"}) {
    auto error = com::Capture([&] { db->GetContainers()->Item(container)->GetDocuments(); });
    ASSERT_TRUE(error) << container;
    EXPECT_EQ(error->Number(), 3251);
    EXPECT_NE(error->Description().find(path), std::string::npos) << error->Description();
  }
  EXPECT_NO_THROW(db->GetContainers()->Item("Tables")->GetDocuments()->Item("Table1"));
}

TEST_F(RealFileDaoTest, FilesThatCannotBeReadAreRefusedWithTheReason) {
  const std::string real = Bytes(testing_support::RealFixture("queryTestV2000.mdb"));
  std::string ace = real.substr(0, 8192);
  ace.replace(4, 15, "Standard ACE DB");
  std::string newer = real;
  newer[0x14] = 3;
  std::string blank_pages = real.substr(0, 0x80) + std::string(real.size() - 0x80, '\0');
  struct Case {
    const char* name;
    std::string bytes;
    std::int32_t number;
    const char* says;
  } cases[] = {
      {"cut.mdb", real.substr(0, real.size() - 1000), 3049, "corrupt"},
      {"header-only.mdb", real.substr(0, 0x80), 3049, "corrupt"},
      {"blank.mdb", blank_pages, 3049, "corrupt"},
      {"new.accdb", ace, 3343, "Access 2007 or later file (.accdb)"},
      {"newer.mdb", newer, 3343, "Access 2007 or later"},
  };
  for (const auto& c : cases) {
    const std::string path = Write(c.name, c.bytes);
    auto error = com::Capture([&] { Open(path); });
    ASSERT_TRUE(error) << c.name;
    EXPECT_EQ(error->Number(), c.number) << c.name << ": " << error->Description();
    EXPECT_NE(error->Description().find(c.says), std::string::npos) << error->Description();
    EXPECT_EQ(error->Description().find('\n'), std::string::npos) << error->Description();
  }
}

}  // namespace
