#include "cli/document_folder.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <variant>

#include "cli/options.h"
#include "com/text.h"
#include "platform/access.h"
#include "sim/access/document_text.h"
#include "sim/access/query_design_text.h"
#include "sim/access/text_format_error.h"
#include "sim/jet/dao_errors.h"

namespace cli {
namespace {

namespace fs = std::filesystem;
using sim::access::DecodedText;
using sim::access::DocumentText;
using sim::access::FolderLayout;
using sim::access::QueryDesignText;
using sim::access::StoredDocument;
using sim::access::TextFormatError;

struct Kind {
  const char* folder;
  std::int32_t object_type;
};

constexpr Kind kKinds[] = {{"forms", msaccess::acForm},
                           {"reports", msaccess::acReport},
                           {"macros", msaccess::acMacro},
                           {"modules", msaccess::acModule},
                           {"queries", msaccess::acQuery}};

constexpr std::string_view kSplitHead = "' See \"";
constexpr std::string_view kClassPreamble = "VERSION 1.0 CLASS";
constexpr std::string_view kNameAttribute = "Attribute VB_Name";
// Characters no file name may hold; they stand in a file's name as %XX.
constexpr std::string_view kUnsafe = "\\/:*?\"<>|%";

const Kind& KindOf(std::int32_t object_type) {
  for (const auto& kind : kKinds)
    if (kind.object_type == object_type) return kind;
  return kKinds[0];
}

// "forms", or "sourceforms" as some add-ins name it.
const Kind* KindOfFolder(std::string_view folder) {
  if (com::StartsWithNoCase(folder, "source")) folder.remove_prefix(6);
  for (const auto& kind : kKinds)
    if (com::EqualsNoCase(kind.folder, folder)) return &kind;
  return nullptr;
}

bool IsDesign(std::int32_t object_type) {
  return object_type == msaccess::acForm || object_type == msaccess::acReport;
}

// The first words of the lines a module may begin with.
constexpr std::string_view kModuleOpenings[] = {
    "Attribute ", "VERSION 1.0 CLASS", "Option ", "'", "Rem ", "#", "Public ", "Private ",
    "Friend ", "Global ", "Dim ", "Const ", "Declare ", "Type ", "Enum ", "Sub ", "Function "};

// The kind of a file kept outside the folders of the layout, told by its
// text; nothing for text that is no document.
const Kind* KindOfText(const std::string& text, const std::string& extension) {
  const auto lines = com::Split(text, "\n");
  for (const auto& line : lines) {
    if (line == "Begin Form") return &KindOf(msaccess::acForm);
    if (line == "Begin Report") return &KindOf(msaccess::acReport);
  }
  const std::string& first = lines.front();
  if (first.starts_with("Operation =") || first.starts_with("dbMemo \"SQL\""))
    return &KindOf(msaccess::acQuery);
  if (first.starts_with("Version =") &&
      std::any_of(lines.begin(), lines.end(),
                  [](const std::string& line) { return line.starts_with("ColumnsShown ="); }))
    return &KindOf(msaccess::acMacro);
  if (extension == ".txt") return nullptr;
  for (const auto opening : kModuleOpenings)
    if (first.starts_with(opening)) return &KindOf(msaccess::acModule);
  return nullptr;
}


}  // namespace

std::string DocumentFolder::EncodeName(const std::string& name) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char c : name) {
    if (kUnsafe.find(c) == std::string_view::npos) {
      encoded += c;
      continue;
    }
    encoded += '%';
    encoded += kDigits[static_cast<unsigned char>(c) >> 4];
    encoded += kDigits[static_cast<unsigned char>(c) & 15];
  }
  return encoded;
}

std::string DocumentFolder::DecodeName(const std::string& stem) {
  std::string name;
  for (std::size_t i = 0; i < stem.size(); ++i) {
    if (stem[i] == '%' && i + 2 < stem.size() && std::isxdigit(static_cast<unsigned char>(stem[i + 1])) &&
        std::isxdigit(static_cast<unsigned char>(stem[i + 2]))) {
      const char c = static_cast<char>(std::stoi(stem.substr(i + 1, 2), nullptr, 16));
      if (kUnsafe.find(c) != std::string_view::npos) {
        name += c;
        i += 2;
        continue;
      }
    }
    name += stem[i];
  }
  return name;
}

