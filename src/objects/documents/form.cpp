#include "objects/documents/form.h"

#include "driver/project.h"
#include "objects/code/procedures.h"
#include "objects/documents/controls.h"
#include "objects/documents/sections.h"
#include "platform/access.h"
#include "shared/validation.h"

namespace objects {
namespace {

using com::VarType;

constexpr std::int32_t kDesignView = 1;
constexpr std::int32_t kOwnDataMode = -1;
constexpr std::int32_t kHiddenWindow = 1;

const AccessDocument::Kind kForm{"Form", "Forms", msaccess::acForm, "Forms", "AllForms"};
const DesignedDocument::Design kFormDesign{"Form_", "form"};

std::vector<MirrorSpec> FormProperties() {
  std::vector<MirrorSpec> specs;
  for (const char* name :
       {"AfterDelConfirm", "AfterInsert", "AfterUpdate", "BeforeDelConfirm", "BeforeInsert",
        "BeforeUpdate", "Caption", "DatasheetFontName", "Filter", "HelpFile", "InputParameters",
        "MenuBar", "OnActivate", "OnApplyFilter", "OnClick", "OnClose", "OnCurrent", "OnDblClick",
        "OnDeactivate", "OnDelete", "OnDirty", "OnError", "OnFilter", "OnGotFocus", "OnKeyDown",
        "OnKeyPress", "OnKeyUp", "OnLoad", "OnLostFocus", "OnMouseDown", "OnMouseMove",
        "OnMouseUp", "OnOpen", "OnResize", "OnTimer", "OnUnload", "OrderBy", "PaletteSource",
        "Picture", "RecordSource", "ResyncCommand", "ServerFilter", "ShortcutMenuBar", "Tag",
        "Toolbar", "UniqueTable"})
    specs.push_back({name, VarType::String});
  for (const char* name :
       {"AllowAdditions", "AllowDeletions", "AllowDesignChanges", "AllowEdits", "AllowFilters",
        "AutoCenter", "AutoResize", "CloseButton", "ControlBox", "DataEntry",
        "DatasheetFontItalic", "DatasheetFontUnderline", "DividingLines", "FastLaserPrinting",
        "KeyPreview", "LayoutForPrint", "MaxRecButton", "Modal", "NavigationButtons",
        "PictureTiling", "PopUp", "RecordSelectors", "ServerFilterByForm", "ShortcutMenu",
        "SubDatasheetExpanded", "WhatsThisButton"})
    specs.push_back({name, VarType::Boolean});
  for (const char* name : {"DatasheetFontHeight", "DatasheetFontWeight", "GridX", "GridY",
                           "RowHeight", "SubDatasheetHeight", "Width"})
    specs.push_back({name, VarType::Integer});
  specs.push_back({"FrozenColumns", VarType::Integer, false});
  // Long values: numbers, OLE colours and the enumerations.
  for (const char* name :
       {"HelpContextID", "MaxRecords", "TimerInterval", "DatasheetBackColor",
        "DatasheetForeColor", "DatasheetGridlinesColor", "BorderStyle", "Cycle",
        "DatasheetCellsEffect", "DatasheetGridlinesBehavior", "DefaultView", "MinMaxButtons",
        "PictureAlignment", "PictureSizeMode", "PictureType", "RecordLocks", "RecordsetType",
        "ScrollBars", "ViewsAllowed"})
    specs.push_back({name, VarType::Long});
  return specs;
}

}  // namespace

Form::Form() : DesignedDocument(kForm, kFormDesign) {}

const com::TypeInfo& Form::Members() const {
  static const com::TypeInfo info = [] {
    std::vector<com::Member> properties = MirrorMembers<Form>(FormProperties());
    for (const char* name : {"InputParameters", "MaxRecButton", "MaxRecords", "ResyncCommand",
                             "ServerFilter", "ServerFilterByForm", "UniqueTable"})
      OnlyInProject(FindMember(properties, name));
    ClearPictureOnNone(FindMember(properties, "Picture"));
    com::TypeBuilder<Form> builder(kClass);
    builder.Property("Name", &Form::Name, &Form::SetName)
        .Property("Description", &Form::Description, &Form::SetDescription)
        .Get("Sections", &Form::GetSections)
        .Get("Controls", &Form::GetControls)
        .Get("Procedures", &Form::GetProcedures);
    for (com::Member& member : properties) builder.Custom(std::move(member));
    return builder.Build();
  }();
  return info;
}

void Form::CheckOpenDocument(com::Dispatch& form, std::int32_t mode) {
  if (mode == driver::kModeUpdate)
    validation::RaiseMessage("Couldn't save changes safely because the form was already open.");
  if (com::CLng(form.Get("CurrentView")) != 0)
    validation::RaiseMessage(
        "Couldn't open the form in design view because it was already open in another view.");
}

void Form::OpenInDesignView() {
  DoCmd()->Call("OpenForm", {com::Variant(name_), com::Variant(kDesignView), com::Variant(""),
                             com::Variant(""), com::Variant(kOwnDataMode),
                             com::Variant(kHiddenWindow)});
}

void Form::FillSections(Sections& sections, com::ObjectRef form) {
  sections.InitializeForForm(std::move(form));
}

}  // namespace objects
