#include "objects/documents/command_bars.h"

#include "driver/iobject.h"
#include "driver/project.h"
#include "platform/access.h"
#include "platform/office.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {
namespace {

// The type code the host shows for each Office bar type.
std::int32_t BarTypeCode(std::int32_t bar_type) {
  switch (bar_type) {
    case office::msoBarTypeNormal: return 25;
    case office::msoBarTypeMenuBar: return 5;
    case office::msoBarTypePopup: return 19;
    default: return 0;
  }
}

// SccStatus bit 2: the file is checked out to this user.
constexpr std::int32_t kSccCheckedOut = 2;

}  // namespace

const com::TypeInfo& CommandBars::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<CommandBars>(kClass).Build();
  return info;
}

std::string CommandBars::ICollection_EnumObjects() {
  return vxhandler::Guard(kClass, "ICollection_EnumObjects", [&] {
    auto project = Parent();
    ObjectList list;
    if (!Listed(*project)) return list.Text();
    auto app = project->AccessApp();
    if (!app) return list.Text();
    const bool write = Writable(*project);
    auto bars = com::CObj(app->Get("CommandBars"));
    const std::int32_t count = com::CLng(bars->Get("Count"));
    for (std::int32_t i = 1; i <= count; ++i) {
      auto bar = com::CObj(bars->Call("Item", {com::Variant(i)}));
      if (com::CBool(bar->Get("BuiltIn"))) continue;
      const std::string name = com::CStr(bar->Get("Name"));
      list.Each(kClass, name, [&] {
        list.Add(name, BarTypeCode(com::CLng(bar->Get("Type"))), "", true, write, true, false);
      });
    }
    return list.Text();
  });
}

bool CommandBars::Listed(driver::Project& project) const {
  switch (project.ProjectType()) {
    case msaccess::acADP: return true;
    case msaccess::acMDB: {
      auto database = project.Database();
      return database && RefreshedDocuments(*database, "Forms")->Count() > 0;
    }
    default: validation::RaiseInvalidCaseSelector(com::Variant(project.ProjectType()));
  }
}

bool CommandBars::Writable(driver::Project& project) const {
  if (!project.IsUpdatable()) return false;
  if (project.ProjectType() != msaccess::acMDB) return true;
  std::int32_t status = 0;
  com::IgnoreErrors([&] {
    status = com::CLng(project.Database()->GetProperties()->Item("SccStatus")->Value());
  });
  return status == 0 || (status & kSccCheckedOut) != 0;
}

std::shared_ptr<driver::IObject> CommandBars::ICollection_GetObject(
    const std::string& object_name) {
  return vxhandler::Guard(kClass, "ICollection_GetObject", [&] {
    return std::dynamic_pointer_cast<driver::IObject>(Parent()->GetCommandBar(object_name));
  });
}

}  // namespace objects
