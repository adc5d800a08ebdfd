#include "sim/win32/text_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "com/error.h"
#include "sim/access/text_encoding.h"
#include "sim/access/text_format_error.h"

namespace sim {
namespace {

constexpr std::int32_t kInvalidArgument = 5;
constexpr std::int32_t kDiskFull = 61;
constexpr std::int32_t kFileNotFound = 53;
constexpr std::int32_t kInputPastEnd = 62;
constexpr std::int32_t kPathFileAccess = 75;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) com::RaiseVb(kFileNotFound);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A file descriptor closed when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_;
};

}  // namespace

platform::TextFileContent TextFiles::Read(const std::string& path) {
  const std::string bytes = ReadBytes(path);
  try {
    auto decoded = access::DecodeText(bytes);
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

std::string TextFiles::ReadAnsi(const std::string& path) {
  return access::AnsiToUtf8(ReadBytes(path));
}

void TextFiles::ReplaceAnsi(const std::string& path, const std::string& text) {
  if (!std::filesystem::is_regular_file(path)) com::RaiseVb(kFileNotFound);
  std::string bytes;
  try {
    bytes = access::Utf8ToAnsi(text);
  } catch (const access::TextFormatError& error) {
    com::Raise(kInvalidArgument, std::string("The text cannot be written in the Windows Western "
                                             "code page: ") + error.what() + ".");
  }
  ReplaceWith(path, bytes);
}

void TextFiles::ReplaceWith(const std::string& path, const std::string& bytes) {
  struct stat old_file {};
  if (::stat(path.c_str(), &old_file) != 0) com::RaiseVb(kFileNotFound);
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
    temporary = path + ".~" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, old_file.st_mode & 07777);
  }
  if (fd < 0) com::RaiseVb(kPathFileAccess);
  Descriptor file(fd);
  const std::size_t room = space_left_ ? std::min(*space_left_, bytes.size()) : bytes.size();
  const bool written = ::write(file.get(), bytes.data(), room) == static_cast<ssize_t>(room);
  if (space_left_) *space_left_ -= room;
  const bool complete = written && room == bytes.size() && ::fsync(file.get()) == 0 &&
                        file.Close() && std::rename(temporary.c_str(), path.c_str()) == 0;
  if (complete) return;
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  com::RaiseVb(room < bytes.size() ? kDiskFull : kPathFileAccess);
}

}  // namespace sim