namespace {

[[noreturn]] void Refuse(const std::string& path, const std::string& message) {
  throw UsageError(path + ": " + message);
}

DecodedText Decode(const FolderFile& file) {
  try {
    return sim::access::DecodeText(file.bytes);
  } catch (const TextFormatError& error) {
    Refuse(file.path, error.what());
  }
}

// SQL with each run of blanks and line breaks outside its strings and
// bracketed names made one blank, and none at either end: the same SQL
// however its lines are laid out.
std::string SqlWords(std::string_view sql) {
  std::string words;
  char closing = 0;
  bool blank = false;
  for (const char c : sql) {
    if (closing) {
      words += c;
      if (c == closing) closing = 0;
      continue;
    }
    if (std::isspace(static_cast<unsigned char>(c))) {
      blank = !words.empty();
      continue;
    }
    if (blank) words += ' ';
    blank = false;
    words += c;
    if (c == '"' || c == '\'') closing = c;
    if (c == '[') closing = ']';
  }
  return words;
}

bool SameSql(std::string_view a, std::string_view b) { return SqlWords(a) == SqlWords(b); }

std::size_t LineCount(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
}

// The .cls file a split form's module line names; empty for any other line.
std::string SplitFileName(std::string_view line) {
  if (!line.starts_with(kSplitHead) || !line.ends_with('"') || line.size() <= kSplitHead.size() + 1)
    return "";
  const std::string_view file = line.substr(kSplitHead.size(), line.size() - kSplitHead.size() - 1);
  return file.find('/') == std::string_view::npos && com::LCase(file).ends_with(".cls")
             ? std::string(file)
             : "";
}

class Reader {
 public:
  explicit Reader(const std::vector<FolderFile>& files) {
    for (const auto& file : files) by_path_[file.path] = &file;
  }

  StoredDocument Document(const FolderFile& file, const Kind& kind, const std::string& name) {
    StoredDocument document;
    document.object_type = kind.object_type;
    document.name = name;
    document.layout.file = file.path;
    const DecodedText decoded = Decode(file);
    document.framing = decoded.framing;
    if (kind.object_type == msaccess::acModule) {
      Module(decoded.text, file, document);
    } else if (kind.object_type == msaccess::acQuery) {
      Query(decoded.text, file, document);
    } else {
      Design(decoded.text, file, kind, document);
    }
    KeepBytesNotGivenBack(file, document);
    return document;
  }

  bool Claimed(const std::string& path) const { return claimed_.contains(path); }

 private:
  void Design(const std::string& text, const FolderFile& file, const Kind& kind,
              StoredDocument& document) {
    std::optional<std::string> code;
    try {
      code = DocumentText::Parse(text, kind.object_type).Code();
    } catch (const TextFormatError& error) {
      Refuse(file.path, error.what());
    }
    const std::string code_file = code ? SplitFileName(*code) : "";
    if (code_file.empty()) {
      document.text = text;
      return;
    }
    const std::string code_path = file.path.substr(0, file.path.rfind('/') + 1) + code_file;
    const auto found = by_path_.find(code_path);
    if (found == by_path_.end())
      Refuse(file.path, "line " + std::to_string(LineCount(text)) + ": its module is in " +
                            code_file + ", which the folder does not hold");
    const DecodedText module = Decode(*found->second);
    document.text = text.substr(0, text.size() - code->size()) + module.text;
    document.layout.form = FolderLayout::Form::SplitCode;
    document.layout.head = *code;
    document.layout.code_framing = module.framing;
    claimed_.insert(code_path);
  }

  // A query's text, and the .sql file beside it, which must give the same
  // SQL: the database cannot take one file's SQL over the other's without
  // losing the edit made in the other.
  void Query(const std::string& text, const FolderFile& file, StoredDocument& document) {
    std::optional<QueryDesignText> query;
    try {
      query = QueryDesignText::Parse(text);
    } catch (const TextFormatError& error) {
      Refuse(file.path, error.what());
    }
    document.text = text;
    const std::string sql_path = fs::path(file.path).replace_extension(".sql").generic_string();
    const auto found = by_path_.find(sql_path);
    if (found == by_path_.end()) return;
    const DecodedText beside = Decode(*found->second);
    if (!SameSql(beside.text, query->Sql()))
      Refuse(file.path, "line " + std::to_string(query->SqlLine()) + ": the SQL of its " +
                            (query->IsDesign() ? "design" : "SQL line") + " and " +
                            sql_path + " disagree; nothing was imported. Make the two agree, or "
                            "remove " + sql_path + " to import the query as " + file.path +
                            " gives it");
    document.layout.form = FolderLayout::Form::QuerySql;
    document.layout.head = fs::path(sql_path).filename().string();
    document.layout.code_framing = beside.framing;
    document.layout.code_source = found->second->bytes;
    claimed_.insert(sql_path);
  }

