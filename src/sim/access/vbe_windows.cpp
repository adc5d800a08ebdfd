#include "sim/access/vbe_windows.h"

#include "com/text.h"
#include "sim/access/application.h"
#include "sim/access/vbe_window.h"

namespace sim::access {

const com::TypeInfo& VbeWindows::Members() const {
  static const com::TypeInfo info = com::TypeBuilder<VbeWindows>("Windows")
                                        .Get("Count", &VbeWindows::Count)
                                        .Method("Item", &VbeWindows::Item)
                                        .Build();
  return info;
}

std::int32_t VbeWindows::Count() {
  return static_cast<std::int32_t>(Application::Served(application_)->Editor().List().size());
}

com::ObjectRef VbeWindows::Item(const com::Variant& index) {
  const auto& windows = Application::Served(application_)->Editor().List();
  for (std::size_t i = 0; i < windows.size(); ++i) {
    const bool match = index.IsString()
                           ? com::EqualsNoCase(windows[i].caption, index.AsString())
                           : com::CLng(index) == static_cast<std::int32_t>(i + 1);
    if (match) return std::make_shared<VbeWindow>(application_, windows[i].id);
  }
  com::RaiseVb(9);
}

}  // namespace sim::access
