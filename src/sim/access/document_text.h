#pragma once
// The SaveAsText text of a form, report or macro as a tree: the header lines
// (`Version =20`, `Checksum =...`, `ColumnsShown =0`), the blocks at the left
// margin (`Begin Form` for a form, one anonymous block per row for a macro),
// and, after a form's or report's root block, the `CodeBehindForm` line and
// the text of the document's module.
//
// Reading enforces the layout Access writes (four spaces a level, `Begin`
// and `End` in pairs, numbers, quoted strings with their escapes and
// continuation lines, hex lines) and refuses anything else with the line it
// stopped at. Rendering an unchanged tree gives back the text it was read
// from.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/access/text_node.h"

namespace sim::access {

class DocumentText {
 public:
  // `text` as DecodeText gives it: lines joined by LF.
  static DocumentText Parse(std::string_view text);
  // The same, also checking that the text is a document of the kind (an
  // AcObjectType: form, report or macro): a form's root is `Begin Form`, a
  // report's `Begin Report`, a macro has no root and no module.
  static DocumentText Parse(std::string_view text, std::int32_t object_type);

  std::string Render() const;

  std::vector<TextNode>& items() { return items_; }
  const std::vector<TextNode>& items() const { return items_; }
  // The root block of a form or report; nothing for a macro.
  TextNode* Root();
  // The module behind a form or report, when it has one.
  const std::optional<std::string>& Code() const { return code_; }
  void SetCode(std::optional<std::string> code) { code_ = std::move(code); }

 private:
  std::vector<TextNode> items_;
  std::optional<std::string> code_;
};

// The word Access uses for a kind of document in messages ("form", "module").
std::string DocumentWord(std::int32_t object_type);

}  // namespace sim::access
