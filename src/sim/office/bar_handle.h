#pragma once
// Where a command bar of an Access session is: a built-in bar of Access, a
// custom bar of the open database, or the bar of a popup control below one
// of those (the positions of the popups on the way, from 0). Every read
// takes the bar's definition afresh, and every change of a custom bar is
// written to the database file at once, so that two objects for one bar
// never disagree. Once the session has quit, every call raises 462.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace sim::access {
class Application;
}

namespace sim::office {

class BarHandle {
 public:
  static BarHandle BuiltIn(std::weak_ptr<access::Application> application, std::size_t index);
  static BarHandle Custom(std::weak_ptr<access::Application> application, std::string name);

  // The bar of the popup control at that position of this bar.
  BarHandle PopupBar(std::size_t control) const;

  bool IsBuiltIn() const { return built_in_; }
  nlohmann::json Read() const;
  // Changes the bar and keeps the change. A built-in bar refuses every
  // change with Office's automation failure; a custom bar whose database
  // has closed raises 2046.
  void Update(const std::function<void(nlohmann::json&)>& change);

 private:
  BarHandle(std::weak_ptr<access::Application> application, bool built_in, std::size_t index,
            std::string name)
      : application_(std::move(application)), built_in_(built_in), index_(index), name_(std::move(name)) {}

  nlohmann::json Top() const;
  static nlohmann::json& Below(nlohmann::json& top, const std::vector<std::size_t>& path);

  std::weak_ptr<access::Application> application_;
  bool built_in_;
  std::size_t index_;  // of a built-in bar
  std::string name_;   // of a custom bar at the top
  std::vector<std::size_t> path_;
};

}  // namespace sim::office
