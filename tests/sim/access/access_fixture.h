#pragma once
// The base of the simulated Access's tests: a machine with Access 2000 SR-1
// installed as a program, a workgroup with the user "Bob", and the database
// Sales.mdb with a few objects of every kind.

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/access.h"
#include "sim/access/install.h"
#include "support/driver_test.h"

namespace access_test {

class AccessTest : public testing_support::DriverTest {
 protected:
  using HWND = platform::Windows::HWND;

  AccessTest();

  const std::string& Sales() const { return sales_; }
  // Makes Sales.mdb afresh, with whatever more the test adds to it.
  void BuildSales(const std::function<void(sim::jet::DatabaseBuilder&)>& more = nullptr);
  // "\"exe\" \"Sales.mdb\" /wrkgrp \"system.mdw\"" followed by the extra options.
  std::string CommandLine(const std::string& options = "") const;
  com::ObjectRef Launch(const std::string& command_line, const std::string& password = "",
                        std::int32_t key_state = 0);
  std::shared_ptr<sim::access::Application> LaunchSales(const std::string& options = "");
  // The user's own Access with Sales.mdb open.
  std::shared_ptr<sim::access::Application> UserAccess(bool exclusive = false);

  // Access's DoCmd, by late binding.
  static com::ObjectRef DoCmd(com::Dispatch& access);

  // The windows under a window, as (class, caption) pairs.
  std::vector<std::pair<std::string, std::string>> Children(HWND window);
  HWND Child(HWND window, const std::string& class_name);
  std::size_t TopLevelWindowCount();

 private:
  std::string sales_;
};

}  // namespace access_test
