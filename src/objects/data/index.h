#pragma once
// One index of a table (a DAO Index). Only its name can be changed.

#include <memory>
#include <string>

#include "com/dispatch.h"
#include "platform/dao.h"

namespace objects {

class Indexes;

class Index : public com::Dispatch {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Index";

 public:
  const com::TypeInfo& Members() const override;

  void Initialize(std::shared_ptr<Indexes> parent, std::shared_ptr<dao::Index> dao_index);
  void TearDown();

  std::string Name();
  void SetName(const std::string& name);
  bool Clustered();
  // The index's fields: "City, Name DESC".
  std::string OrderBy();
  bool Foreign();
  bool IgnoreNulls();
  bool Primary();
  bool Required();
  bool Unique();

 private:
  dao::Index& Dao();

  std::weak_ptr<Indexes> parent_;
  std::shared_ptr<dao::Index> index_;
};

}  // namespace objects
