#pragma once
// The base of tests of the documents Access keeps (modules, macros, ...):
// Access running on Sales.mdb, documents stored as their text, and the
// program's temporary files kept in the test's own folder.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "driver/project.h"
#include "sim/access/access_fixture.h"

namespace testing_support {

class AccessDocumentsTest : public access_test::AccessTest {
 protected:
  AccessDocumentsTest();
  ~AccessDocumentsTest() override;

  // A project on Sales.mdb with its collections listed.
  void OpenProject();
  // Creates or replaces a document's text (lines without their breaks).
  void Store(std::int32_t object_type, const std::string& name,
             const std::vector<std::string>& lines);
  std::string Stored(std::int32_t object_type, const std::string& name);
  // The object the project's collection gives for the name.
  template <class T>
  std::shared_ptr<T> Object(const std::string& collection, const std::string& name) {
    auto object = std::dynamic_pointer_cast<T>(
        project_->IProject_GetCollection(collection)->ICollection_GetObject(name));
    EXPECT_NE(object, nullptr) << name;
    return object;
  }
  std::shared_ptr<sim::access::Application> Access();
  // The files in the test's temporary folder whose names begin so.
  std::size_t TempFiles(const std::string& prefix) const;

  std::shared_ptr<driver::Project> project_;

 private:
  std::string saved_tmpdir_;
};

}  // namespace testing_support
