#include "sim/win32/text_files.h"

#include <fstream>
#include <sstream>

#include "com/error.h"
#include "sim/access/text_encoding.h"
#include "sim/access/text_format_error.h"

namespace sim {
namespace {

constexpr std::int32_t kFileNotFound = 53;
constexpr std::int32_t kInputPastEnd = 62;
constexpr std::int32_t kPathFileAccess = 75;

}  // namespace

platform::TextFileContent TextFiles::Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) com::RaiseVb(kFileNotFound);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  try {
    auto decoded = access::DecodeText(bytes.str());
    return {std::move(decoded.text), decoded.framing.ToString()};
  } catch (const access::TextFormatError&) {
    com::Raise(kInputPastEnd, "Input past end of file");
  }
}

void TextFiles::Write(const std::string& path, const platform::TextFileContent& content) {
  std::string bytes;
  try {
    bytes = access::EncodeText(content.text, access::TextFraming::Parse(content.framing));
  } catch (const access::TextFormatError&) {
    com::RaiseVb(kPathFileAccess);
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush())
    com::RaiseVb(kPathFileAccess);
}

}  // namespace sim
