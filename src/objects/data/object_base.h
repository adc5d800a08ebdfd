#pragma once
// What every top-level object does: its name, the mode switch (0 closed,
// 1 scan, 2 update), the scan through the host scanner that always ends
// closed, and dropping its references when the host is done with it. Each
// class says how it opens and closes.

#include <cstdint>
#include <memory>
#include <string>

#include "com/dispatch.h"
#include "driver/iobject.h"

namespace driver {
class Project;
}

namespace objects {

class ObjectBase : public com::Dispatch, public driver::IObject {
 public:
  std::string IObject_Name() override;
  void IObject_SetMode(std::int32_t mode) override;
  void IObject_Scan(const std::string& arg1, const std::string& arg2, bool flag,
                    const std::string& arg3) override;
  void IObject_Reconstitute() override;
  void IObject_Dispose() override;

  std::int32_t Mode() const { return mode_; }
  // The switch itself: nothing when the mode is already `mode`; 0 closes,
  // 1 and 2 open; any other value raises the invalid-case-selector error.
  void SetMode(std::int32_t mode);

 protected:
  explicit ObjectBase(std::string collection_name) : collection_name_(std::move(collection_name)) {}

  virtual void Open(std::int32_t mode) = 0;
  virtual void Close() = 0;
  // Undoes what a failed switch left behind (errors are ignored); the mode
  // stays as it was unless this changes it.
  virtual void Abandon() {}
  // Drops every reference the object holds (sub-collections torn down first).
  virtual void DropReferences() = 0;

  // Raises the class's message when Access shows the object in a window:
  // an object open in Access cannot be changed safely.
  void RefuseWhenOpenInAccess(driver::Project& project, std::int32_t object_type,
                              const std::string& message);

  std::string name_;
  std::int32_t mode_ = 0;

 private:
  std::string collection_name_;
};

}  // namespace objects
