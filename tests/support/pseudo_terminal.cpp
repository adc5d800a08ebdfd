#include "support/pseudo_terminal.h"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace testing_support {

PseudoTerminal::PseudoTerminal(const std::string& program,
                               const std::vector<std::string>& arguments,
                               const std::string& folder,
                               const std::vector<std::string>& environment) {
  winsize size{};
  size.ws_row = 30;
  size.ws_col = 100;
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  std::vector<std::string> settings = environment;
  child_ = forkpty(&master_, nullptr, nullptr, &size);
  if (child_ < 0) throw std::runtime_error("forkpty failed");
  if (child_ == 0) {
    if (chdir(folder.c_str()) != 0) _exit(126);
    for (std::string& s : settings) putenv(s.data());
    execv(program.c_str(), argv.data());
    _exit(127);
  }
}

PseudoTerminal::~PseudoTerminal() {
  if (child_ > 0 && waitpid(child_, nullptr, WNOHANG) == 0) {
    kill(child_, SIGKILL);
    waitpid(child_, nullptr, 0);
  }
  close(master_);
}

void PseudoTerminal::Type(const std::string& keys) {
  std::size_t written = 0;
  while (written < keys.size()) {
    const ssize_t n = write(master_, keys.data() + written, keys.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw std::runtime_error("cannot type into the terminal");
    written += static_cast<std::size_t>(n);
  }
}

bool PseudoTerminal::ReadSome(std::chrono::steady_clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      deadline - std::chrono::steady_clock::now());
  if (left.count() <= 0) return false;
  pollfd p{master_, POLLIN, 0};
  if (poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
  char buffer[4096];
  const ssize_t n = read(master_, buffer, sizeof buffer);
  if (n <= 0) return false;  // EIO: the program closed its terminal
  output_.append(buffer, static_cast<std::size_t>(n));
  return true;
}

bool PseudoTerminal::WaitFor(const std::string& text, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  std::size_t found;
  while ((found = output_.find(text, seen_)) == std::string::npos)
    if (!ReadSome(deadline)) return false;
  seen_ = found + text.size();
  return true;
}

int PseudoTerminal::Wait(std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (ReadSome(deadline)) {
  }
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(child_, &status, WNOHANG);
    if (done == child_) break;
    if (std::chrono::steady_clock::now() >= deadline) return -1;
    pollfd none{-1, 0, 0};
    poll(&none, 0, 10);  // the terminal is closed; the process is ending
  }
  child_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace testing_support
