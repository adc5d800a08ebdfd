// quillnet import and export: a folder in the source-control add-ins' layout
// loaded into a database and written out again.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "cli/document_commands.h"
#include "com/text.h"
#include "platform/access.h"
#include "sim/access/document_store.h"
#include "sim/access/query_text_store.h"
#include "sim/jet/catalog.h"
#include "sim/jet/database_builder.h"
#include "sim/jet/jet_file.h"
#include "support/utf16.h"
#include "support/command_line.h"
#include "support/machine_test.h"

namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

using testing_support::Utf16;

const std::string kFormLines =
    "Version =20\nVersionRequired =20\nBegin Form\n    RecordSource =\"Customers\"\n    Begin\n"
    "        Begin Section\n            Name =\"Detail\"\n            Begin\n"
    "                Begin TextBox\n                    ControlSource =\"CustomerID\"\n\n"
    "                    LayoutCachedLeft =10\n                End\n            End\n"
    "        End\n    End\nEnd\n";

// One file of each form the add-ins write, each with a trap of its own.
const Files kFolder = {
    // UTF-8 with its mark, LF, no final break, a surrogate pair in CESU-8.
    {"forms/frmCustomers.bas",
     "\xEF\xBB\xBF" + kFormLines +
         "CodeBehindForm\nOption Compare Database\n' QA \xED\xA0\xBD\xED\xB4\xBC CustomerID"},
    // The module split off into a .cls beside the form, CR LF.
    {"forms/frm Orders.bas",
     com::Join(com::Split(kFormLines, "\n"), "\r\n") + "CodeBehindForm\r\n' See \"frm Orders.cls\"\r\n"},
    {"forms/frm Orders.cls",
     "Attribute VB_GlobalNameSpace = False\r\nAttribute VB_Creatable = True\r\n"
     "Option Compare Database\r\n\r\nPrivate Sub Form_Load()   \r\nEnd Sub\r\n"},
    // UTF-16LE as Access writes it.
    {"reports/rptSales.bas",
     Utf16("Version =20\r\nVersionRequired =20\r\nBegin Report\r\n    RecordSource =\"Sales\"\r\n"
           "    PrtMip = Begin\r\n        0x6801000068010000 ,\r\n        0x68\r\n    End\r\nEnd\r\n")},
    // The code page, with an accented letter.
    {"macros/mcrOpen.bas",
     "Version =196611\r\nColumnsShown =0\r\nBegin\r\n    Action =\"OpenForm\"\r\n"
     "    Comment =\"\xC9tat CustomerID\"\r\n    Argument =\"frmCustomers\"\r\n    Argument =\"\"\r\n"
     "End\r\n"},
    // Modules as SaveAsText writes them and in the code editor's two export forms.
    {"modules/basUtilities.bas", "Option Compare Database\r\n\r\nSub CustomerID()\r\nEnd Sub\r\n"},
    {"modules/modExported.bas",
     "Attribute VB_Name = \"modExported\"\r\nOption Compare Database\r\n"},
    {"modules/clsCustomer.cls",
     "VERSION 1.0 CLASS\r\nBEGIN\r\n  MultiUse = -1  'True\r\nEND\r\n"
     "Attribute VB_Name = \"clsCustomer\"\r\nAttribute VB_GlobalNameSpace = False\r\n"
     "Attribute VB_Creatable = False\r\nAttribute VB_PredeclaredId = False\r\n"
     "Attribute VB_Exposed = False\r\nOption Compare Database\r\n"},
    // A query's design.
    {"queries/qryOrders.bas",
     "Operation =1\r\nOption =0\r\nBegin InputTables\r\n    Name =\"Orders\"\r\nEnd\r\n"
     "Begin OutputColumns\r\n    Expression =\"Orders.CustomerID\"\r\nEnd\r\n"
     "dbBoolean \"ReturnsRecords\" =\"-1\"\r\n"},
    // What is not read.
    {"forms/frmCustomers.json", "{}"},
    {"reports/rptSales.pv", "x"},
    {"tbldefs/Customers.xml", "<x/>"},
    {"README.md", "# app"},
};

