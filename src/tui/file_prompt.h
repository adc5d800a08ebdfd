#pragma once
// The open-file dialog in the terminal: the dialog's title and file types
// over one path field. Tab completes the path from the folder it names (the
// files of the chosen type and the folders), Up and Down change the type,
// Enter accepts a file that exists (trying the default extension on a name
// without one), Esc cancels.

#include <string>
#include <vector>

#include "platform/win32.h"
#include "tui/terminal.h"

namespace tui {

class FilePrompt {
 public:
  explicit FilePrompt(Terminal& terminal) : terminal_(terminal) {}
  // True with the chosen file's absolute path in the request; false when cancelled.
  bool Ask(platform::Shell::OpenFileName& request);

 private:
  void Paint(const platform::Shell::OpenFileName& request, std::size_t type,
             const std::string& path, const std::vector<std::string>& notes);

  Terminal& terminal_;
};

// The names in the path's folder that begin with its last part and match one
// of the patterns ("*.mdb;*.mda", "*.*"); folders always, with a "/" after them.
std::vector<std::string> Completions(const std::string& path, const std::string& patterns);
// The path completed as far as every completion agrees.
std::string Complete(const std::string& path, const std::vector<std::string>& completions);
// The file the dialog returns for what was typed, or the empty string when
// there is no such file.
std::string ChosenFile(const std::string& typed, const std::string& default_extension);

}  // namespace tui
