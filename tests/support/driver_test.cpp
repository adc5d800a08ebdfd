#include "support/driver_test.h"

#include <filesystem>
#include <fstream>

#include "driver/driver.h"
#include "host/parameter_set.h"
#include "shared/utility.h"
#include "sim/access/install.h"
#include "ui/connection.h"

namespace testing_support {

DriverTest::DriverTest() {
  InstallAccess(3822);
  // As the driver's IDriver_Initialize leaves it: the add-in loads with Access.
  const std::string add_in = driver::Driver::kAddInKey;
  machine.registry().CreateKey(add_in);
  machine.registry().WriteValue(add_in, "LoadBehavior", com::Variant(3));
  workgroup_ = temp.File("system.mdw");
  sim::jet::WorkgroupBuilder{workgroup_};
}

void DriverTest::InstallAccess(std::uint16_t build, std::int32_t state) {
  std::filesystem::create_directories(temp.path() / "Office");
  std::ofstream(AccessExe()) << "MZ";
  machine.installer().AddProduct(
      {"{00000409-78E1-11D2-B60F-006097C998E7}",
       "Microsoft Office 2000 Premium",
       {{"{CC29E967-7BC2-11D1-A921-00A0C91E2AA2}", AccessExe(), state}}});
  machine.installer().SetFileVersion(AccessExe(), {9, 0, 0, build});
  sim::access::Install(machine, AccessExe());
  machine.classes().RegisterClass(ui::Connection::kProgId,
                                  [] { return std::make_shared<ui::Connection>(); });
  Utility::ResetCachedPaths();
}

std::string DriverTest::Parameters(const std::string& database,
                                   const std::map<std::string, std::string>& extra) const {
  std::map<std::string, std::string> values = {{"ProjectType", "Database"},
                                               {"Database", database},
                                               {"Workgroup", workgroup_}};
  for (const auto& [key, value] : extra) values[key] = value;
  host::ParameterSet set;
  for (const auto& [key, value] : values)
    if (!value.empty()) set.PutValue(key, value, key.find("Password") != std::string::npos);
  return set.Text();
}

std::shared_ptr<driver::Project> DriverTest::NewProject(const std::string& parameters,
                                                        const std::string& name) {
  auto project = std::make_shared<driver::Project>();
  project->Initialize(name, parameters);
  return project;
}

sim::jet::DatabaseBuilder DriverTest::NewDatabase(const std::string& file_name) {
  return sim::jet::DatabaseBuilder(temp.File(file_name));
}

}  // namespace testing_support
