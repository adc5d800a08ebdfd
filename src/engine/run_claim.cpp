#include "engine/run_claim.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>

#include "com/error.h"
#include "platform/system.h"

namespace engine {
namespace {

constexpr std::int32_t kPermissionDenied = 70;
constexpr std::uint32_t kPollMs = 100;

std::string Holder(int fd) {
  char text[128] = {};
  const auto read = pread(fd, text, sizeof text - 1, 0);
  return read > 0 ? std::string(text, static_cast<std::size_t>(read)) : std::string();
}

void Describe(int fd, const std::string& what) {
  const std::string text = what + "\n";
  if (ftruncate(fd, 0) == 0) (void)pwrite(fd, text.data(), text.size(), 0);
}

std::string WithArticle(const std::string& noun) {
  const bool vowel = !noun.empty() && std::string_view("aeiou").find(noun[0]) != std::string::npos;
  return (vowel ? "an " : "a ") + noun;
}

}  // namespace

RunClaim::RunClaim(const std::string& database, const std::string& claim_file, Kind kind,
                   std::uint32_t wait_ms, const std::function<void()>& while_alone,
                   const std::string& run) {
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(claim_file).parent_path(), ignored);
  fd_ = open(claim_file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd_ < 0)
    com::Raise(kPermissionDenied, "Cannot claim " + database + ": " + claim_file + " cannot be made.");
  // Alone first, when nobody else holds the file; a reader that finds other
  // readers joins them, and waits only for a replace.
  if (flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    Describe(fd_, WithArticle(kind == Kind::Exclusive ? run : "reading run") + " by process " +
                      std::to_string(getpid()));
    try {
      while_alone();
    } catch (...) {
      Release();
      throw;
    }
    if (kind == Kind::Shared) flock(fd_, LOCK_SH);
    return;
  }
  if (kind == Kind::Exclusive)
    Refuse(database, " This " + run + " needs the database to itself: try again when that run "
                     "has finished.");
  auto& clock = platform::System::Current().clock();
  const std::uint32_t start = clock.GetTickCount();
  while (flock(fd_, LOCK_SH | LOCK_NB) != 0) {
    if (clock.GetTickCount() - start >= wait_ms)
      Refuse(database, " Try again when the replace has finished.");
    clock.Sleep(kPollMs);
  }
}

void RunClaim::Refuse(const std::string& database, const std::string& advice) {
  const std::string holder = Holder(fd_);
  Release();
  com::Raise(kPermissionDenied,
             "Another quillnet run is using " + database +
                 (holder.empty() ? std::string(".")
                                 : " (" + holder.substr(0, holder.find('\n')) + ").") +
                 advice);
}

RunClaim::~RunClaim() { Release(); }

void RunClaim::Release() {
  if (fd_ < 0) return;
  flock(fd_, LOCK_UN);
  close(fd_);
  fd_ = -1;
}

}  // namespace engine
