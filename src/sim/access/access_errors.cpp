#include "sim/access/access_errors.h"

#include <map>

#include "com/error.h"

namespace sim::access {
namespace {

// "|" stands for the name the error speaks of.
const std::map<std::int32_t, std::string>& Texts() {
  static const std::map<std::int32_t, std::string> texts = {
      {kServerUnavailable, "The remote server machine does not exist or is unavailable"},
      {kCantDeleteOpenObject, "You can't delete the database object '|' while it's open."},
      {kCantRenameOpenObject, "You can't rename the database object '|' while it's open."},
      {kActionNotAvailable, "The command or action '|' isn't available now."},
      {kInvalidName, "'|' is an invalid name."},
      {kInvalidSetting, "The setting you entered isn't valid for this property."},
      {kControlNameInUse, "You entered the control name '|', which is already in use."},
      {kFormNotFound,
       "The form name '|' is misspelled or refers to a form that doesn't exist."},
      {kReportNotFound,
       "The report name '|' you entered in either the property sheet or macro is misspelled or "
       "refers to a report that doesn't exist."},
      {kImportErrors, "Microsoft Access encountered errors while importing '|'."},
      {kReadOnlyProperty, "This property is read-only and can't be set."},
      {kCantSaveOutput, "Microsoft Access can't save the output data to the file you've selected."},
      {kOpenFormNotFound,
       "Microsoft Access can't find the form '|' referred to in a macro expression or Visual "
       "Basic code."},
      {kOpenReportNotFound,
       "The report name '|' you entered is misspelled or refers to a report that isn't open or "
       "doesn't exist."},
      {kInvalidPropertyReference,
       "You entered an expression that has an invalid reference to the property |."},
      {kInvalidSectionNumber, "The section number you entered is invalid."},
      {kInvalidGroupLevel,
       "There is no sorting or grouping expression for the group level number you used."},
      {kFieldNotFound,
       "Microsoft Access can't find the field '|' referred to in your expression."},
      {kInvalidFormNumber, "The number you used to refer to the form is invalid."},
      {kInvalidReportNumber, "The number you used to refer to the report is invalid."},
      {kObjectClosedOrMissing,
       "The expression you entered refers to an object that is closed or doesn't exist."},
      {kMacroNotFound, "Microsoft Access can't find the macro '|.'"},
      {kInvalidObjectType,
       "The Object Type argument for the action or method is blank or invalid."},
      {kWrongArgumentType,
       "An expression you entered is the wrong data type for one of the arguments."},
      {kActionCanceled, "The | action was canceled."},
      {kModuleNotFound, "Microsoft Access can't find the module '|.'"},
      {kNoObjectInControl, "There is no object in this control."},
      {kDatabaseAlreadyOpen, "You already have the database open."},
      {kObjectNotFound, "Microsoft Access can't find the object '|.'"},
      {kAdoInvalidArgument,
       "Arguments are of the wrong type, are out of acceptable range, or are in conflict with "
       "one another."},
      {kAdoItemNotFound,
       "Item cannot be found in the collection corresponding to the requested name or "
       "ordinal."},
      {kAdoObjectClosed, "Operation is not allowed when the object is closed."},
      {kAdoObjectOpen, "Operation is not allowed when the object is open."},
  };
  return texts;
}

}  // namespace

std::string AccessMessage(std::int32_t number, const std::string& name) {
  std::string text = Texts().at(number);
  if (const auto bar = text.find('|'); bar != std::string::npos) text.replace(bar, 1, name);
  return text;
}

void RaiseAccess(std::int32_t number, const std::string& name) {
  if (!Texts().contains(number)) com::RaiseVb(number);
  com::Raise(number, AccessMessage(number, name));
}

}  // namespace sim::access
