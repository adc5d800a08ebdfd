#pragma once
// One macro of the database. Access has no object model for the inside of a
// macro, so the macro is worked on as its text: opening has Access write it
// with SaveAsText and reads its lines; leaving update mode writes the lines
// back and has Access load them with LoadFromText, keeping the macro's
// description and source-control state. Lines nobody changed, and what this
// driver does not know of the text (newer Access's header lines and rows),
// are written back as they were read.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "objects/code/resource_string_reader.h"
#include "objects/documents/access_document.h"
#include "platform/dao.h"

namespace objects {

class MacroLines;
class MacroLine;

class Macro : public AccessDocument {
  // The class name that error contexts and traces report.
  static constexpr const char* kClass = "Macro";

 public:
  Macro();
  const com::TypeInfo& Members() const override;

  bool ShowLabel() const;
  void SetShowLabel(bool show);
  bool ShowCondition() const;
  void SetShowCondition(bool show);
  // Nothing while no macro text is loaded.
  std::shared_ptr<MacroLines> Lines() const { return lines_; }
  // A string of Access's resource library; only while the macro is open.
  std::string GetLocalizedString(std::int32_t resource_id);

 protected:
  void Open(std::int32_t mode) override;
  void Close() override;
  void Abandon() override;
  void DropReferences() override;

 private:
  // One line of the macro text as the reading rules see it, with the
  // physical lines it was joined from.
  struct LogicalLine {
    std::string text;
    std::vector<std::string> physical;
  };

  void SetColumnBit(std::int32_t bit, bool on);
  void Load();
  void Interpret(const std::vector<LogicalLine>& logical);
  void Save();
  std::string WrittenText() const;
  void KeepDocumentState();
  void RestoreDocumentState();
  void PutBackSccStatus();
  void TearDownLines();

  std::string version_;
  std::int32_t columns_shown_ = 0;
  std::shared_ptr<MacroLines> lines_;
  std::optional<ResourceStringReader> reader_;
  // Lines outside the rows that are neither Version nor ColumnsShown (newer
  // Access's PublishOption): written back between the two.
  std::vector<std::string> header_extras_;
  // How Access wrote the text file, to write it back the same way.
  std::string framing_;
  // What LoadFromText must not lose: the description, and a source-control
  // status taken off the document while the text loads.
  std::string saved_description_;
  std::optional<std::int32_t> saved_scc_status_;
};

}  // namespace objects