class DocumentFolderTest : public testing_support::MachineTest {
 protected:
  struct Outcome {
    int code;
    std::string out;
  };

  void WriteFolder(const fs::path& folder, const Files& files) {
    for (const auto& [path, bytes] : files) {
      fs::create_directories((folder / path).parent_path());
      std::ofstream(folder / path, std::ios::binary) << bytes;
    }
  }
  static std::string Read(const fs::path& path) { return testing_support::ReadFile(path.string()); }
  Outcome Command(const std::string& command, const std::string& from, const std::string& to,
                  const std::string& password = "") {
    std::ostringstream out, err;
    std::istringstream in;
    cli::Console console{out, err, in};
    cli::Options options;
    options.command = command;
    options.arguments = {from, to};
    options.password = password;
    const int code = command == "import" ? cli::Import(options, console) : cli::Export(options, console);
    return {code, out.str()};
  }
  std::string Import(const Files& files, const std::string& database) {
    const fs::path folder = temp.path() / ("in" + std::to_string(++folders_));
    WriteFolder(folder, files);
    return Command("import", folder.string(), database).out;
  }
  sim::access::StoredDocument Stored(const std::string& database, std::int32_t type,
                                     const std::string& name) {
    sim::jet::Catalog catalog(sim::jet::JetFile::Open(database, true), clock(), {});
    return sim::access::DocumentStore(catalog).Find(type, name).value();
  }

  int folders_ = 0;
};

TEST_F(DocumentFolderTest, ImportThenExportGivesBackEveryFileByteForByte) {
  const std::string database = temp.File("app.mdb");
  const std::string out = Import(kFolder, database);
  EXPECT_NE(out.find("skipped forms/frmCustomers.json: not a document's text (.json)\n"),
            std::string::npos);
  EXPECT_NE(out.find("skipped tbldefs/Customers.xml: not in a folder of forms"), std::string::npos);
  EXPECT_NE(out.find("skipped README.md:"), std::string::npos);
  EXPECT_NE(out.find("imported 8 document(s)"), std::string::npos) << out;

  EXPECT_EQ(Command("export", database, temp.File("out")).code, 0);
  Files documents = kFolder;
  for (const char* skipped :
       {"forms/frmCustomers.json", "reports/rptSales.pv", "tbldefs/Customers.xml", "README.md"})
    documents.erase(skipped);
  EXPECT_EQ(testing_support::ReadFolder(temp.path() / "out"), documents);
}

TEST_F(DocumentFolderTest, AccessHoldsEachDocumentAsSaveAsTextWritesIt) {
  const std::string database = temp.File("app.mdb");
  Import(kFolder, database);
  const auto split = Stored(database, msaccess::acForm, "frm Orders");
  EXPECT_TRUE(split.text.ends_with("End\nCodeBehindForm\nAttribute VB_GlobalNameSpace = False\n"
                                   "Attribute VB_Creatable = True\nOption Compare Database\n\n"
                                   "Private Sub Form_Load()   \nEnd Sub"))
      << split.text;
  EXPECT_EQ(Stored(database, msaccess::acModule, "clsCustomer").text,
            "Attribute VB_GlobalNameSpace = False\nAttribute VB_Creatable = False\n"
            "Attribute VB_PredeclaredId = False\nAttribute VB_Exposed = False\n"
            "Option Compare Database");
  EXPECT_EQ(sim::access::SavedBytes(Stored(database, msaccess::acModule, "modExported")),
            "Option Compare Database\r\n");
  const auto cesu = Stored(database, msaccess::acForm, "frmCustomers");
  EXPECT_TRUE(cesu.text.ends_with("' QA \xF0\x9F\x94\xBC CustomerID"));
  EXPECT_EQ(sim::access::SavedBytes(cesu), kFolder.at("forms/frmCustomers.bas"));
  EXPECT_NE(Stored(database, msaccess::acMacro, "mcrOpen").text.find("Comment =\"\xC3\x89tat CustomerID\""),
            std::string::npos);
}

