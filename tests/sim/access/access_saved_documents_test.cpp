// Access's SaveAsText and LoadFromText: documents kept in the database file
// as their text, written out and read in through files.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "access_fixture.h"
#include "support/utf16.h"
#include "support/error_matchers.h"

namespace access_test {
namespace {

using testing_support::ErrorOf;
using testing_support::Utf16;

// A form as Access writes it: UTF-16LE with its mark, CR LF.

const std::string kForm = Utf16(
    "Version =20\r\nVersionRequired =20\r\nBegin Form\r\n    RecordSource =\"Customers\"\r\n"
    "    Begin\r\n        Begin Section\r\n            Name =\"Detail\"\r\n        End\r\n"
    "    End\r\nEnd\r\nCodeBehindForm\r\nAttribute VB_GlobalNameSpace = False\r\n"
    "Option Compare Database\r\n");

class AccessSavedDocuments : public AccessTest {
 protected:
  AccessSavedDocuments() : access_(UserAccess()) {}

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = temp.File(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::string ReadBack(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  void Load(std::int32_t type, const std::string& name, const std::string& path) {
    access_->Call("LoadFromText", {com::Variant(type), com::Variant(name), com::Variant(path)});
  }
  std::string Save(std::int32_t type, const std::string& name) {
    const std::string path = temp.File("saved.txt");
    access_->Call("SaveAsText", {com::Variant(type), com::Variant(name), com::Variant(path)});
    return ReadBack(path);
  }
  std::shared_ptr<dao::Document> JetDocument(const std::string& container, const std::string& name) {
    auto current = std::dynamic_pointer_cast<dao::Database>(com::CObj(access_->Call("CurrentDB")));
    return current->GetContainers()->Item(container)->GetDocuments()->Item(name);
  }

  std::shared_ptr<sim::access::Application> access_;
};

TEST_F(AccessSavedDocuments, LoadFromTextKeepsTheTextAndSaveAsTextGivesItBack) {
  Load(msaccess::acForm, "frmCustomers", Write("form.txt", kForm));
  EXPECT_EQ(Save(msaccess::acForm, "FRMCUSTOMERS"), kForm);
  EXPECT_EQ(JetDocument("Forms", "frmCustomers")->Name(), "frmCustomers");

  // A module in the code page, with no header, and no line break at its end.
  const std::string module = "Option Compare Database\r\n' F\xFCr CustomerID\r\nSub A()\r\nEnd Sub";
  Load(msaccess::acModule, "basUtilities", Write("module.txt", module));
  EXPECT_EQ(Save(msaccess::acModule, "basUtilities"), module);

  const std::string macro = "Version =196611\r\nColumnsShown =0\r\nBegin\r\n    Action =\"Beep\"\r\nEnd\r\n";
  Load(msaccess::acMacro, "mcrBeep", Write("macro.txt", macro));
  EXPECT_EQ(Save(msaccess::acMacro, "mcrBeep"), macro);
}

TEST_F(AccessSavedDocuments, LoadingAgainReplacesTheTextAndStampsTheDocument) {
  Load(msaccess::acForm, "frmCustomers", Write("form.txt", kForm));
  const auto first = JetDocument("Forms", "frmCustomers")->LastUpdated();
  clock().Advance(5000);
  const std::string changed =
      Utf16("Version =20\r\nBegin Form\r\n    RecordSource =\"Clients\"\r\nEnd\r\n");
  Load(msaccess::acForm, "FrmCustomers", Write("changed.txt", changed));
  EXPECT_EQ(Save(msaccess::acForm, "frmCustomers"), changed);
  EXPECT_EQ(JetDocument("Forms", "frmCustomers")->Name(), "frmCustomers");
  EXPECT_GT(JetDocument("Forms", "frmCustomers")->LastUpdated().serial, first.serial);
}

TEST_F(AccessSavedDocuments, TextThatIsNoSuchDocumentLeavesTheDocumentAsItWas) {
  Load(msaccess::acForm, "frmCustomers", Write("form.txt", kForm));
  const struct {
    std::int32_t type;
    std::string bytes;
    std::string says;
  } cases[] = {
      {msaccess::acForm, Utf16("Begin Form\r\n    Caption =\"open\r\nEnd\r\n"),
       "line 2: a string without its closing quote"},
      {msaccess::acForm, Utf16("Begin Form\r\n    Begin\r\n"), "line 2: 'Begin' without its 'End'"},
      {msaccess::acForm, Utf16("Version =20\r\nBegin Report\r\nEnd\r\n"), "holds 'Begin Report'"},
      {msaccess::acForm, std::string("\xFE\xFF\0B", 4), "big-endian"},
      {msaccess::acMacro, "Version =196611\r\nBegin Form\r\nEnd\r\n", "holds 'Begin Form'"},
  };
  for (const auto& c : cases) {
    const auto error = ErrorOf([&] { Load(c.type, "frmCustomers", Write("bad.txt", c.bytes)); });
    EXPECT_EQ(error.Number(), 2128) << c.says;
    EXPECT_NE(error.Description().find("importing 'frmCustomers'"), std::string::npos);
    EXPECT_NE(error.Description().find(c.says), std::string::npos) << error.Description();
  }
  EXPECT_EQ(Save(msaccess::acForm, "frmCustomers"), kForm);
  EXPECT_EQ(ErrorOf([&] { Save(msaccess::acMacro, "frmCustomers"); }).Number(), 2485);
}

TEST_F(AccessSavedDocuments, RaisesAccessErrors) {
  Load(msaccess::acForm, "frmCustomers", Write("form.txt", kForm));
  const std::string form_file = Write("form2.txt", kForm);
  const struct {
    std::function<void()> call;
    std::int32_t number;
  } cases[] = {
      {[&] { Save(msaccess::acForm, "Missing"); }, 2102},
      {[&] { Save(msaccess::acReport, "Missing"); }, 2103},
      {[&] { Save(msaccess::acMacro, "Missing"); }, 2485},
      {[&] { Save(msaccess::acModule, "Missing"); }, 2516},
      {[&] { Save(msaccess::acTable, "Orders"); }, 2487},
      {[&] { Load(msaccess::acForm, "frmOther", temp.File("nothing.txt")); }, 53},
      {[&] { Load(msaccess::acForm, "frm.Bad", form_file); }, 3125},
      {[&] {
         access_->Call("SaveAsText", {com::Variant(msaccess::acForm), com::Variant("frmCustomers"),
                                      com::Variant(temp.File("no/such/folder.txt"))});
       },
       2302},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.call).Number(), c.number);

  com::CObj(access_->Get("DoCmd"))
      ->Call("OpenForm", {com::Variant("frmCustomers"), com::Variant(msaccess::acViewDesign)});
  const auto open = ErrorOf([&] { Load(msaccess::acForm, "frmCustomers", form_file); });
  EXPECT_EQ(open.Number(), 2008);
  EXPECT_EQ(open.Description(), "You can't delete the database object 'frmCustomers' while it's open.");
}

}  // namespace
}  // namespace access_test
