#include "support/access_documents_test.h"

#include <cstdlib>
#include <filesystem>

#include "com/text.h"
#include "sim/access/document_store.h"
#include "sim/jet/catalog.h"
#include "sim/jet/jet_file.h"

namespace testing_support {

AccessDocumentsTest::AccessDocumentsTest() {
  if (const char* tmpdir = std::getenv("TMPDIR")) saved_tmpdir_ = tmpdir;
  std::filesystem::create_directories(temp.path() / "tmp");
  setenv("TMPDIR", temp.File("tmp").c_str(), 1);
}

AccessDocumentsTest::~AccessDocumentsTest() {
  if (project_) project_->IProject_Deactivate();
  if (saved_tmpdir_.empty()) {
    unsetenv("TMPDIR");
  } else {
    setenv("TMPDIR", saved_tmpdir_.c_str(), 1);
  }
}

void AccessDocumentsTest::OpenProject() {
  project_ = NewProject(Parameters(Sales()));
  project_->IProject_EnumCollections();
}

void AccessDocumentsTest::Store(std::int32_t object_type, const std::string& name,
                                const std::vector<std::string>& lines) {
  sim::jet::Catalog catalog(sim::jet::JetFile::Open(Sales(), false), clock(), {});
  sim::access::DocumentStore(catalog).Put(
      {object_type, name, com::Join(lines, "\n"), {}, std::nullopt, {}});
}

std::string AccessDocumentsTest::Stored(std::int32_t object_type, const std::string& name) {
  sim::jet::Catalog catalog(sim::jet::JetFile::Open(Sales(), true), clock(), {});
  return sim::access::DocumentStore(catalog).Find(object_type, name)->text;
}

std::shared_ptr<sim::access::Application> AccessDocumentsTest::Access() {
  return std::dynamic_pointer_cast<sim::access::Application>(project_->AccessApp());
}

std::size_t AccessDocumentsTest::TempFiles(const std::string& prefix) const {
  std::size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(temp.path() / "tmp"))
    if (entry.path().filename().string().starts_with(prefix)) ++count;
  return count;
}

}  // namespace testing_support