TEST_F(DocumentFolderTest, FilesOutsideTheLayoutAreKnownByTheirText) {
  const Files folder = {
      {"sourceforms/frmA.bas", "Version =20\r\nBegin Form\r\nEnd\r\n"},
      {"app/frmB.bas", "Version =20\r\nVersionRequired =20\r\nBegin Report\r\nEnd\r\n"},
      {"frmC.bas", "Begin Form\r\nEnd\r\nCodeBehindForm\r\n' See \"frmC.cls\"\r\n"},
      {"frmC.cls", "Attribute VB_GlobalNameSpace = False\r\nOption Compare Database\r\n"},
      {"Macro1.bas", "Version =196611\r\nColumnsShown =0\r\nBegin\r\n    Action =\"Beep\"\r\nEnd\r\n"},
      {"modX.bas", "Option Compare Database\r\n"},
      {"qryX.bas",
       "Operation =1\r\nOption =0\r\nBegin InputTables\r\n    Name =\"T\"\r\nEnd\r\n"
       "Begin OutputColumns\r\n    Expression =\"T.*\"\r\nEnd\r\n"},
      {"notes.txt", "Remember the milk"},
      {"data.bas", std::string("\xFE\xFF\0x", 4)},
  };
  const std::string database = temp.File("app.mdb");
  const std::string out = Import(folder, database);
  EXPECT_NE(out.find("imported 6 document(s)"), std::string::npos) << out;
  EXPECT_NE(out.find("skipped notes.txt: not a document's text"), std::string::npos);
  EXPECT_NE(out.find("skipped data.bas: not text Access reads"), std::string::npos);
  sim::jet::Catalog catalog(sim::jet::JetFile::Open(database, true), clock(), {});
  sim::access::DocumentStore store(catalog);
  EXPECT_EQ(store.Names(msaccess::acForm), (std::vector<std::string>{"frmA", "frmC"}));
  EXPECT_EQ(store.Names(msaccess::acReport), std::vector<std::string>{"frmB"});
  EXPECT_EQ(store.Names(msaccess::acMacro), std::vector<std::string>{"Macro1"});
  EXPECT_EQ(store.Names(msaccess::acModule), std::vector<std::string>{"modX"});
  EXPECT_EQ(sim::access::QueryTextStore(catalog).Names(), std::vector<std::string>{"qryX"});
  ASSERT_EQ(Command("export", database, temp.File("out")).code, 0);
  Files documents = folder;
  for (const char* skipped : {"notes.txt", "data.bas"}) documents.erase(skipped);
  EXPECT_EQ(testing_support::ReadFolder(temp.path() / "out"), documents);
}

