#pragma once
// One standard or class module of the database, opened in the code editor
// of the running Access: hidden from the user, with Access's pop-ups and
// message-box sounds kept quiet while it is open. Its Procedures change the
// editor's copy of the code; closing from update mode saves it, closing from
// scan mode discards it. A module the user already had open is only scanned:
// the driver neither closes nor saves it.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "objects/documents/access_document.h"
#include "platform/dao.h"

namespace objects {

class Procedures;

class Module : public AccessDocument {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Module";

 public:
  Module();
  const com::TypeInfo& Members() const override;

  std::shared_ptr<Procedures> GetProcedures();

 protected:
  void Open(std::int32_t mode) override;
  void Close() override;
  void Abandon() override;
  void DropReferences() override;

 private:
  void OpenInEditor();
  void PutBackSccStatus();
  void TearDownProcedures();

  com::ObjectRef access_module_;
  std::shared_ptr<Procedures> procedures_;
  // Whether the driver opened the module (and so closes it): one the user
  // had open stays open, also when opening for them fails half way.
  bool opened_ = false;
  // Under source control: the module's SccStatus, and the value it had
  // while the driver opens the module with another.
  std::shared_ptr<dao::Property> scc_status_;
  std::optional<com::Variant> scc_saved_;
};

}  // namespace objects
