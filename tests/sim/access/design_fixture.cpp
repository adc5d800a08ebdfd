#include "design_fixture.h"

#include <nlohmann/json.hpp>

#include "cli/sample_application.h"
#include "com/text.h"
#include "sim/access/application.h"

namespace access_test {

std::vector<std::string> DesignTest::SampleLines(const std::string& file) {
  const auto sample = nlohmann::json::parse(cli::kSampleSource);
  for (const auto& document : sample["frontend"]["documents"])
    if (document["file"] == file) return document["lines"].get<std::vector<std::string>>();
  ADD_FAILURE() << "the sample has no " << file;
  return {};
}

std::vector<std::string> DesignTest::OrdersForm() {
  return {
      "Version =20",
      "VersionRequired =20",
      "Checksum =-1234567",
      "Begin Form",
      "    RecordSelectors = NotDefault",
      "    Width =9000",
      "    RecordSource =\"Orders\"",
      "    Caption =\"Orders\"",
      "    OnOpen =\"[Event Procedure]\"",
      "    RecSrcDt = Begin",
      "        0x10330ea8d101e440",
      "    End",
      "    Begin",
      "        Begin Label",
      "            BackStyle =0",
      "        End",
      "        Begin TextBox",
      "            FontName =\"Arial\"",
      "        End",
      "        Begin FormHeader",
      "            Height =600",
      "            Name =\"FormHeader\"",
      "            Begin",
      "                Begin Label",
      "                    Left =120",
      "                    Width =3000",
      "                    Name =\"lblTitle\"",
      "                    Caption =\"Orders\"",
      "                End",
      "            End",
      "        End",
      "        Begin Section",
      "            Height =5000",
      "            Name =\"Detail\"",
      "            Begin",
      "                Begin TextBox",
      "                    IMESentenceMode =3",
      "                    Left =1800",
      "                    Name =\"txtCustomer ID\"",
      "                    ControlSource =\"CustomerID\"",
      "                    EventProcPrefix =\"txtCustomer_ID\"",
      "                    OnExit =\"[Event Procedure]\"",
      "",
      "                    LayoutCachedLeft =1800",
      "                    Begin",
      "                        Begin Label",
      "                            Left =120",
      "                            Name =\"lblCustomerID\"",
      "                            Caption =\"Customer:\"",
      "                        End",
      "                    End",
      "                End",
      "                Begin ComboBox",
      "                    Left =1800",
      "                    Top =400",
      "                    Name =\"cboShipper\"",
      "                    ControlSource =\"ShipperID\"",
      "                    RowSource =\"SELECT ShipperID, CompanyName FROM Shippers WHERE ShipperID IN (SELECT "
      "ShipperID\"",
      "                        \" FROM Orders) ORDER BY CompanyName;\"",
      "                    ColumnCount =2",
      "                    ColumnWidths =\"0;1440\"",
      "                End",
      "                Begin OptionGroup",
      "                    Top =900",
      "                    Name =\"grpStatus\"",
      "                    ControlSource =\"Status\"",
      "                    Begin",
      "                        Begin Label",
      "                            Name =\"lblStatus\"",
      "                            Caption =\"Status\"",
      "                        End",
      "                        Begin OptionButton",
      "                            Top =1100",
      "                            OptionValue =1",
      "                            Name =\"optOpen\"",
      "                        End",
      "                        Begin OptionButton",
      "                            Top =1400",
      "                            OptionValue =2",
      "                            Name =\"optClosed\"",
      "                        End",
      "                    End",
      "                End",
      "                Begin Tab",
      "                    Left =3600",
      "                    Top =900",
      "                    Name =\"tabDetails\"",
      "                    Begin",
      "                        Begin Page",
      "                            Name =\"pgLines\"",
      "                            Caption =\"Lines\"",
      "                            Begin",
      "                                Begin Subform",
      "                                    Left =3700",
      "                                    Name =\"subLines\"",
      "                                    SourceObject =\"Form.OrderLines\"",
      "                                    LinkChildFields =\"OrderID\"",
      "                                    LinkMasterFields =\"OrderID\"",
      "                                End",
      "                            End",
      "                        End",
      "                        Begin Page",
      "                            Name =\"pgNotes\"",
      "                            Caption =\"Notes\"",
      "                            Begin",
      "                                Begin TextBox",
      "                                    Visible = NotDefault",
      "                                    Left =3700",
      "                                    Name =\"txtNotes\"",
      "                                    ControlSource =\"Notes\"",
      "                                End",
      "                            End",
      "                        End",
      "                    End",
      "                End",
      "                Begin CustomControl",
      "                    Left =120",
      "                    Top =2400",
      "                    Name =\"ocxCalendar\"",
      "                    OLEClass =\"Calendar Control 9.0\"",
      "                    Class =\"MSCAL.Calendar.7\"",
      "                    OleData = Begin",
      "                        0x0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef ,",
      "                        0xfedcba98",
      "                    End",
      "                End",
      "                Begin CommandButton",
      "                    Top =4400",
      "                    Name =\"cmdClose\"",
      "                    Caption =\"Close\"",
      "                    OnClick =\"[Event Procedure]\"",
      "                End",
      "            End",
      "        End",
      "    End",
      "End",
      "CodeBehindForm",
      "Attribute VB_GlobalNameSpace = False",
      "Attribute VB_Creatable = True",
      "Attribute VB_PredeclaredId = True",
      "Attribute VB_Exposed = False",
      "Option Compare Database",
      "",
      "Private Sub txtCustomer_ID_Exit(Cancel As Integer)",
      "End Sub",
      "",
      "Private Sub cmdClose_Click()",
      "    DoCmd.Close",
      "End Sub",
  };
}

void DesignTest::Start(
    const std::vector<std::pair<std::string, std::vector<std::string>>>& forms,
    const std::vector<std::pair<std::string, std::vector<std::string>>>& reports) {
  for (const auto& [name, lines] : forms) Store(msaccess::acForm, name, lines);
  for (const auto& [name, lines] : reports) Store(msaccess::acReport, name, lines);
  access = UserAccess();
}

com::ObjectRef DesignTest::OpenForm(const std::string& name) {
  DoCmd(*access)->Call("OpenForm", {com::Variant(name), com::Variant(msaccess::acViewDesign),
                                    com::Variant(""), com::Variant(""), com::Variant(-1),
                                    com::Variant(1)});
  return com::CObj(com::CObj(access->Get("Forms"))->Call("Item", {com::Variant(name)}));
}

com::ObjectRef DesignTest::OpenReport(const std::string& name) {
  DoCmd(*access)->Call("OpenReport", {com::Variant(name), com::Variant(msaccess::acViewDesign)});
  return com::CObj(com::CObj(access->Get("Reports"))->Call("Item", {com::Variant(name)}));
}

void DesignTest::Close(std::int32_t object_type, const std::string& name, std::int32_t save) {
  DoCmd(*access)->Call("Close", {com::Variant(object_type), com::Variant(name), com::Variant(save)});
}

com::ObjectRef DesignTest::Control(com::Dispatch& form, const std::string& name) {
  return com::CObj(com::CObj(form.Get("Controls"))->Call("Item", {com::Variant(name)}));
}

std::vector<std::string> DesignTest::StoredLines(std::int32_t object_type, const std::string& name) {
  return com::Split(Stored(object_type, name), "\n");
}

std::int32_t DesignTest::OpenCount(const std::string& collection) {
  return com::CLng(com::CObj(access->Get(collection))->Get("Count"));
}

}  // namespace access_test
