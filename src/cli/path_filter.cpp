#include "cli/path_filter.h"

#include <fnmatch.h>

#include <algorithm>

namespace cli {

void KeepPaths(std::vector<engine::Hit>& hits, const std::vector<std::string>& globs) {
  if (globs.empty()) return;
  std::erase_if(hits, [&](const engine::Hit& hit) {
    const std::string path = hit.Path();
    return std::none_of(globs.begin(), globs.end(), [&](const std::string& glob) {
      return ::fnmatch(glob.c_str(), path.c_str(), FNM_CASEFOLD) == 0;
    });
  });
}

}  // namespace cli
