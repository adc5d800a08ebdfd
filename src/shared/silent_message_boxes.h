#pragma once
// Silences the message-box sounds while it is held and gives the user's
// sounds back when released.

#include <string>
#include <vector>

namespace shared {

class SilentMessageBoxes {
 public:
  SilentMessageBoxes();
  ~SilentMessageBoxes();
  SilentMessageBoxes(const SilentMessageBoxes&) = delete;
  SilentMessageBoxes& operator=(const SilentMessageBoxes&) = delete;

 private:
  std::vector<std::string> saved_;
};

}  // namespace shared
