// Generates a large Access application for the benchmark: TABLES tables of
// twenty fields and QUERIES queries, and beside it a plain text dump of the
// same texts, for grep to read.
//
// usage: quillnet_bench_generate FOLDER [TABLES] [QUERIES]

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "sim/jet/database_builder.h"
#include "sim/machine.h"

namespace {

constexpr int kFieldsPerTable = 20;

std::string TableName(int t) { return "Table" + std::to_string(t); }
std::string FieldName(int t, int f) {
  return f == 0 ? "CustomerID" : "Field" + std::to_string(t) + "_" + std::to_string(f);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: quillnet_bench_generate FOLDER [TABLES] [QUERIES]\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const int tables = argc > 2 ? std::stoi(argv[2]) : 2000;
  const int queries = argc > 3 ? std::stoi(argv[3]) : 25000;
  std::filesystem::create_directories(folder);
  sim::Machine machine;  // the builders stamp designs with the machine's clock
  std::ofstream dump(folder / "dump.txt");
  sim::jet::DatabaseBuilder builder((folder / "big.mdb").string());
  for (int t = 0; t < tables; ++t) {
    sim::jet::TableSpec table;
    table.name = TableName(t);
    dump << table.name << '\n';
    for (int f = 0; f < kFieldsPerTable; ++f) {
      sim::jet::FieldSpec field;
      field.name = FieldName(t, f);
      field.type = f % 2 ? dao::dbLong : dao::dbText;
      field.properties = {{"Caption", dao::dbMemo, com::Variant("Caption of " + field.name)}};
      // Access gives every number field its DecimalPlaces ("Auto", 255).
      if (field.type == dao::dbLong)
        field.properties.push_back({"DecimalPlaces", dao::dbByte, com::Variant(std::uint8_t{255})});
      dump << field.name << "\nCaption of " << field.name << '\n';
      table.fields.push_back(field);
    }
    builder.Table(table);
  }
  for (int q = 0; q < queries; ++q) {
    const int t = q % tables;
    sim::jet::QuerySpec query;
    query.name = "Query" + std::to_string(q);
    query.sql = "SELECT " + FieldName(t, 0) + ", " + FieldName(t, 1) + " FROM " + TableName(t) +
                " WHERE " + FieldName(t, 2) + " > " + std::to_string(q) + ";";
    dump << query.name << '\n' << query.sql << '\n';
    builder.Query(query);
  }
  std::cout << (folder / "big.mdb").string() << '\n';
  return 0;
}
