#pragma once
// Access's CurrentProject: the open database as a project. Its names are
// empty while no database is open; its connection and document lists then
// raise 2467.

#include <memory>
#include <string>

#include "com/dispatch.h"

namespace sim::access {

class Application;
class CurrentFile;

class CurrentProject : public com::Dispatch {
 public:
  explicit CurrentProject(std::weak_ptr<Application> application)
      : application_(std::move(application)) {}

  const com::TypeInfo& Members() const override;

  std::string FullName();
  std::string Name();
  std::string Path();
  com::ObjectRef Connection();
  com::ObjectRef AllForms();
  com::ObjectRef AllReports();
  com::ObjectRef AllMacros();
  com::ObjectRef AllModules();
  com::ObjectRef AllDataAccessPages();

 private:
  std::shared_ptr<CurrentFile> File() const;
  std::shared_ptr<CurrentFile> RequireFile() const;
  com::ObjectRef All(std::int32_t object_type);

  std::weak_ptr<Application> application_;
};

}  // namespace sim::access
