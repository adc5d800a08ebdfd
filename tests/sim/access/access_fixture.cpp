#include "access_fixture.h"

namespace access_test {

AccessTest::AccessTest() {
  sim::access::Install(machine, AccessExe());
  sim::jet::WorkgroupBuilder(Workgroup()).User("Bob", "secret");
  BuildSales();
}

void AccessTest::BuildSales(const std::function<void(sim::jet::DatabaseBuilder&)>& more) {
  auto sales = NewDatabase("Sales.mdb");
  sales.Table({.name = "Orders", .fields = {{.name = "OrderID", .type = dao::dbLong}}})
      .Query({.name = "OrderList", .sql = "SELECT OrderID FROM Orders;"})
      .Query({.name = "ArchiveOrders", .sql = "INSERT INTO Orders (OrderID) VALUES (1);"});
  for (const auto& [container, name] : std::vector<std::pair<std::string, std::string>>{
           {"Forms", "Orders"},
           {"Forms", "Customers"},
           {"Reports", "Sales"},
           {"Scripts", "Macro1"},
           {"Modules", "Module1"},
           {"Modules", "Utilities"},
           {"DataAccessPages", "Page1"}})
    sales.Document({.container = container, .name = name});
  if (more) more(sales);
  sales_ = sales.path();
}

std::string AccessTest::CommandLine(const std::string& options) const {
  std::string line = "\"" + AccessExe() + "\" \"" + sales_ + "\" /wrkgrp \"" + Workgroup() + "\"";
  return options.empty() ? line : line + " " + options;
}

com::ObjectRef AccessTest::Launch(const std::string& command_line, const std::string& password,
                                  std::int32_t key_state) {
  return machine.processes().LaunchAndAttach(command_line, sales_, password, key_state, 10000);
}

std::shared_ptr<sim::access::Application> AccessTest::LaunchSales(const std::string& options) {
  return std::dynamic_pointer_cast<sim::access::Application>(Launch(CommandLine(options)));
}

std::shared_ptr<sim::access::Application> AccessTest::UserAccess(bool exclusive) {
  return sim::access::StartAccess(machine,
                                  {.file = sales_, .workgroup = Workgroup(), .exclusive = exclusive});
}

com::ObjectRef AccessTest::DoCmd(com::Dispatch& access) { return com::CObj(access.Get("DoCmd")); }

std::vector<std::pair<std::string, std::string>> AccessTest::Children(HWND window) {
  std::vector<std::pair<std::string, std::string>> children;
  auto& windows = machine.windows();
  for (HWND w = windows.GetWindow(window, platform::Windows::GW_CHILD); w != 0;
       w = windows.GetWindow(w, platform::Windows::GW_HWNDNEXT))
    children.emplace_back(windows.GetClassName(w), windows.GetWindowText(w));
  return children;
}

AccessTest::HWND AccessTest::Child(HWND window, const std::string& class_name) {
  auto& windows = machine.windows();
  for (HWND w = windows.GetWindow(window, platform::Windows::GW_CHILD); w != 0;
       w = windows.GetWindow(w, platform::Windows::GW_HWNDNEXT))
    if (windows.GetClassName(w) == class_name) return w;
  return 0;
}

std::size_t AccessTest::TopLevelWindowCount() {
  std::size_t count = 0;
  auto& windows = machine.windows();
  for (HWND w = windows.GetWindow(0, platform::Windows::GW_HWNDFIRST); w != 0;
       w = windows.GetWindow(w, platform::Windows::GW_HWNDNEXT))
    ++count;
  return count;
}

}  // namespace access_test
