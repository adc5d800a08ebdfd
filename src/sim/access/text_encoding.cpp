#include "sim/access/text_encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "com/text.h"
#include "sim/access/text_format_error.h"

namespace sim::access {

using namespace std::string_view_literals;

namespace {

constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The code page and UTF-16 are converted by the C library's iconv: Debian's
// libc carries both, so no further library is needed.
constexpr const char* kAnsiCharset = "WINDOWS-1252";

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

// The 1-based line of an offset into text whose lines end in `line_break`.
std::size_t LineAt(std::string_view text, std::size_t offset, std::string_view line_break) {
  std::size_t line = 1;
  for (std::size_t at = text.find(line_break); at != std::string_view::npos && at < offset;
       at = text.find(line_break, at + line_break.size()))
    ++line;
  return line;
}

// Converts between charsets; `what` names the input in the error for a
// sequence it cannot convert.
std::string Convert(std::string_view input, const char* from, const char* to,
                    std::string_view line_break, const std::string& what) {
  std::unique_ptr<void, IconvCloser> cd(iconv_open(to, from));
  if (cd.get() == reinterpret_cast<void*>(-1)) {
    cd.release();
    throw TextFormatError(0, std::string("no converter from ") + from + " to " + to);
  }
  std::string output(input.size() * 4 + 16, '\0');
  char* in = const_cast<char*>(input.data());
  std::size_t in_left = input.size();
  char* out = output.data();
  std::size_t out_left = output.size();
  while (in_left > 0) {
    if (iconv(static_cast<iconv_t>(cd.get()), &in, &in_left, &out, &out_left) !=
        static_cast<std::size_t>(-1))
      continue;
    const std::size_t offset = input.size() - in_left;
    if (errno == E2BIG) {
      const std::size_t used = output.size() - out_left;
      output.resize(output.size() * 2);
      out = output.data() + used;
      out_left = output.size() - used;
      continue;
    }
    throw TextFormatError(LineAt(input, offset, line_break), what);
  }
  output.resize(output.size() - out_left);
  return output;
}

// Pairs of surrogates each encoded on its own (ED A0-AF xx ED B0-BF xx)
// become the 4-byte sequence of the character they stand for.
std::string RepairSurrogatePairs(std::string_view utf8) {
  std::string repaired;
  repaired.reserve(utf8.size());
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const bool pair = i + 5 < utf8.size() && byte(i) == 0xED && (byte(i + 1) & 0xF0) == 0xA0 &&
                      byte(i + 3) == 0xED && (byte(i + 4) & 0xF0) == 0xB0;
    if (!pair) {
      repaired += utf8[i];
      continue;
    }
    const unsigned high = 0xD800 | ((byte(i + 1) & 0x0F) << 6) | (byte(i + 2) & 0x3F);
    const unsigned low = 0xDC00 | ((byte(i + 4) & 0x0F) << 6) | (byte(i + 5) & 0x3F);
    const unsigned code = 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
    repaired += static_cast<char>(0xF0 | (code >> 18));
    repaired += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    repaired += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    repaired += static_cast<char>(0x80 | (code & 0x3F));
    i += 5;
  }
  return repaired;
}

TextEncoding EncodingOf(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE\x00\x00"sv) || bytes.starts_with("\x00\x00\xFE\xFF"sv))
    throw TextFormatError(0, "the file is UTF-32, which Access does not read");
  if (bytes.starts_with("\xFE\xFF"))
    throw TextFormatError(0, "the file is UTF-16 big-endian, which Access does not read");
  if (bytes.starts_with(kUtf16Bom)) return TextEncoding::Utf16Le;
  if (bytes.starts_with(kUtf8Bom)) return TextEncoding::Utf8;
  if (const auto nul = bytes.find('\0'); nul != std::string_view::npos)
    throw TextFormatError(LineAt(bytes, nul, "\n"),
                          "a NUL byte in text without a byte-order mark: the file is in an "
                          "encoding Access does not read");
  return TextEncoding::Ansi;
}

std::string ToUtf8(std::string_view body, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf16Le: {
      if (body.size() % 2) throw TextFormatError(0, "the UTF-16 text ends in half a character");
      return Convert(body, "UTF-16LE", "UTF-8", std::string_view("\n\0", 2),
                     "malformed UTF-16 (a lone surrogate)");
    }
    case TextEncoding::Utf8: {
      std::string repaired = RepairSurrogatePairs(body);
      Convert(repaired, "UTF-8", "UTF-16LE", "\n", "malformed UTF-8");  // validates
      return repaired;
    }
    case TextEncoding::Ansi:
      return Convert(body, kAnsiCharset, "UTF-8", "\n",
                     "a byte that is no character of the Windows Western code page");
  }
  return std::string(body);
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

}  // namespace

std::string TextFraming::ToString() const {
  const char* name = encoding == TextEncoding::Utf16Le ? "utf-16le"
                     : encoding == TextEncoding::Utf8  ? "utf-8"
                                                       : "ansi";
  return std::string(name) + (crlf ? " crlf" : " lf") + (final_break ? " final" : " open");
}

TextFraming TextFraming::Parse(std::string_view text) {
  const auto words = com::Split(text, " ");
  TextFraming framing;
  if (words.size() != 3) return framing;
  framing.encoding = words[0] == "utf-16le" ? TextEncoding::Utf16Le
                     : words[0] == "utf-8"  ? TextEncoding::Utf8
                                            : TextEncoding::Ansi;
  framing.crlf = words[1] == "crlf";
  framing.final_break = words[2] == "final";
  return framing;
}

DecodedText DecodeText(std::string_view bytes) {
  DecodedText decoded;
  decoded.framing.encoding = EncodingOf(bytes);
  const std::size_t bom = decoded.framing.encoding == TextEncoding::Utf16Le ? kUtf16Bom.size()
                          : decoded.framing.encoding == TextEncoding::Utf8  ? kUtf8Bom.size()
                                                                            : 0;
  std::string text = ToUtf8(bytes.substr(bom), decoded.framing.encoding);
  const std::size_t first_break = text.find('\n');
  decoded.framing.crlf = first_break == std::string::npos ||
                         (first_break > 0 && text[first_break - 1] == '\r');
  text = ReplaceAll(std::move(text), "\r\n", "\n");
  decoded.framing.final_break = !text.empty() && text.back() == '\n';
  if (decoded.framing.final_break) text.pop_back();
  decoded.text = std::move(text);
  return decoded;
}

std::string EncodeText(std::string_view text, const TextFraming& framing) {
  std::string lines = framing.crlf ? ReplaceAll(std::string(text), "\n", "\r\n") : std::string(text);
  if (framing.final_break) lines += framing.crlf ? "\r\n" : "\n";
  switch (framing.encoding) {
    case TextEncoding::Utf16Le:
      return std::string(kUtf16Bom) + Convert(lines, "UTF-8", "UTF-16LE", "\n", "malformed UTF-8");
    case TextEncoding::Utf8: return std::string(kUtf8Bom) + lines;
    case TextEncoding::Ansi:
      return Convert(lines, "UTF-8", kAnsiCharset, "\n",
                     "a character the Windows Western code page cannot hold");
  }
  return lines;
}

std::size_t Utf16Length(std::string_view text) {
  std::size_t units = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) ++units;
    if (byte >= 0xF0) ++units;
  }
  return units;
}

}  // namespace sim::access
