#pragma once
// One sorting and grouping level of a report: the field or expression it
// sorts on and how it groups. Its text is its ControlSource.

#include <cstdint>
#include <memory>
#include <string>

#include "com/dispatch.h"
#include "objects/documents/mirror.h"

namespace objects {

class GroupLevels;

class GroupLevel : public com::Dispatch, public Mirrored {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "GroupLevel";

 public:
  const com::TypeInfo& Members() const override;

  void Initialize(std::shared_ptr<GroupLevels> parent, com::ObjectRef level,
                  const std::string& name);
  void TearDown();

  std::string Name() const { return name_; }
  // Access keeps the order as a Yes/No value: Yes is descending.
  std::int32_t SortOrder();
  void SetSortOrder(std::int32_t order);

  com::Dispatch& MirrorTarget() override;

 private:
  std::weak_ptr<GroupLevels> parent_;
  com::ObjectRef level_;
  std::string name_;
};

}  // namespace objects
