#pragma once
// Holds the screen's mouse pointer for the length of an operation: saves it
// when made, puts it back when released.

#include <cstdint>

namespace ui {

class MousePtr {
 public:
  MousePtr();
  ~MousePtr();
  MousePtr(const MousePtr&) = delete;
  MousePtr& operator=(const MousePtr&) = delete;

  void SetPointer(std::int16_t pointer);
  std::int16_t SavedPointer() const { return saved_; }

 private:
  std::int16_t saved_;
};

}  // namespace ui
