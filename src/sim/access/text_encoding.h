#pragma once
// The bytes of a SaveAsText file and the text inside them. Access writes
// forms, reports and macros as UTF-16LE with a byte-order mark or in the
// Windows Western code page, and modules always in the code page; files kept
// in source control often hold UTF-8 with a byte-order mark instead, written
// by tools that converted UTF-16 unit by unit, so that a character outside
// the Basic Multilingual Plane comes as two encoded surrogates (CESU-8).
//
// Inside the program the text is UTF-8, its lines joined by LF, without the
// final line break; the framing remembers how the file held it, so that it
// can be written back the same way.

#include <string>
#include <string_view>

namespace sim::access {

// Utf8 has a byte-order mark; Utf8NoMark is text without one that holds
// UTF-8 sequences (as tools write modules), read as UTF-8 rather than as the
// code page so that its letters can be searched.
enum class TextEncoding { Utf16Le, Utf8, Utf8NoMark, Ansi };

struct TextFraming {
  TextEncoding encoding = TextEncoding::Ansi;
  bool crlf = true;         // CR LF between lines, else LF
  bool final_break = true;  // the last line ends with a line break

  bool operator==(const TextFraming&) const = default;
  // "utf-16le crlf final", the form the document store keeps.
  std::string ToString() const;
  static TextFraming Parse(std::string_view text);
};

struct DecodedText {
  std::string text;
  TextFraming framing;
};

// Raises TextFormatError for bytes in no encoding Access reads (a UTF-16
// big-endian or UTF-32 mark, NUL bytes in 8-bit text, malformed UTF-8 or
// UTF-16, a lone surrogate).
DecodedText DecodeText(std::string_view bytes);

// Raises TextFormatError for a character the code page cannot hold.
std::string EncodeText(std::string_view text, const TextFraming& framing);

// Text in the Windows Western code page (1252) and the same text in UTF-8,
// line breaks untouched. Utf8ToAnsi raises TextFormatError for a character
// the code page cannot hold.
std::string AnsiToUtf8(std::string_view bytes);
std::string Utf8ToAnsi(std::string_view text);

// The number of UTF-16 code units of UTF-8 text: what Access counts.
std::size_t Utf16Length(std::string_view text);

}  // namespace sim::access
