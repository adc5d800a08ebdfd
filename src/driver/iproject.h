#pragma once
// IProject: one open Access database or project, as the host sees it.

#include <cstdint>
#include <memory>
#include <string>

namespace driver {

class ICollection;

class IProject {
 public:
  virtual ~IProject() = default;
  virtual void IProject_UpdateName(const std::string& name) = 0;
  // The collection names, separated by tabs.
  virtual std::string IProject_EnumCollections() = 0;
  // The collection of that name, or nothing.
  virtual std::shared_ptr<ICollection> IProject_GetCollection(const std::string& name) = 0;
  virtual void IProject_Deactivate() = 0;
  virtual void IProject_ResetActivationFlags() = 0;
  virtual std::string IProject_EnumCommands() = 0;
  virtual void IProject_ExecuteCommand(std::int32_t command) = 0;
};

}  // namespace driver