TEST_F(DocumentFolderTest, BadInputNamesFileAndLineAndWritesNothing) {
  const std::string existing = temp.File("existing.mdb");
  sim::jet::DatabaseBuilder{existing}.Table({.name = "Customers", .fields = {{.name = "CustomerID"}}});
  const std::string before = Read(existing);
  const struct {
    Files files;
    std::string says;
  } cases[] = {
      {{{"forms/frmA.bas", std::string("\xFE\xFF\0B", 4)}}, "forms/frmA.bas: the file is UTF-16 big-endian"},
      {{{"forms/frmA.bas", "Begin Form\r\n    Begin\r\n        Width =1\r\n"}},
       "forms/frmA.bas: line 2: 'Begin' without its 'End'"},
      {{{"reports/rptA.bas", "Begin Report\r\n    Caption =\"open\r\nEnd\r\n"}},
       "reports/rptA.bas: line 2: a string without its closing quote"},
      {{{"forms/frmA.bas", "Begin Report\r\nEnd\r\n"}}, "forms/frmA.bas: the form's text holds 'Begin Report'"},
      {{{"macros/m.bas", "Version =196611\r\nBegin Form\r\nEnd\r\n"}}, "macros/m.bas: a macro's text holds"},
      {{{"modules/basA.bas", "Sub A()\r\nEnd Sub\r\n"}, {"modules/BASA.cls", "Sub B()\r\n"}},
       "modules/basA.bas: a second file for the module 'basA' (modules/BASA.cls)"},
      {{{"forms/frmA.bas", "Begin Form\r\nEnd\r\nCodeBehindForm\r\n' See \"frmA.cls\"\r\n"}},
       "forms/frmA.bas: line 4: its module is in frmA.cls, which the folder does not hold"},
      {{{"forms/frmA.bas", "Begin Form\r\nEnd\r\n"}, {"forms/frmA.cls", "Option Explicit\r\n"}},
       "forms/frmA.cls: a module file that no form's or report's text refers to"},
      {{{"modules/bas.Bad.bas", "Option Explicit\r\n"}}, "modules/bas.Bad.bas: "},
      {{{"queries/q.bas", "Operation =1\r\nBegin InputTables\r\n    Nme =\"T\"\r\nEnd\r\n"}},
       "queries/q.bas: line 3: Nme is no item of the design's InputTables"},
      {{{"queries/q.bas", "dbMemo \"SQL\" =\"SELECT * FROM T;\"\r\n"},
        {"queries/q.sql", "SELECT * FROM U;"}},
       "queries/q.bas: line 1: the SQL of its SQL line and queries/q.sql disagree"},
  };
  for (const auto& c : cases) {
    Files files = c.files;
    files["modules/basGood.bas"] = "Option Compare Database\r\n";
    for (const std::string& database : {existing, temp.File("new.mdb")}) {
      try {
        Import(files, database);
        ADD_FAILURE() << c.says << ": imported";
      } catch (const cli::UsageError& error) {
        EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
      }
    }
    EXPECT_EQ(Read(existing), before) << c.says;
    EXPECT_FALSE(fs::exists(temp.File("new.mdb"))) << c.says;
  }
}

TEST_F(DocumentFolderTest, ImportReplacesDocumentsAndKeepsTheRestOfTheDatabase) {
  const std::string database = temp.File("app.mdb");
  sim::jet::DatabaseBuilder{database}
      .DatabasePassword("pw")
      .Table({.name = "Customers", .fields = {{.name = "CustomerID"}}});
  EXPECT_THROW(Import({{"modules/basA.bas", "Sub A()\r\n"}}, database), com::Error);
  const fs::path folder = temp.path() / "src";
  WriteFolder(folder, {{"modules/basA.bas", "Sub A()\r\n"}});
  ASSERT_EQ(Command("import", folder.string(), database, "pw").code, 0);
  WriteFolder(folder, {{"modules/basA.bas", "Sub B()\r\n"}});
  ASSERT_EQ(Command("import", folder.string(), database, "pw").code, 0);
  sim::jet::Catalog catalog(sim::jet::JetFile::Open(database, true), clock(), {});
  sim::access::DocumentStore store(catalog);
  EXPECT_EQ(store.Names(msaccess::acModule), std::vector<std::string>{"basA"});
  EXPECT_EQ(store.Find(msaccess::acModule, "BASA")->text, "Sub B()");
  EXPECT_TRUE(catalog.db().HasTable("jet_tables"));
}

TEST_F(DocumentFolderTest, ExportLeavesOtherFilesOfTheFolderAlone) {
  const std::string database = temp.File("app.mdb");
  Import({{"modules/basA.bas", "Sub A()\r\n"}}, database);
  const fs::path out = temp.path() / "out";
  WriteFolder(out, {{"modules/basOld.bas", "old"}, {"notes.txt", "mine"}});
  ASSERT_EQ(Command("export", database, out.string()).code, 0);
  EXPECT_EQ(testing_support::ReadFolder(out), (Files{{"modules/basA.bas", "Sub A()\r\n"},
                                    {"modules/basOld.bas", "old"},
                                    {"notes.txt", "mine"}}));
  WriteFolder(temp.path(), {{"file.txt", "x"}});
  EXPECT_THROW(Command("export", database, temp.File("file.txt")), cli::UsageError);
}

}  // namespace
