#include "com/error.h"

#include <map>

namespace com {

Error::Error(std::int32_t number, std::string description, std::string source,
             std::string help_file, std::int32_t help_context)
    : number_(number),
      description_(std::move(description)),
      source_(std::move(source)),
      help_file_(std::move(help_file)),
      help_context_(help_context) {}

void Raise(std::int32_t number, std::string description, std::string source, std::string help_file,
           std::int32_t help_context) {
  throw Error(number, std::move(description), std::move(source), std::move(help_file),
              help_context);
}

std::string VbErrorText(std::int32_t number) {
  static const std::map<std::int32_t, std::string> texts = {
      {5, "Invalid procedure call or argument"},
      {6, "Overflow"},
      {9, "Subscript out of range"},
      {13, "Type mismatch"},
      {35, "Sub or Function not defined"},
      {51, "Internal error"},
      {52, "Bad file name or number"},
      {53, "File not found"},
      {70, "Permission denied"},
      {75, "Path/File access error"},
      {76, "Path not found"},
      {91, "Object variable or With block variable not set"},
      {94, "Invalid use of Null"},
      {429, "ActiveX component can't create object"},
      {438, "Object doesn't support this property or method"},
      {449, "Argument not optional"},
      {450, "Wrong number of arguments or invalid property assignment"},
  };
  auto found = texts.find(number);
  return found == texts.end() ? "Application-defined or object-defined error" : found->second;
}

void RaiseVb(std::int32_t number) { Raise(number, VbErrorText(number)); }

Error InternalError(const std::exception& e) {
  return Error(51, VbErrorText(51) + ": " + e.what());
}

}  // namespace com
