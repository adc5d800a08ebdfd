#pragma once
// The host file dialog: the open-file dialog of the system, set up by
// properties and shown with Show. The filter is written as VB programmers
// write it, "Description|pattern|Description|pattern|".

#include <cstdint>
#include <string>

namespace host {

class FileDialog {
 public:
  std::string Title;
  std::string DefaultExt;
  std::string Filter;
  std::int32_t FilterIndex = 1;
  std::uint32_t Flags = 0;
  std::int32_t Owner = 0;
  // The name the dialog opens on and, after OK, the chosen file.
  std::string FileName;

  // True when the user chose a file; the chosen path is then in FileName.
  bool Show();
};

}  // namespace host
