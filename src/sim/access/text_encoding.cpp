#include "sim/access/text_encoding.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <iterator>
#include <memory>

#include "com/text.h"
#include "sim/access/text_format_error.h"

namespace sim::access {

using namespace std::string_view_literals;

namespace {

constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The Windows Western code page (1252) from 0x80 to 0x9F; the rest of it is
// Latin-1. The five bytes the code page leaves undefined stand, as Windows
// converts them, for the control characters of the same number, so that
// every byte sequence reads and writes back unchanged.
constexpr std::array<char32_t, 32> kAnsi80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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

// UTF-16 goes through the C library's iconv, which Debian's libc carries,
// so no further library is needed. `what` names what is wrong with input it
// cannot convert.
std::string Convert(std::string_view input, const char* from, const char* to,
                    std::string_view line_break, const std::string& what) {
  std::unique_ptr<void, IconvCloser> cd(iconv_open(to, from));
  if (cd.get() == reinterpret_cast<void*>(-1)) {
    cd.release();
    throw TextFormatError(0, std::string("no converter from ") + from + " to " + to);
  }
  std::string output(input.size() * 2 + 16, '\0');
  char* in = const_cast<char*>(input.data());
  std::size_t in_left = input.size();
  char* out = output.data();
  std::size_t out_left = output.size();
  while (in_left > 0) {
    if (iconv(static_cast<iconv_t>(cd.get()), &in, &in_left, &out, &out_left) !=
        static_cast<std::size_t>(-1))
      continue;
    if (errno != E2BIG)
      throw TextFormatError(LineAt(input, input.size() - in_left, line_break), what);
    const std::size_t used = output.size() - out_left;
    output.resize(output.size() * 2);
    out = output.data() + used;
    out_left = output.size() - used;
  }
  output.resize(output.size() - out_left);
  return output;
}

}  // namespace

std::string AnsiToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    com::AppendCodePoint(byte >= 0x80 && byte < 0xA0 ? kAnsi80To9F[byte - 0x80] : byte, text);
  }
  return text;
}

std::string Utf8ToAnsi(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t start = at;
    const char32_t code = com::NextCodePoint(text, at);
    const auto mapped = std::find(kAnsi80To9F.begin(), kAnsi80To9F.end(), code);
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
      bytes += static_cast<char>(code);
    } else if (mapped != kAnsi80To9F.end()) {
      bytes += static_cast<char>(0x80 + (mapped - kAnsi80To9F.begin()));
    } else {
      throw TextFormatError(LineAt(text, start, "\n"),
                            "a character the Windows Western code page cannot hold");
    }
  }
  return bytes;
}

namespace {

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
    const char32_t high = ((byte(i + 1) & 0x0F) << 6) | (byte(i + 2) & 0x3F);
    const char32_t low = ((byte(i + 4) & 0x0F) << 6) | (byte(i + 5) & 0x3F);
    com::AppendCodePoint(0x10000 + (high << 10) + low, repaired);
    i += 5;
  }
  return repaired;
}

bool IsUtf8(std::string_view bytes) {
  try {
    Convert(bytes, "UTF-8", "UTF-16LE", "\n", "");
    return true;
  } catch (const TextFormatError&) {
    return false;
  }
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
  const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return !ascii && IsUtf8(bytes) ? TextEncoding::Utf8NoMark : TextEncoding::Ansi;
}

std::string_view MarkOf(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf16Le: return kUtf16Bom;
    case TextEncoding::Utf8: return kUtf8Bom;
    case TextEncoding::Utf8NoMark:
    case TextEncoding::Ansi: break;
  }
  return "";
}

std::string ToUtf8(std::string_view body, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf16Le:
      if (body.size() % 2) throw TextFormatError(0, "the UTF-16 text ends in half a character");
      return Convert(body, "UTF-16LE", "UTF-8", "\n\0"sv, "malformed UTF-16 (a lone surrogate)");
    case TextEncoding::Utf8:
    case TextEncoding::Utf8NoMark: {
      std::string repaired = RepairSurrogatePairs(body);
      Convert(repaired, "UTF-8", "UTF-16LE", "\n", "malformed UTF-8");  // only checks it
      return repaired;
    }
    case TextEncoding::Ansi: break;
  }
  return AnsiToUtf8(body);
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

constexpr std::pair<TextEncoding, std::string_view> kEncodingNames[] = {
    {TextEncoding::Utf16Le, "utf-16le"},
    {TextEncoding::Utf8, "utf-8"},
    {TextEncoding::Utf8NoMark, "utf-8-unmarked"},
    {TextEncoding::Ansi, "ansi"}};

}  // namespace

std::string TextFraming::ToString() const {
  std::string name = "ansi";
  for (const auto& [known, word] : kEncodingNames)
    if (known == encoding) name = word;
  return name + (crlf ? " crlf" : " lf") + (final_break ? " final" : " open");
}

TextFraming TextFraming::Parse(std::string_view text) {
  const auto words = com::Split(text, " ");
  TextFraming framing;
  if (words.size() != 3) return framing;
  for (const auto& [known, word] : kEncodingNames)
    if (word == words[0]) framing.encoding = known;
  framing.crlf = words[1] == "crlf";
  framing.final_break = words[2] == "final";
  return framing;
}

DecodedText DecodeText(std::string_view bytes) {
  DecodedText decoded;
  decoded.framing.encoding = EncodingOf(bytes);
  std::string text =
      ToUtf8(bytes.substr(MarkOf(decoded.framing.encoding).size()), decoded.framing.encoding);
  const std::size_t first_break = text.find('\n');
  decoded.framing.crlf =
      first_break == std::string::npos || (first_break > 0 && text[first_break - 1] == '\r');
  text = ReplaceAll(std::move(text), "\r\n", "\n");
  decoded.framing.final_break = !text.empty() && text.back() == '\n';
  if (decoded.framing.final_break) text.pop_back();
  decoded.text = std::move(text);
  return decoded;
}

std::string EncodeText(std::string_view text, const TextFraming& framing) {
  std::string lines = framing.crlf ? ReplaceAll(std::string(text), "\n", "\r\n") : std::string(text);
  if (framing.final_break) lines += framing.crlf ? "\r\n" : "\n";
  const std::string mark(MarkOf(framing.encoding));
  switch (framing.encoding) {
    case TextEncoding::Utf16Le:
      return mark + Convert(lines, "UTF-8", "UTF-16LE", "\n", "malformed UTF-8");
    case TextEncoding::Utf8:
    case TextEncoding::Utf8NoMark: return mark + lines;
    case TextEncoding::Ansi: break;
  }
  return Utf8ToAnsi(lines);
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
