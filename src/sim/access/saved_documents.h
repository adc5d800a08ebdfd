#pragma once
// Access's SaveAsText and LoadFromText for forms, reports, macros and
// modules of the open database: a document written to a file as its text,
// and a document created or replaced from such a file. A file Access cannot
// read leaves the document as it was.

#include <cstdint>
#include <string>

namespace sim::access {

class DocumentWindows;

class SavedDocuments {
 public:
  explicit SavedDocuments(DocumentWindows& documents) : documents_(documents) {}

  // The kind's own error (2102, 2103, 2485, 2516) for an object the file
  // does not hold; 2302 when the file cannot be written.
  void SaveAsText(std::int32_t object_type, const std::string& name, const std::string& path);
  // 2008 while the object is open; 53 for a file that is not there; 2128,
  // naming the line, for text that is not such a document.
  void LoadFromText(std::int32_t object_type, const std::string& name, const std::string& path);

 private:
  DocumentWindows& documents_;
};

}  // namespace sim::access
