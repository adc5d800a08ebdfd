#include "cli/real_files.h"

#include <filesystem>

#include "com/text.h"
#include "jetfile/mdb_file.h"
#include "jetfile/real_file_reader.h"
#include "jetfile/real_file_store.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

constexpr int kCopied = 0;
constexpr int kSomeLeftOut = 3;

bool IsRealFile(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(path, error) && jetfile::MdbFile::LooksLikeAccessFile(path);
}

// The database file a command works on, when it names one.
std::string DatabaseOf(const Options& o) {
  if (o.command == "import") return o.arguments[1];
  if (o.command == "sample" || o.command == "convert") return "";
  return o.arguments[0];
}

// What a user calls the documents of each container.
const char* DocumentWord(const std::string& container) {
  if (container == "Scripts") return "macro(s)";
  if (container == "Modules") return "module(s)";
  if (container == "Forms") return "form(s)";
  if (container == "Reports") return "report(s)";
  return "data access page(s)";
}

void PrintDocumentsNotCopied(const jetfile::RealContents& contents, std::ostream& out) {
  std::vector<std::string> counts;
  for (const auto& [container, count] : contents.documents)
    if (count > 0) counts.push_back(std::to_string(count) + " " + DocumentWord(container));
  if (counts.empty()) return;
  out << "not copied: " << com::Join(counts, ", ")
      << "; Access keeps them in a binary form of its own, which cannot be read here: export "
         "them from Access as text and load them with quillnet import\n";
}

}  // namespace

void CheckRealFile(const Options& o) {
  const std::string database = DatabaseOf(o);
  if (database.empty() || !IsRealFile(database)) return;
  const bool writes = o.Writes();
  if (writes)
    throw UsageError("'" + database +
                     "' is a real Access file, which this program only reads: change it in "
                     "Access through its exported text (quillnet export and quillnet import "
                     "work on that text), or make a working copy in this program's format with "
                     "'quillnet convert " + database + " OUT.mdb' and " + o.command +
                     " in the copy");
  if (o.command == "export")
    throw UsageError("'" + database +
                     "' is a real Access file: Access keeps its forms, reports, macros and "
                     "modules in a binary form of its own, which cannot be read here; export "
                     "them with Access itself");
  jetfile::MdbFile{database};
}

int Convert(const Options& o, Console& console) {
  const std::string real = o.arguments[0];
  const std::string copy = o.arguments[1];
  std::error_code error;
  if (!fs::is_regular_file(real, error)) throw UsageError("'" + real + "' does not exist");
  if (!jetfile::MdbFile::LooksLikeAccessFile(real))
    throw UsageError("'" + real + "' is not a real Access file (.mdb written by Access)");
  if (fs::exists(copy, error))
    throw UsageError("'" + copy + "' exists already; give the name of a new file");
  const jetfile::RealContents contents = jetfile::RealFileReader::Read(real);
  const std::string partial = copy + ".converting";
  std::vector<std::string> left_out;
  try {
    left_out = jetfile::RealFileStore::Write(contents, partial, false);
    fs::rename(partial, copy);
  } catch (...) {
    fs::remove(partial, error);
    throw;
  }
  console.out << "converted " << real << " into " << copy << ": " << contents.tables.size()
              << " table(s), " << contents.queries.size() << " query(ies), "
              << contents.relations.size() << " relationship(s), " << contents.import_specs.size()
              << " import specification(s)\n";
  for (const std::string& line : left_out) console.out << "left out " << line << '\n';
  PrintDocumentsNotCopied(contents, console.out);
  return left_out.empty() ? kCopied : kSomeLeftOut;
}

}  // namespace cli
