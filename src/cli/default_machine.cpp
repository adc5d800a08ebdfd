#include "cli/default_machine.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "cli/user_guide_file.h"
#include "com/error.h"
#include "sim/access/install.h"
#include "sim/jet/database_builder.h"
#include "ui/connection.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kEnginesKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Office\\9.0\\Access\\Jet\\4.0\\Engines";
constexpr const char* kAccessComponent = "{CC29E967-7BC2-11D1-A921-00A0C91E2AA2}";
constexpr std::uint16_t kAccess2000SR1 = 3822;

void Touch(const fs::path& file) {
  if (fs::exists(file)) return;
  fs::create_directories(file.parent_path());
  std::ofstream(file) << "MZ";
}

}  // namespace

std::string StateFolder() {
  if (const char* home = std::getenv("QUILLNET_HOME"); home && *home) return home;
  const char* user_home = std::getenv("HOME");
  return (fs::path(user_home && *user_home ? user_home : ".") / ".quillnet").string();
}

DefaultMachine::DefaultMachine() : state_(StateFolder()) {
  std::error_code ec;
  fs::create_directories(state_, ec);
  if (ec) com::Raise(76, "Cannot create the folder " + state_ + ": " + ec.message());
  machine_ = std::make_unique<sim::Machine>(
      sim::Machine::Options{true, (fs::path(state_) / "registry.txt").string()});

  const fs::path access_exe = fs::path(state_) / "Office" / "MSACCESS.EXE";
  Touch(access_exe);
  Touch(fs::path(state_) / "Office" / "1033" / "msain900.dll");
  machine_->installer().AddProduct({"{00000409-78E1-11D2-B60F-006097C998E7}",
                                    "Microsoft Office 2000 Premium",
                                    {{kAccessComponent, access_exe.string(), 3}}});
  machine_->installer().SetFileVersion(access_exe.string(), {9, 0, 0, kAccess2000SR1});
  sim::access::Install(*machine_, access_exe.string());
  machine_->processes().SetModuleFileName((fs::path(state_) / "tovrin40.dll").string());
  InstallUserGuide((fs::path(state_) / "tovrin40.chm").string());
  machine_->classes().RegisterClass(ui::Connection::kProgId,
                                    [] { return std::make_shared<ui::Connection>(); });

  workgroup_ = (fs::path(state_) / "system.mdw").string();
  if (!fs::exists(workgroup_)) sim::jet::WorkgroupBuilder{workgroup_};
  auto& registry = machine_->registry();
  registry.CreateKey(kEnginesKey);
  registry.WriteValue(kEnginesKey, "SystemDB", com::Variant(workgroup_));
}

}  // namespace cli
