// A query's SaveAsText text: its design read into SQL and written from it,
// property lines, what changes when the SQL or a property does, and the text
// it refuses.

#include "sim/access/query_design_text.h"

#include <gtest/gtest.h>

#include "com/text.h"
#include "platform/dao.h"
#include "sim/access/text_format_error.h"
#include "support/real_files.h"

namespace {

using sim::access::QueryDesignText;
using sim::access::TextFormatError;

// A query as Access writes it, with the parts a reader must keep: the Where
// cut over two lines at a place of its own (not Access's 80 characters), a
// binary GUID, the columns' properties and the design window's layout.
const std::vector<std::string> kQueryLines = {
    "Operation =1",
    "Option =0",
    "Where =\"(((Customers.City)=\\\"Berlin\\\") AND ((Orders.Shipped) Is Null Or \"",
    "    \"(Orders.Shipped)>#1/1/2000#))\"",
    "Begin InputTables",
    "    Name =\"Customers\"",
    "    Name =\"Orders\"",
    "    Alias =\"O\"",
    "End",
    "Begin OutputColumns",
    "    Expression =\"Customers.CustomerID\"",
    "    Alias =\"Total\"",
    "    Expression =\"O.Freight*2\"",
    "End",
    "Begin Joins",
    "    LeftTable =\"Customers\"",
    "    RightTable =\"O\"",
    "    Expression =\"Customers.CustomerID = O.CustomerID\"",
    "    Flag =2",
    "End",
    "Begin OrderBy",
    "    Expression =\"Customers.CustomerID\"",
    "    Flag =1",
    "End",
    "dbBoolean \"ReturnsRecords\" =\"-1\"",
    "dbInteger \"ODBCTimeout\" =\"60\"",
    "dbByte \"RecordsetType\" =\"0\"",
    "dbText \"Description\" =\"Customers of Berlin\"",
    "dbBinary \"GUID\" = Begin",
    "    0x5823aee7d44b5b4d98653d7b0932eb63",
    "End",
    "Begin",
    "    Begin",
    "        dbText \"Name\" =\"Customers.CustomerID\"",
    "        dbLong \"AggregateType\" =\"-1\"",
    "    End",
    "End",
    "Begin",
    "    State =0",
    "    ColumnsShown =539",
    "    Begin",
    "        Left =48",
    "        Name =\"Customers\"",
    "        Name =\"\"",
    "    End",
    "End",
};
const std::string kQuery = com::Join(kQueryLines, "\n");

const std::string kQuerySql =
    "SELECT Customers.CustomerID, O.Freight*2 AS Total\r\n"
    "FROM Customers LEFT JOIN Orders AS O ON Customers.CustomerID = O.CustomerID\r\n"
    "WHERE (((Customers.City)=\"Berlin\") AND ((Orders.Shipped) Is Null Or "
    "(Orders.Shipped)>#1/1/2000#))\r\n"
    "ORDER BY Customers.CustomerID DESC;";

std::vector<std::string> LinesOf(const QueryDesignText& text) { return com::Split(text.Render(), "\n"); }

// kQueryLines with lines [from, to) replaced.
std::vector<std::string> QueryLinesWith(std::size_t from, std::size_t to,
                                        const std::vector<std::string>& lines) {
  std::vector<std::string> result(kQueryLines.begin(), kQueryLines.begin() + static_cast<std::ptrdiff_t>(from));
  result.insert(result.end(), lines.begin(), lines.end());
  result.insert(result.end(), kQueryLines.begin() + static_cast<std::ptrdiff_t>(to), kQueryLines.end());
  return result;
}

TEST(QueryDesignText, ReadsTheDesignAndGivesBackItsText) {
  const QueryDesignText text = QueryDesignText::Parse(kQuery);
  EXPECT_EQ(text.Sql(), kQuerySql);
  EXPECT_EQ(text.SqlLine(), 1u);
  EXPECT_EQ(text.Render(), kQuery);
  const auto properties = text.Properties();
  ASSERT_EQ(properties.size(), 5u);
  EXPECT_EQ(properties[3].name, "Description");
  EXPECT_EQ(properties[3].type, dao::dbText);
  EXPECT_EQ(properties[3].text, "Customers of Berlin");
  EXPECT_EQ(properties[3].line, 28u);
  EXPECT_EQ(properties[4].type, dao::dbBinary);
  EXPECT_EQ(properties[4].text.size(), 16u);
}

// Where Access's SQL view differs from the expected texts of the fixtures,
// this follows Access: a parameter name with a blank in brackets, and the
// statement of a pass-through or data-definition query without the NUL Jet
// stores after it.
TEST(QueryDesignText, EveryFixtureQueryTypeComesBackThroughText) {
  const struct {
    const char* name;
    const char* connect;
    bool design;
  } queries[] = {{"SelectQuery", "", true},        {"DeleteQuery", "", true},
                 {"AppendQuery", "", true},        {"UpdateQuery", "", true},
                 {"MakeTableQuery", "", true},     {"CrosstabQuery", "", true},
                 {"UnionQuery", "", false},        {"PassthroughQuery", "ODBC;", false},
                 {"DataDefinitionQuery", "", false}};
  for (const auto& query : queries) {
    std::string sql = testing_support::ExpectedQuerySql(query.name);
    if (sql.back() == '\0') sql.pop_back();
    const std::string bare = "PARAMETERS User Name Text;";
    if (sql.starts_with(bare)) sql.replace(0, bare.size(), "PARAMETERS [User Name] Text;");
    const std::string written = QueryDesignText::Of(sql, query.connect).Render();
    EXPECT_EQ(written.starts_with("Operation ="), query.design) << query.name << "\n" << written;
    EXPECT_EQ(written.starts_with("dbMemo \"SQL\" =\""), !query.design) << query.name;
    const QueryDesignText read = QueryDesignText::Parse(written);
    EXPECT_EQ(read.Sql(), sql) << query.name << "\n" << written;
    EXPECT_EQ(read.Render(), written) << query.name;
  }
}

// Access keeps a parameter that names a control as the reference in its
// brackets: the SQL writes it once, not in brackets again.
TEST(QueryDesignText, ParametersNamedByReferencesKeepTheirBrackets) {
  const QueryDesignText text = QueryDesignText::Parse(com::Join(
      {"Operation =1", "Option =0", "Where =\"(((Orders.OrderDate)>=[Forms]![frmOrders]![txtFrom]))\"",
       "Begin InputTables", "    Name =\"Orders\"", "End", "Begin OutputColumns",
       "    Expression =\"Orders.*\"", "End", "Begin Parameters",
       "    Name =\"[Forms]![frmOrders]![txtFrom]\"", "    Flag =8", "    Name =\"[Which city?]\"",
       "    Flag =10", "    Name =\"Order Count\"", "    Flag =4", "End"},
      "\n"));
  EXPECT_EQ(text.Sql(),
            "PARAMETERS [Forms]![frmOrders]![txtFrom] DateTime, [Which city?] Text, [Order Count] Long;\r\n"
            "SELECT Orders.*\r\nFROM Orders\r\n"
            "WHERE (((Orders.OrderDate)>=[Forms]![frmOrders]![txtFrom]));");
}

TEST(QueryDesignText, AChangedSqlRewritesOnlyTheDesignItemsThatChange) {
  QueryDesignText text = QueryDesignText::Parse(kQuery);
  text.SetSql(kQuerySql, "");
  EXPECT_EQ(text.Render(), kQuery);

  const std::string koeln = com::Join(com::Split(kQuerySql, "Berlin"), "K\xC3\xB6ln");
  text.SetSql(koeln, "");
  EXPECT_EQ(LinesOf(text),
            QueryLinesWith(2, 4, {"Where =\"(((Customers.City)=\\\"K\xC3\xB6ln\\\") AND ((Orders.Shipped) "
                                  "Is Null Or (Orders.Shipped)>#\"",
                                  "    \"1/1/2000#))\""}));
  EXPECT_EQ(QueryDesignText::Parse(text.Render()).Sql(), koeln);

  QueryDesignText column = QueryDesignText::Parse(kQuery);
  const std::string city = com::Join(com::Split(kQuerySql, "AS Total"), "AS Total, Customers.City");
  column.SetSql(city, "");
  EXPECT_EQ(LinesOf(column), QueryLinesWith(12, 13, {"    Expression =\"O.Freight*2\"",
                                                     "    Expression =\"Customers.City\""}));
  EXPECT_EQ(QueryDesignText::Parse(column.Render()).Sql(), city);
}

TEST(QueryDesignText, ADesignWhoseNewSqlNoDesignShowsBecomesItsSqlLine) {
  QueryDesignText text = QueryDesignText::Parse(kQuery);
  const std::string sql = "SELECT City FROM Customers\r\nUNION SELECT City FROM Suppliers;";
  text.SetSql(sql, "");
  const auto lines = LinesOf(text);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "dbMemo \"SQL\" =\"SELECT City FROM Customers\\015\\012UNION SELECT City FROM "
                           "Suppliers;\"");
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()),
            std::vector<std::string>(kQueryLines.begin() + 24, kQueryLines.end()));
  EXPECT_EQ(QueryDesignText::Parse(text.Render()).Sql(), sql);
}

