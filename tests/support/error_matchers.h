#pragma once
// Expectations on numbered errors.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "com/error.h"

namespace testing_support {

// Runs the work and returns the numbered error it raised; fails the test when
// it raised none.
inline com::Error ErrorOf(const std::function<void()>& work) {
  auto error = com::Capture(work);
  if (!error) {
    ADD_FAILURE() << "expected an error, none was raised";
    return com::Error(0, "");
  }
  return *error;
}

// The description without the "PROGRAM CONTEXT:" block the driver appends.
inline std::string Message(const com::Error& e) {
  const auto pos = e.Description().find("\r\n\r\nPROGRAM CONTEXT:");
  return pos == std::string::npos ? e.Description() : e.Description().substr(0, pos);
}

}  // namespace testing_support
