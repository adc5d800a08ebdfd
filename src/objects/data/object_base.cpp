#include "objects/data/object_base.h"

#include "driver/project.h"
#include "host/scanner.h"
#include "shared/utility.h"
#include "shared/validation.h"
#include "shared/vxhandler.h"

namespace objects {

std::string ObjectBase::IObject_Name() {
  return vxhandler::Guard(TypeName(), "IObject_Name", [&] { return name_; });
}

void ObjectBase::IObject_SetMode(std::int32_t mode) {
  vxhandler::Guard(TypeName(), "IObject_SetMode", [&] {
    if (mode != mode_) SetMode(mode);
  });
}

void ObjectBase::SetMode(std::int32_t mode) {
  vxhandler::GuardWithRollback(
      TypeName(), "SetMode",
      [&] {
        if (mode == mode_) return;
        switch (mode) {
          case driver::kModeClosed: Close(); break;
          case driver::kModeScan:
          case driver::kModeUpdate: Open(mode); break;
          default: validation::RaiseInvalidCaseSelector(com::Variant(mode));
        }
        mode_ = mode;
      },
      [&] { Abandon(); });
}

void ObjectBase::IObject_Scan(const std::string& arg1, const std::string& arg2, bool flag,
                              const std::string& arg3) {
  vxhandler::GuardWithRollback(
      TypeName(), "IObject_Scan",
      [&] {
        SetMode(driver::kModeScan);
        {
          host::Scanner scanner;
          scanner.Scan(arg1, collection_name_, arg2, flag, shared_from_this(), arg3);
        }
        SetMode(driver::kModeClosed);
      },
      [&] { SetMode(driver::kModeClosed); });
}

void ObjectBase::IObject_Reconstitute() {
  vxhandler::Guard(TypeName(), "IObject_Reconstitute", [] {});
}

void ObjectBase::IObject_Dispose() {
  vxhandler::Guard(TypeName(), "IObject_Dispose", [&] { DropReferences(); });
}

void ObjectBase::RefuseWhenOpenInAccess(driver::Project& project, std::int32_t object_type,
                                        const std::string& message) {
  if (!project.AccessAppIsLoaded()) return;
  auto app = project.AccessApp();
  if (app && Utility::ObjectIsOpen(*app, object_type, name_)) validation::RaiseMessage(message);
}

}  // namespace objects