TEST(QueryDesignText, AChangedPropertyRewritesItsLineOnly) {
  QueryDesignText text = QueryDesignText::Parse(kQuery);
  text.SetProperty("ReturnsRecords", dao::dbBoolean, true);
  text.SetProperty("ODBCTimeout", dao::dbInteger, std::int16_t{60});
  EXPECT_EQ(text.Render(), kQuery);
  text.SetProperty("description", dao::dbText, "Kunden aus Berlin");
  EXPECT_EQ(LinesOf(text), QueryLinesWith(27, 28, {"dbText \"Description\" =\"Kunden aus Berlin\""}));

  text.SetProperty("OrderByOn", dao::dbBoolean, false);
  text.RemoveProperty("RecordsetType");
  EXPECT_EQ(LinesOf(text),
            QueryLinesWith(26, 31, {"dbText \"Description\" =\"Kunden aus Berlin\"", kQueryLines[28],
                                    kQueryLines[29], kQueryLines[30], "dbBoolean \"OrderByOn\" =\"0\""}));
}

struct QueryTextRefusalCase {
  const char* what;
  std::vector<std::string> lines;
  std::size_t line;
  const char* says;
};

class QueryTextRefusal : public ::testing::TestWithParam<QueryTextRefusalCase> {};

TEST_P(QueryTextRefusal, NamesTheLine) {
  const auto& refusal = GetParam();
  try {
    QueryDesignText::Parse(com::Join(refusal.lines, "\n"));
    ADD_FAILURE() << "read";
  } catch (const TextFormatError& error) {
    EXPECT_EQ(error.line(), refusal.line) << error.what();
    EXPECT_NE(std::string(error.what()).find(refusal.says), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QueryTextRefusal,
    ::testing::Values(
        QueryTextRefusalCase{"an_unknown_item",
                             {"Operation =1", "Option =0", "Begin InputTables", "    Nme =\"T\"", "End"},
                             4, "Nme is no item of the design's InputTables"},
        QueryTextRefusalCase{"a_union_as_a_design", {"Operation =9", "Option =0"}, 1,
                             "Operation =9 is no kind of query a design shows"},
        QueryTextRefusalCase{"an_alias_before_its_table",
                             {"Operation =1", "Begin InputTables", "    Alias =\"A\"", "End"}, 3,
                             "Alias before the first Name"},
        QueryTextRefusalCase{"a_column_without_expression",
                             {"Operation =1", "Begin OutputColumns", "    Alias =\"A\"", "End"}, 4,
                             "without its Expression"},
        QueryTextRefusalCase{"a_flag_in_words",
                             {"Operation =1", "Begin Joins", "    LeftTable =\"A\"", "    Flag =\"left\"",
                              "End"},
                             4, "the value of Flag is not a whole number"},
        QueryTextRefusalCase{"an_unknown_type",
                             {"dbMemo \"SQL\" =\"SELECT * FROM T;\"", "dbWord \"X\" =\"1\""}, 2,
                             "dbWord is no DAO type"},
        QueryTextRefusalCase{"a_yes_no_in_words",
                             {"dbMemo \"SQL\" =\"SELECT * FROM T;\"", "dbBoolean \"ReturnsRecords\" =\"maybe\""},
                             2, "is no value of a dbBoolean property"},
        QueryTextRefusalCase{"a_design_and_its_sql",
                             {"Operation =1", "Option =0", "dbMemo \"SQL\" =\"SELECT * FROM T;\""}, 3,
                             "both a design and its SQL"},
        QueryTextRefusalCase{"neither", {"dbText \"Description\" =\"x\""}, 0, "neither a design"},
        QueryTextRefusalCase{"no_statement", {"dbText \"Description\" =\"x\"", "dbMemo \"SQL\" =\"HELLO\""},
                             2, "no statement Jet reads"},
        QueryTextRefusalCase{"a_form_line", {"Operation =1", "Caption =\"x\""}, 2,
                             "Caption is no item of a query's text"},
        QueryTextRefusalCase{"a_form", {"Begin Form", "End"}, 1, "'Begin Form' is no block"}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
