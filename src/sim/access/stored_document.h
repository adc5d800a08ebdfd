#pragma once
// A form, report, macro, module or query as the simulated Access keeps it in the
// database file: its SaveAsText text, how that text came (so that SaveAsText
// gives back the same bytes), and how a source-control folder held it (so
// that an export writes the same files).

#include <cstdint>
#include <optional>
#include <string>

#include "sim/access/text_encoding.h"

namespace sim::access {

// The layouts that source-control add-ins for Access write.
struct FolderLayout {
  enum class Form {
    SaveAsText,  // one file holding what SaveAsText writes
    SplitCode,   // a form or report whose module is in a .cls file beside it
    CodeEditor,  // a module in the code editor's export form (Attribute VB_Name, a class preamble)
    QuerySql,    // a query whose SQL is also in a .sql file beside its text
  };
  Form form = Form::SaveAsText;
  // The file's path in the folder ("forms/frmOrders.bas"); empty for a
  // document that never came from a folder.
  std::string file;
  // SplitCode: the line left in place of the module; CodeEditor: the lines
  // before the module's own text; QuerySql: the .sql file's name.
  std::string head;
  // SplitCode: the module file's framing, and its bytes when the framing
  // does not give them back. QuerySql: the .sql file's framing and bytes,
  // written back as long as the query's SQL agrees with them.
  TextFraming code_framing;
  std::optional<std::string> code_source;
};

struct StoredDocument {
  std::int32_t object_type = 0;  // AcObjectType: form, report, macro, module or query
  std::string name;
  // The SaveAsText text, UTF-8, lines joined by LF, without the last break.
  std::string text;
  TextFraming framing;
  // The bytes of the file the text was read from, kept only when encoding
  // the text again in its framing would not give them back (a surrogate
  // pair in CESU-8, mixed line breaks).
  std::optional<std::string> source;
  FolderLayout layout;
};

}  // namespace sim::access
