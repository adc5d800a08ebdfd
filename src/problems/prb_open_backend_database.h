#pragma once
// A backend database of linked tables could not be opened.

#include <cstdint>
#include <memory>
#include <string>

#include "host/iproblem.h"

class prbOpenBackendDatabase : public host::IProblem {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "prbOpenBackendDatabase";

 public:
  void Initialize(const std::string& source_db_name, std::int32_t err_code,
                  const std::string& err_msg);

  void IProblem_GetParameters(std::vector<std::string>& parameters) override;
  void IProblem_SetParameters(const std::vector<std::string>& parameters) override;
  std::string IProblem_Task() override;
  std::string IProblem_Description() override;
  std::shared_ptr<host::SolutionList> IProblem_Solutions() override;

 private:
  std::string source_db_name_;
  std::int32_t err_code_ = 0;
  std::string err_msg_;
};
