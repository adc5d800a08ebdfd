#pragma once
// The base of the tests of forms and reports open in Access's designer:
// documents stored as their SaveAsText text in Sales.mdb, then the user's
// Access on it, reached by late binding as the driver reaches it.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "support/access_documents_test.h"

namespace access_test {

class DesignTest : public testing_support::AccessDocumentsTest {
 protected:
  // AcCloseSave.
  static constexpr std::int32_t kSavePrompt = 0;
  static constexpr std::int32_t kSaveYes = 1;
  static constexpr std::int32_t kSaveNo = 2;

  // The lines of a document of the built-in sample ("forms/frmCustomers.bas").
  static std::vector<std::string> SampleLines(const std::string& file);
  // A form with a header, an attached label, a combo box with a long row
  // source, an option group, a tab control with pages and controls on them,
  // a subform, a custom control, a binary block, a blank line, properties
  // Access 2000 does not know, and a module.
  static std::vector<std::string> OrdersForm();

  // Stores the documents first, then starts Access on the file.
  void Start(const std::vector<std::pair<std::string, std::vector<std::string>>>& forms,
             const std::vector<std::pair<std::string, std::vector<std::string>>>& reports = {});
  // DoCmd.OpenForm in design view, hidden, and the form from Forms.
  com::ObjectRef OpenForm(const std::string& name);
  com::ObjectRef OpenReport(const std::string& name);
  void Close(std::int32_t object_type, const std::string& name, std::int32_t save);
  com::ObjectRef Control(com::Dispatch& form, const std::string& name);
  std::vector<std::string> StoredLines(std::int32_t object_type, const std::string& name);
  std::int32_t OpenCount(const std::string& collection);

  std::shared_ptr<sim::access::Application> access;
};

}  // namespace access_test
