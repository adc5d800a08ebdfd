#pragma once
// A simulated machine with its DAO engine, and a fresh folder for database
// files: the base of the tests of the simulated Jet store.

#include <memory>
#include <string>

#include "platform/dao.h"
#include "sim/jet/database_builder.h"
#include "support/machine_test.h"

namespace jet_test {

class DaoTest : public testing_support::MachineTest {
 protected:
  // A workspace of the built-in workgroup's admin.
  std::shared_ptr<dao::Workspace> Workspace() {
    if (!workspace_) workspace_ = machine.NewDBEngine()->CreateWorkspace("Test", "admin", "");
    return workspace_;
  }

  std::shared_ptr<dao::Database> Open(const std::string& path, bool read_only = false,
                                      const std::string& connect = "") {
    return Workspace()->OpenDatabase(path, false, read_only, connect);
  }

  // A new Access 2000 database in the test's folder.
  sim::jet::DatabaseBuilder Build(const std::string& name = "db.mdb") {
    return sim::jet::DatabaseBuilder(temp.File(name));
  }

  static sim::jet::FieldSpec Text(const std::string& name) {
    sim::jet::FieldSpec field;
    field.name = name;
    return field;
  }

  static sim::jet::FieldSpec Long(const std::string& name, std::int32_t attributes = 0) {
    sim::jet::FieldSpec field;
    field.name = name;
    field.type = dao::dbLong;
    field.attributes = attributes;
    return field;
  }

  // Moves the clock on by a minute, so that a new stamp differs from the old.
  void Later() { clock().Advance(60'000); }

 private:
  std::shared_ptr<dao::Workspace> workspace_;
};

}  // namespace jet_test
