// Reading the catalogue of real Access files (Access 97 and Access 2000),
// and the SQL of their queries built from the designs Jet stores.

#include "jetfile/real_file_reader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "com/text.h"
#include "support/real_files.h"
#include "support/temp_dir.h"

namespace {

using testing_support::CopyRealFixture;
using testing_support::ExpectedQuerySql;

// Where the SQL built here differs from the expected texts, it follows
// Access's own SQL view:
// - a parameter name with a blank is written in brackets, as Access writes it
//   (the expected text leaves it bare, which Jet could not read back);
// - the statement of a pass-through or data-definition query ends before the
//   NUL Jet stores after it.
std::string AsAccessShowsIt(const std::string& query) {
  std::string sql = ExpectedQuerySql(query);
  if (!sql.empty() && sql.back() == '\0') sql.pop_back();
  const std::string bare = "PARAMETERS User Name Text;";
  if (sql.rfind(bare, 0) == 0) sql.replace(0, bare.size(), "PARAMETERS [User Name] Text;");
  return sql;
}

const sim::jet::QuerySpec& Query(const jetfile::RealContents& contents, const std::string& name) {
  const auto found = std::find_if(contents.queries.begin(), contents.queries.end(),
                                  [&](const auto& q) { return q.name == name; });
  if (found == contents.queries.end()) throw std::runtime_error("no query " + name);
  return *found;
}

class QueryFileTest : public ::testing::TestWithParam<const char*> {
 protected:
  testing_support::TempDir temp_;
};

TEST_P(QueryFileTest, EveryQueryTypeGivesTheSqlAccessShows) {
  const auto contents = jetfile::RealFileReader::Read(CopyRealFixture(temp_, GetParam()));
  for (const char* name : {"SelectQuery", "DeleteQuery", "AppendQuery", "UpdateQuery",
                           "MakeTableQuery", "CrosstabQuery", "UnionQuery", "PassthroughQuery",
                           "DataDefinitionQuery"})
    EXPECT_EQ(Query(contents, name).sql, AsAccessShowsIt(name)) << name;
  EXPECT_EQ(Query(contents, "PassthroughQuery").connect, "ODBC;");
  EXPECT_EQ(contents.queries.size(), 9u);
}

TEST_P(QueryFileTest, TablesComeWithTheirFields) {
  const auto contents = jetfile::RealFileReader::Read(CopyRealFixture(temp_, GetParam()));
  std::vector<std::string> tables;
  for (const auto& t : contents.tables) tables.push_back(t.name);
  std::sort(tables.begin(), tables.end());
  EXPECT_EQ(com::Join(tables, ","), "Table1,Table2,Table3");
  for (const auto& t : contents.tables) {
    std::vector<std::string> fields;
    for (const auto& f : t.fields) fields.push_back(f.name);
    EXPECT_EQ(com::Join(fields, ","), "col1,col2,col3") << t.name;
  }
}

INSTANTIATE_TEST_SUITE_P(AccessVersions, QueryFileTest,
                         ::testing::Values("queryTestV2000.mdb", "queryTestV1997.mdb"));

TEST(RealFileReaderTest, IndexesKeepTheirFieldsAndFlags) {
  testing_support::TempDir temp;
  const auto compound =
      jetfile::RealFileReader::Read(CopyRealFixture(temp, "compIndexTestV2000.mdb"));
  ASSERT_EQ(compound.tables.size(), 1u);
  ASSERT_EQ(compound.tables[0].indexes.size(), 1u);
  EXPECT_EQ(compound.tables[0].indexes[0].name, "CD_AGENTE");
  EXPECT_EQ(compound.tables[0].indexes[0].fields.size(), 1u);
  const auto flagged =
      jetfile::RealFileReader::Read(CopyRealFixture(temp, "testIndexPropertiesV2000.mdb"));
  std::size_t unique = 0, ignore_nulls = 0;
  for (const auto& t : flagged.tables)
    for (const auto& i : t.indexes) {
      EXPECT_FALSE(i.fields.empty()) << t.name << "." << i.name;
      unique += i.unique;
      ignore_nulls += i.ignore_nulls;
    }
  EXPECT_GT(unique, 0u);
  EXPECT_GT(ignore_nulls, 0u);
}

}  // namespace
