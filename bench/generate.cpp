// Generates a large Access application for the benchmark: TABLES tables of
// twenty fields, QUERIES queries, FORMS forms of about thirty controls (a
// third of them with code behind) and three tenths as many reports, and
// beside it a plain text dump of the
// tables' and queries' texts, for grep to read.
//
// usage: quillnet_bench_generate FOLDER [TABLES] [QUERIES] [FORMS]

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cli/document_commands.h"
#include "platform/access.h"
#include "sim/access/stored_document.h"
#include "sim/jet/database_builder.h"
#include "sim/machine.h"

namespace {

constexpr int kFieldsPerTable = 20;
constexpr int kControlPairsPerForm = 14;

std::string TableName(int t) { return "Table" + std::to_string(t); }
std::string FieldName(int t, int f) {
  return f == 0 ? "CustomerID" : "Field" + std::to_string(t) + "_" + std::to_string(f);
}

// A control block at the depth (in levels of four spaces) Access writes it.
std::string Control(const std::string& type, const std::string& name, int top,
                    const std::string& more, int depth = 4) {
  const std::string in(4 * depth, ' ');
  const std::string at = in + "    ";
  return in + "Begin " + type + "\n" + at + "Left =1800\n" + at + "Top =" + std::to_string(top) +
         "\n" + at + "Width =1440\n" + at + "Height =255\n" + at + "Name =\"" + name + "\"\n" +
         more + in + "End\n";
}

// A form over one of the tables, as SaveAsText writes it: a header, the
// detail section with text boxes and combo boxes (each with its label) and a
// command button, a footer, and for every third form its module.
std::string FormText(int form, int tables) {
  const int t = form % tables;
  std::string text = "Version =20\nVersionRequired =20\nBegin Form\n    DefaultView =0\n"
                     "    Width =8640\n    RecordSource =\"" + TableName(t) + "\"\n"
                     "    Caption =\"Form " + std::to_string(form) + "\"\n    Begin\n"
                     "        Begin FormHeader\n            Height =480\n"
                     "            Name =\"FormHeader\"\n        End\n"
                     "        Begin Section\n            Height =9000\n"
                     "            Name =\"Detail\"\n            Begin\n";
  for (int c = 0; c < kControlPairsPerForm; ++c) {
    const std::string field = FieldName(t, c % kFieldsPerTable);
    const bool combo = c % 4 == 3;
    std::string more = "                    ControlSource =\"" + field + "\"\n";
    if (combo)
      more += "                    RowSourceType =\"Table/Query\"\n"
              "                    RowSource =\"SELECT " + FieldName(t, 0) + " FROM " +
              TableName(t) + ";\"\n";
    more += "                    Begin\n" +
            Control("Label", "lbl" + field, 300 * c,
                    "                            Caption =\"" + field + ":\"\n", 6) +
            "                    End\n";
    text += Control(combo ? "ComboBox" : "TextBox", "txt" + field, 300 * c, more);
  }
  const bool code = form % 3 == 0;
  text += Control("CommandButton", "cmdFindCustomerID", 300 * kControlPairsPerForm,
                  "                    Caption =\"Find\"\n" +
                      std::string(code ? "                    OnClick =\"[Event Procedure]\"\n"
                                       : ""));
  text += "            End\n        End\n        Begin FormFooter\n            Height =480\n"
          "            Name =\"FormFooter\"\n        End\n    End\nEnd";
  if (code)
    text += "\nCodeBehindForm\nOption Compare Database\nOption Explicit\n\n"
            "Private Sub cmdFindCustomerID_Click()\n"
            "    Me.Recordset.FindFirst \"CustomerID = '\" & Me!CustomerID & \"'\"\n"
            "End Sub";
  return text;
}

// A report over one of the tables, grouped on its first field, with a text
// box per field in the detail section.
std::string ReportText(int report, int tables) {
  const int t = report % tables;
  std::string text = "Version =20\nVersionRequired =20\nBegin Report\n    Width =9360\n"
                     "    RecordSource =\"" + TableName(t) + "\"\n    Begin\n"
                     "        Begin BreakLevel\n            GroupHeader = NotDefault\n"
                     "            ControlSource =\"" + FieldName(t, 0) + "\"\n        End\n"
                     "        Begin BreakHeader\n            Height =360\n"
                     "            Name =\"GroupHeader0\"\n        End\n"
                     "        Begin Section\n            Height =3000\n"
                     "            Name =\"Detail\"\n            Begin\n";
  for (int c = 0; c < kControlPairsPerForm; ++c) {
    const std::string field = FieldName(t, c % kFieldsPerTable);
    text += Control("TextBox", "txt" + field, 300 * c,
                    "                    ControlSource =\"" + field + "\"\n");
  }
  return text + "            End\n        End\n    End\nEnd";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: quillnet_bench_generate FOLDER [TABLES] [QUERIES] [FORMS]\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const int tables = argc > 2 ? std::stoi(argv[2]) : 2000;
  const int queries = argc > 3 ? std::stoi(argv[3]) : 25000;
  const int forms = argc > 4 ? std::stoi(argv[4]) : 1000;
  // Every query, form and report reads one of the tables.
  if ((queries > 0 || forms > 0) && tables < 1) {
    std::cerr << "quillnet_bench_generate: queries and forms need at least one table\n";
    return 2;
  }
  const int reports = forms * 3 / 10;
  std::filesystem::create_directories(folder);
  sim::Machine machine;  // the builders stamp designs with the machine's clock
  std::ofstream dump(folder / "dump.txt");
  sim::jet::DatabaseBuilder builder((folder / "big.mdb").string());
  std::vector<sim::jet::TableSpec> table_specs;
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
    table_specs.push_back(std::move(table));
  }
  builder.Tables(table_specs);
  std::vector<sim::jet::QuerySpec> query_specs;
  for (int q = 0; q < queries; ++q) {
    const int t = q % tables;
    sim::jet::QuerySpec query;
    query.name = "Query" + std::to_string(q);
    query.sql = "SELECT " + FieldName(t, 0) + ", " + FieldName(t, 1) + " FROM " + TableName(t) +
                " WHERE " + FieldName(t, 2) + " > " + std::to_string(q) + ";";
    dump << query.name << '\n' << query.sql << '\n';
    query_specs.push_back(std::move(query));
  }
  builder.Queries(query_specs);
  std::vector<sim::access::StoredDocument> documents;
  for (int f = 0; f < forms; ++f)
    documents.push_back({msaccess::acForm, "Form" + std::to_string(f), FormText(f, tables), {}, {}, {}});
  for (int r = 0; r < reports; ++r)
    documents.push_back(
        {msaccess::acReport, "Report" + std::to_string(r), ReportText(r, tables), {}, {}, {}});
  cli::StoreDocuments((folder / "big.mdb").string(), "", documents);
  std::cout << (folder / "big.mdb").string() << '\n';
  return 0;
}
