#pragma once
// Silences the message-box sounds while it is held and gives the user's
// sounds back when released.

#include <string>

namespace shared {

class SilentMessageBoxes {
 public:
  SilentMessageBoxes();
  ~SilentMessageBoxes();
  SilentMessageBoxes(const SilentMessageBoxes&) = delete;
  SilentMessageBoxes& operator=(const SilentMessageBoxes&) = delete;

 private:
  std::string saved_;
};

}  // namespace shared
