#pragma once
// The folder layout that the widely used source-control add-ins for Access
// write: forms/, reports/, macros/ and modules/, one file per object named
// after it. A form's or report's module may be split off into a .cls file
// beside it, with the line `' See "Name.cls"` left in place of the module; a
// module may come as SaveAsText writes it or in the code editor's export
// form (`Attribute VB_Name = "..."` first, after the `VERSION 1.0 CLASS`
// preamble for a class). Some add-ins name the folders sourceforms/ and so
// on; others put every file in one folder, where a .bas, .cls or .txt file
// is known by its text (`Begin Form`, `Begin Report`, a macro's header, a
// query's `Operation =`, a module's first words). Each document remembers
// the file and the form it came in, and is written back in it: a folder read
// and written with no change gives back every file byte for byte.

#include <filesystem>
#include <string>
#include <vector>

#include "sim/access/stored_document.h"

namespace cli {

struct FolderFile {
  std::string path;  // relative to the folder, '/' between the parts
  std::string bytes;
};

// A file that holds no document this program reads, and why.
struct SkippedFile {
  std::string path;
  std::string reason;
};

class DocumentFolder {
 public:
  // The regular files under the folder, in the order of their paths.
  static std::vector<FolderFile> Load(const std::filesystem::path& folder);
  // Writes the files, creating the folders they need; other files of the
  // folder are left alone.
  static void Save(const std::filesystem::path& folder, const std::vector<FolderFile>& files);

  // The documents of the files. Raises UsageError naming the file (and the
  // line) for a file that is no document of its folder's kind, and for two
  // files of one object.
  static std::vector<sim::access::StoredDocument> Read(const std::vector<FolderFile>& files,
                                                       std::vector<SkippedFile>& skipped);
  // The files of the documents, in the form each came in.
  static std::vector<FolderFile> Write(const std::vector<sim::access::StoredDocument>& documents);

  // An object's name as a file name (the characters no file name may hold
  // as %XX), and back.
  static std::string EncodeName(const std::string& name);
  static std::string DecodeName(const std::string& stem);
};

}  // namespace cli
