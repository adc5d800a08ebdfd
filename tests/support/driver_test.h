#pragma once
// The base of driver tests: a machine with Access 2000 SR-1 installed (so the
// system requirements are met), a workgroup file, and helpers that make
// parameter strings and projects.

#include <map>
#include <memory>
#include <string>

#include "driver/project.h"
#include "sim/jet/database_builder.h"
#include "support/machine_test.h"

namespace testing_support {

class DriverTest : public MachineTest {
 protected:
  DriverTest();

  // Installs Access 2000 with the given build as the fourth number of
  // MSACCESS.EXE's version, as Office 2000 installs it.
  void InstallAccess(std::uint16_t build, std::int32_t state = 3);
  std::string AccessExe() const { return temp.File("Office/MSACCESS.EXE"); }

  const std::string& Workgroup() const { return workgroup_; }
  // A parameter string for the database, with the workgroup, overridden or
  // extended by `extra` (an empty value removes the key).
  std::string Parameters(const std::string& database,
                         const std::map<std::string, std::string>& extra = {}) const;
  std::shared_ptr<driver::Project> NewProject(const std::string& parameters,
                                              const std::string& name = "Test");
  // A database file with the builder's defaults, ready for Access 2000.
  sim::jet::DatabaseBuilder NewDatabase(const std::string& file_name);

 private:
  std::string workgroup_;
};

}  // namespace testing_support
