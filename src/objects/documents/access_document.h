#pragma once
// What every object that Access keeps as a document of its own does
// (macros, modules, and later forms and reports): it is made by the
// Dispatcher inside Access, reaches Access through it, keeps its description
// with the document (the DAO document in a database, Access's AllXxx item in
// an Access project), and is renamed by Access: saved and closed first,
// renamed with the pop-ups kept quiet, then opened again for update.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "objects/data/object_base.h"
#include "platform/dao.h"
#include "shared/no_popups_hook.h"
#include "shared/silent_message_boxes.h"

namespace ui {
class Dispatcher;
}

namespace objects {

class AccessDocument : public ObjectBase {
 public:
  // How Access keeps one kind of document.
  struct Kind {
    const char* class_name;  // for error contexts
    const char* collection;
    std::int32_t object_type;  // AcObjectType
    const char* container;     // the DAO container of a database
    const char* all_member;    // CurrentProject's list of an Access project
  };

  void Initialize(std::shared_ptr<driver::Project> project,
                  std::shared_ptr<ui::Dispatcher> dispatcher, std::int32_t project_type,
                  const std::string& name);

  std::string Name() const { return name_; }
  void SetName(const std::string& name);
  std::string Description();
  void SetDescription(const std::string& description);

 protected:
  explicit AccessDocument(const Kind& kind) : ObjectBase(kind.collection), kind_(kind) {}

  // The Access the Dispatcher works in; 91 once dropped.
  com::ObjectRef App() const;
  // The DAO document of a database, through Access's CurrentDB.
  std::shared_ptr<dao::Document> Document();
  // The item of CurrentProject's list of an Access project.
  com::ObjectRef ProjectItem() const;
  void DropDocumentReferences();
  const Kind& DocumentKind() const { return kind_; }

  com::ObjectRef DoCmd() const;
  // The module of that name among those Access has open; fails when it is
  // not open.
  com::ObjectRef OpenModuleNamed(const std::string& module) const;
  // The document of that name in one of Access's collections of open
  // documents ("Forms", "Reports", "Modules"), or none when it is not open.
  com::ObjectRef FindOpen(const char* collection, const std::string& name) const;
  // Opens a module in the code editor without showing the editor.
  void OpenModuleHidden(const std::string& module);
  // Closes a module the driver opened, saving it or not, and gives the code
  // editor its window back.
  void CloseModuleNamed(const std::string& module, bool save);
  // Closes the document's own window, saving it or not.
  void CloseDocument(bool save);

  // Keeps Access's pop-ups and message-box sounds quiet while a document is
  // open, until EndQuiet.
  void BeQuiet();
  void EndQuiet();

  std::shared_ptr<driver::Project> project_;
  std::shared_ptr<ui::Dispatcher> dispatcher_;
  std::int32_t project_type_ = 2;

 private:
  const Kind& kind_;
  std::optional<shared::NoPopupsHook> hook_;
  std::optional<shared::SilentMessageBoxes> sounds_;
};

}  // namespace objects
