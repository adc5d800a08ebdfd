#include "cli/document_folder.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "cli/options.h"
#include "com/text.h"
#include "platform/access.h"
#include "sim/access/document_text.h"
#include "sim/access/text_format_error.h"
#include "sim/jet/dao_errors.h"

namespace cli {
namespace {

namespace fs = std::filesystem;
using sim::access::DecodedText;
using sim::access::DocumentText;
using sim::access::FolderLayout;
using sim::access::StoredDocument;
using sim::access::TextFormatError;

struct Kind {
  const char* folder;
  std::int32_t object_type;
};

constexpr Kind kKinds[] = {{"forms", msaccess::acForm},
                           {"reports", msaccess::acReport},
                           {"macros", msaccess::acMacro},
                           {"modules", msaccess::acModule}};

constexpr std::string_view kSplitHead = "' See \"";
constexpr std::string_view kClassPreamble = "VERSION 1.0 CLASS";
constexpr std::string_view kNameAttribute = "Attribute VB_Name";
// Characters no file name may hold; they stand in a file's name as %XX.
constexpr std::string_view kUnsafe = "\\/:*?\"<>|%";

const Kind* KindOfFolder(std::string_view folder) {
  for (const auto& kind : kKinds)
    if (com::EqualsNoCase(kind.folder, folder)) return &kind;
  return nullptr;
}

const char* FolderOf(std::int32_t object_type) {
  for (const auto& kind : kKinds)
    if (kind.object_type == object_type) return kind.folder;
  return "documents";
}

std::string EncodeName(const std::string& name) {
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

std::string DecodeName(const std::string& stem) {
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
    const std::string code_path = std::string(kind.folder) + "/" + code_file;
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

// Why a file that is not read as a document is skipped; empty for one that is.
std::string SkipReason(const std::vector<std::string>& parts, const Kind* kind,
                       const std::string& extension) {
  if (parts.size() == 2 && com::EqualsNoCase(parts[0], "queries"))
    return "queries are not imported yet";
  if (parts.size() != 2 || !kind) return "not in a folder of forms, reports, macros or modules";
  if (extension == ".bas") return "";
  if (extension == ".cls" && kind->object_type != msaccess::acMacro) return "";
  return "not a document's text (" + (extension.empty() ? std::string("no extension") : extension) +
         ")";
}

std::vector<FolderFile> WriteOne(const StoredDocument& document) {
  const std::string path = document.layout.file.empty()
                               ? std::string(FolderOf(document.object_type)) + "/" +
                                     EncodeName(document.name) + ".bas"
                               : document.layout.file;
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
  Reader reader(files);
  std::vector<StoredDocument> documents;
  std::map<std::pair<std::int32_t, std::string>, std::string> seen;  // kind and name: file
  std::vector<const FolderFile*> module_files;
  for (const auto& file : files) {
    const auto parts = com::Split(file.path, "/");
    const Kind* kind = parts.size() == 2 ? KindOfFolder(parts[0]) : nullptr;
    const fs::path name_part(parts.back());
    const std::string extension = com::LCase(name_part.extension().string());
    if (const std::string reason = SkipReason(parts, kind, extension); !reason.empty()) {
      skipped.push_back({file.path, reason});
      continue;
    }
    const bool design = kind->object_type == msaccess::acForm || kind->object_type == msaccess::acReport;
    if (design && extension == ".cls") {
      module_files.push_back(&file);
      continue;
    }
    const std::string name = DecodeName(name_part.stem().string());
    if (auto error = com::Capture([&] { sim::jet::CheckName(name); }))
      Refuse(file.path, error->Description());
    const auto [other, fresh] = seen.emplace(std::pair(kind->object_type, com::UCase(name)), file.path);
    if (!fresh)
      Refuse(file.path, "a second file for the " + sim::access::DocumentWord(kind->object_type) +
                            " '" + name + "' (" + other->second + ")");
    documents.push_back(reader.Document(file, *kind, name));
  }
  for (const FolderFile* file : module_files)
    if (!reader.Claimed(file->path))
      Refuse(file->path, "a module file that no form's or report's text refers to");
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
