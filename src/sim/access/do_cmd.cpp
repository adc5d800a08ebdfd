#include "sim/access/do_cmd.h"

#include "platform/access.h"
#include "sim/access/application.h"
#include "sim/access/members.h"

namespace sim::access {
namespace {

constexpr std::int32_t kDefault = -1;  // acDefault: the active window

// Runs an action on the open database's windows.
template <class Work>
com::Variant Act(const DoCmd& self, const std::string& action, Work work) {
  auto application = self.Session();
  work(application->RequireDocuments(action));
  return com::Variant();
}

// DoCmd.Open<Kind>(Name, View, ...): the view is the second argument; a
// form's window mode is the sixth, a report's the fifth.
com::Member Opener(std::string action, std::int32_t object_type,
                   std::size_t window_mode_position = 0) {
  return Method<DoCmd>(action, [action, object_type, window_mode_position](DoCmd& self, Args args) {
    return Act(self, action, [&](DocumentWindows& documents) {
      const std::int32_t window_mode =
          window_mode_position ? LongArg(args, window_mode_position, 0) : 0;
      documents.Open(object_type, com::CStr(Required(args, 0)), LongArg(args, 1, 0), window_mode);
    });
  });
}

}  // namespace

std::shared_ptr<Application> DoCmd::Session() const { return Application::Served(application_); }

const com::TypeInfo& DoCmd::Members() const {
  static const com::TypeInfo info =
      com::TypeBuilder<DoCmd>("DoCmd")
          .Custom(Opener("OpenTable", msaccess::acTable))
          .Custom(Opener("OpenQuery", msaccess::acQuery))
          .Custom(Opener("OpenForm", msaccess::acForm, 5))
          .Custom(Opener("OpenReport", msaccess::acReport, 4))
          .Custom(Opener("OpenDataAccessPage", msaccess::acDataAccessPage))
          .Custom(Method<DoCmd>("OpenModule", [](DoCmd& self, Args args) {
            return Act(self, "OpenModule", [&](DocumentWindows& documents) {
              documents.OpenModule(com::CStr(Required(args, 0)));
            });
          }))
          .Custom(Method<DoCmd>("Close", [](DoCmd& self, Args args) {
            return Act(self, "Close", [&](DocumentWindows& documents) {
              const std::int32_t type = LongArg(args, 0, kDefault);
              if (type == kDefault) return documents.CloseActive();
              // Access ignores acSavePrompt for modules: it closes them unsaved.
              documents.Close(type, com::CStr(Required(args, 1)), LongArg(args, 2, kSavePrompt));
            });
          }))
          .Custom(Method<DoCmd>("Rename", [](DoCmd& self, Args args) {
            return Act(self, "Rename", [&](DocumentWindows& documents) {
              documents.Rename(com::CLng(Required(args, 1)), com::CStr(Required(args, 2)),
                               com::CStr(Required(args, 0)));
            });
          }))
          .Custom(Method<DoCmd>("RunCommand", [](DoCmd& self, Args args) {
            self.Session()->RunCommand(com::CLng(Required(args, 0)));
            return com::Variant();
          }))
          .Build();
  return info;
}

}  // namespace sim::access
