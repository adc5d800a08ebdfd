#include "tui/file_prompt.h"

#include <algorithm>
#include <filesystem>

#include "com/text.h"

namespace tui {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kNotesShown = 8;

bool Matches(const std::string& name, const std::string& patterns) {
  for (const std::string& pattern : com::Split(patterns, ";")) {
    const std::string p = com::Trim(pattern);
    if (p == "*.*" || p == "*") return true;
    if (p.rfind("*", 0) == 0 && com::LCase(name).ends_with(com::LCase(p.substr(1)))) return true;
  }
  return false;
}

std::pair<std::string, std::string> FolderAndStem(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return {"", path};
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

}  // namespace

std::vector<std::string> Completions(const std::string& path, const std::string& patterns) {
  const auto [folder, stem] = FolderAndStem(path);
  std::vector<std::string> found;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder.empty() ? "." : folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(stem, 0) != 0 || (stem.empty() && name[0] == '.')) continue;
    std::error_code type_error;
    if (entry.is_directory(type_error)) found.push_back(name + "/");
    else if (Matches(name, patterns)) found.push_back(name);
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::string Complete(const std::string& path, const std::vector<std::string>& completions) {
  if (completions.empty()) return path;
  std::string common = completions.front();
  for (const std::string& c : completions) {
    std::size_t n = 0;
    while (n < common.size() && n < c.size() && common[n] == c[n]) ++n;
    common.resize(n);
  }
  return FolderAndStem(path).first + common;
}

std::string ChosenFile(const std::string& typed, const std::string& default_extension) {
  const std::string trimmed = com::Trim(typed);
  if (trimmed.empty()) return "";
  std::error_code ec;
  for (const fs::path& candidate :
       {fs::path(trimmed), fs::path(trimmed + default_extension)}) {
    if (fs::is_regular_file(candidate, ec)) return fs::absolute(candidate).lexically_normal().string();
    if (fs::path(trimmed).has_extension() || default_extension.empty()) break;
  }
  return "";
}

bool FilePrompt::Ask(platform::Shell::OpenFileName& request) {
  std::size_t type = request.filter.empty()
                         ? 0
                         : std::clamp<std::size_t>(static_cast<std::size_t>(std::max(1, request.filter_index)) - 1, 0,
                                                   request.filter.size() - 1);
  std::string path = request.file;
  std::vector<std::string> notes;
  for (;;) {
    Paint(request, type, path, notes);
    const Key key = terminal_.ReadKey();
    notes.clear();
    const std::string patterns = request.filter.empty() ? "*.*" : request.filter[type].second;
    switch (key.code) {
      case Key::kNone:
      case Key::kEscape: return false;
      case Key::kTab: {
        const auto found = Completions(path, patterns);
        path = Complete(path, found);
        if (found.size() > 1) notes = found;
        if (found.empty()) notes = {"Nothing here begins with that."};
        break;
      }
      case Key::kUp:
      case Key::kDown:
        if (!request.filter.empty())
          type = (type + (key.code == Key::kUp ? request.filter.size() - 1 : 1)) % request.filter.size();
        break;
      case Key::kBackspace:
        if (!path.empty()) path.pop_back();
        break;
      case Key::kEnter: {
        const std::string file = ChosenFile(path, request.default_extension);
        if (!file.empty()) {
          request.file = file;
          request.filter_index = static_cast<std::int32_t>(type) + 1;
          return true;
        }
        notes = {"'" + path + "' was not found. Check the file name and try again."};
        break;
      }
      default:
        if (key.code >= 32 && key.code < 256 && !key.alt) path += static_cast<char>(key.code);
        break;
    }
  }
}

void FilePrompt::Paint(const platform::Shell::OpenFileName& request, std::size_t type,
                       const std::string& path, const std::vector<std::string>& notes) {
  const int width = std::max(40, std::min(terminal_.Columns(), 76));
  const int height = 7 + static_cast<int>(std::min(notes.size(), kNotesShown));
  const int top = std::max(0, (terminal_.Rows() - height) / 2);
  const int left = std::max(0, (terminal_.Columns() - width) / 2);
  terminal_.Fill(top, left, height, width);
  terminal_.Box(top, left, height, width, request.title);
  const std::string kind = request.filter.empty() ? "All Files" : request.filter[type].first;
  terminal_.Text(top + 1, left + 2, "Files of type: " + kind, Terminal::kPlain, width - 4);
  terminal_.Text(top + 2, left + 2, "File name:");
  const int field = width - 4;
  const std::string shown = path.size() >= static_cast<std::size_t>(field)
                                ? path.substr(path.size() - static_cast<std::size_t>(field) + 1)
                                : path;
  terminal_.Text(top + 3, left + 2, std::string(static_cast<std::size_t>(field), ' '), Terminal::kField);
  terminal_.Text(top + 3, left + 2, shown, Terminal::kField | Terminal::kBold);
  for (std::size_t i = 0; i < notes.size() && i < kNotesShown; ++i)
    terminal_.Text(top + 4 + static_cast<int>(i), left + 2, notes[i], Terminal::kDisabled, field);
  terminal_.Text(top + height - 2, left + 2, "Tab: complete  Up/Down: type  Enter: open  Esc: cancel",
                 Terminal::kDisabled, field);
  terminal_.Cursor(top + 3, left + 2 + static_cast<int>(shown.size()));
  terminal_.Show();
}

}  // namespace tui