  static void Module(const std::string& text, const FolderFile& file, StoredDocument& document) {
    std::size_t head_lines = 0;
    if (text.starts_with(kClassPreamble)) {
      const auto lines = com::Split(text, "\n");
      const auto name = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.starts_with(kNameAttribute);
      });
      if (name == lines.end())
        Refuse(file.path, "line 1: a class preamble without its " + std::string(kNameAttribute));
      head_lines = static_cast<std::size_t>(name - lines.begin()) + 1;
    } else if (text.starts_with(kNameAttribute)) {
      head_lines = 1;
    }
    if (head_lines == 0) {
      document.text = text;
      return;
    }
    std::size_t cut = 0;
    for (std::size_t i = 0; i < head_lines && cut != std::string::npos; ++i)
      cut = text.find('\n', cut ? cut + 1 : 0);
    document.layout.form = FolderLayout::Form::CodeEditor;
    document.layout.head = text.substr(0, cut);
    document.text = cut == std::string::npos ? "" : text.substr(cut + 1);
  }

  // Where writing the document again would not give back the bytes it came
  // in (a surrogate pair in CESU-8, mixed line breaks), those bytes are kept.
  void KeepBytesNotGivenBack(const FolderFile& file, StoredDocument& document) const {
    const auto written = DocumentFolder::Write({document});
    if (written.front().bytes != file.bytes) document.source = file.bytes;
    if (written.size() > 1 && written.back().bytes != by_path_.at(written.back().path)->bytes)
      document.layout.code_source = by_path_.at(written.back().path)->bytes;
  }

  std::map<std::string, const FolderFile*> by_path_;
  std::set<std::string> claimed_;
};

// A file of the folder and the document it holds.
struct Entry {
  const FolderFile* file;
  const Kind* kind;
  bool split_module;  // a .cls beside the forms and reports: the module of one of them
};

// What a file holds, or why it is skipped.
std::variant<Entry, std::string> Classify(const FolderFile& file) {
  const auto parts = com::Split(file.path, "/");
  const fs::path name(parts.back());
  const std::string extension = com::LCase(name.extension().string());
  const Kind* kind = parts.size() > 1 ? KindOfFolder(parts[parts.size() - 2]) : nullptr;
  const bool text = extension == ".bas" || extension == ".cls" || extension == ".txt";
  if (!kind) {
    if (!text)
      return "not in a folder of forms, reports, macros, modules, queries, command bars or pages";
    std::optional<DecodedText> decoded;
    try {
      decoded = sim::access::DecodeText(file.bytes);
    } catch (const TextFormatError& error) {
      return std::string("not text Access reads: ") + error.what();
    }
    kind = KindOfText(decoded->text, extension);
    if (!kind) return "not a document's text";
  } else if (extension != ".bas" && !(extension == ".cls" && kind->object_type != msaccess::acMacro &&
                                      kind->object_type != msaccess::acQuery)) {
    return "not a document's text (" + (extension.empty() ? std::string("no extension") : extension) +
           ")";
  }
  return Entry{&file, kind, IsDesign(kind->object_type) && extension == ".cls"};
}

// The .sql file of a query: as it came while it agrees with the query's SQL,
// else the SQL in the file's encoding and line breaks.
std::string SqlFileBytes(const std::string& sql, const FolderLayout& layout) {
  if (layout.code_source && SameSql(sim::access::DecodeText(*layout.code_source).text, sql))
    return *layout.code_source;
  std::string text = com::Join(com::Split(sql, "\r\n"), "\n");
  while (text.ends_with('\n')) text.pop_back();
  return sim::access::EncodeText(text, layout.code_framing);
}

// A file of the document: the one it came from, named anew when the object
// was renamed since.
std::string FileFor(const StoredDocument& document, const std::string& file) {
  const fs::path path(file);
  if (DocumentFolder::DecodeName(path.stem().string()) == document.name) return file;
  return (path.parent_path() / (DocumentFolder::EncodeName(document.name) + path.extension().string()))
      .generic_string();
}

