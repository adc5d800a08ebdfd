#include "host/description_builder.h"

namespace host {

void DescriptionBuilder::AppendParagraph(std::int32_t style, const std::string& text) {
  blocks_.push_back({style, text, false});
}

void DescriptionBuilder::AppendLine(std::int32_t style, const std::string& text) {
  blocks_.push_back({style, text, true});
}

std::string DescriptionBuilder::GetText() const {
  std::string out;
  bool after_line = false;
  for (const Block& b : blocks_) {
    if (!out.empty()) out += after_line ? "\r\n" : "\r\n\r\n";
    if (b.style == kNote) out += "    ";
    out += b.text;
    after_line = b.line;
  }
  return out;
}

}  // namespace host