std::vector<FolderFile> WriteOne(const StoredDocument& document) {
  const std::string path = document.layout.file.empty()
                               ? std::string(KindOf(document.object_type).folder) + "/" +
                                     DocumentFolder::EncodeName(document.name) + ".bas"
                               : FileFor(document, document.layout.file);
  const auto encode = [](const std::string& text, const sim::access::TextFraming& framing,
                         const std::optional<std::string>& source) {
    return source ? *source : sim::access::EncodeText(text, framing);
  };
  switch (document.layout.form) {
    case FolderLayout::Form::SaveAsText:
      return {{path, encode(document.text, document.framing, document.source)}};
    case FolderLayout::Form::CodeEditor: {
      const std::string text =
          document.text.empty() ? document.layout.head : document.layout.head + "\n" + document.text;
      return {{path, encode(text, document.framing, document.source)}};
    }
    case FolderLayout::Form::QuerySql:
      return {{path, encode(document.text, document.framing, document.source)},
              {path.substr(0, path.rfind('/') + 1) + FileFor(document, document.layout.head),
               SqlFileBytes(QueryDesignText::Parse(document.text).Sql(), document.layout)}};
    case FolderLayout::Form::SplitCode: break;
  }
  const auto code = DocumentText::Parse(document.text).Code().value_or("");
  const std::string design =
      document.text.substr(0, document.text.size() - code.size()) + document.layout.head;
  const std::string folder = path.substr(0, path.rfind('/') + 1);
  return {{path, encode(design, document.framing, document.source)},
          {folder + SplitFileName(document.layout.head),
           encode(code, document.layout.code_framing, document.layout.code_source)}};
}

}  // namespace

std::vector<FolderFile> DocumentFolder::Load(const fs::path& folder) {
  if (!fs::is_directory(folder)) throw UsageError(folder.string() + " is not a folder");
  std::vector<FolderFile> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in) throw UsageError(entry.path().string() + ": cannot be read");
    files.push_back({entry.path().lexically_relative(folder).generic_string(), bytes.str()});
  }
  std::sort(files.begin(), files.end(),
            [](const FolderFile& a, const FolderFile& b) { return a.path < b.path; });
  return files;
}

void DocumentFolder::Save(const fs::path& folder, const std::vector<FolderFile>& files) {
  for (const auto& file : files) {
    const fs::path path = folder / fs::path(file.path);
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size())) ||
        !out.flush())
      throw UsageError(path.string() + ": cannot be written");
  }
}

std::vector<StoredDocument> DocumentFolder::Read(const std::vector<FolderFile>& files,
                                                 std::vector<SkippedFile>& skipped) {
  std::vector<Entry> entries;
  for (const auto& file : files) {
    auto classified = Classify(file);
    if (auto* reason = std::get_if<std::string>(&classified)) {
      skipped.push_back({file.path, *reason});
    } else {
      entries.push_back(std::get<Entry>(classified));
    }
  }
  // Forms and reports first: a module split off from one of them is no
  // module of its own.
  std::stable_partition(entries.begin(), entries.end(), [](const Entry& entry) {
    return IsDesign(entry.kind->object_type) && !entry.split_module;
  });
  Reader reader(files);
  std::vector<StoredDocument> documents;
  std::map<std::pair<std::int32_t, std::string>, std::string> seen;  // kind and name: file
  for (const Entry& entry : entries) {
    const FolderFile& file = *entry.file;
    if (reader.Claimed(file.path)) continue;
    if (entry.split_module) Refuse(file.path, "a module file that no form's or report's text refers to");
    const std::string name = DocumentFolder::DecodeName(fs::path(file.path).stem().string());
    if (auto error = com::Capture([&] { sim::jet::CheckName(name); }))
      Refuse(file.path, error->Description());
    const auto [other, fresh] =
        seen.emplace(std::pair(entry.kind->object_type, com::UCase(name)), file.path);
    if (!fresh)
      Refuse(file.path, "a second file for the " + sim::access::DocumentWord(entry.kind->object_type) +
                            " '" + name + "' (" + other->second + ")");
    documents.push_back(reader.Document(file, *entry.kind, name));
  }
  std::erase_if(skipped, [&](const SkippedFile& file) { return reader.Claimed(file.path); });
  return documents;
}

std::vector<FolderFile> DocumentFolder::Write(const std::vector<StoredDocument>& documents) {
  std::vector<FolderFile> files;
  for (const auto& document : documents) {
    auto written = WriteOne(document);
    files.insert(files.end(), std::make_move_iterator(written.begin()),
                 std::make_move_iterator(written.end()));
  }
  return files;
}

}  // namespace cli
