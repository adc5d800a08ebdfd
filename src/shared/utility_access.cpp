// What the Utility module knows about the Access 2000 installation.

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

#include "com/text.h"
#include "host/tracer.h"
#include "host/utility.h"
#include "platform/system.h"
#include "problems/prb_verify_system_requirements.h"
#include "shared/utility.h"
#include "shared/version.h"
#include "shared/vxhandler.h"

namespace Utility {
namespace {

// The component of the Access 2000 executable in every Office 2000 and
// Access 2000 product.
constexpr const char* kAccessComponent = "{CC29E967-7BC2-11D1-A921-00A0C91E2AA2}";
constexpr std::int32_t kMinimumBuild = 3822;

struct CachedPaths {
  std::optional<std::string> access_exe;
  std::optional<std::string> msain;
};

CachedPaths& Cache() {
  static CachedPaths cache;
  return cache;
}

bool IsAccess2000Product(const std::string& name) {
  return name.starts_with("Microsoft Office 2000") || name.starts_with("Microsoft Access 2000");
}

std::string FindAccessExe() {
  auto& installer = platform::System::Current().installer();
  std::string code;
  for (std::uint32_t index = 0; installer.MsiEnumProducts(index, code) == 0; ++index) {
    std::string name;
    if (installer.MsiGetProductInfo(code, "ProductName", name) != 0 || !IsAccess2000Product(name))
      continue;
    std::string path;
    const std::int32_t state = installer.MsiGetComponentPath(code, kAccessComponent, path);
    if (state == platform::Installer::kStateLocal || state == platform::Installer::kStateSource)
      return path;
  }
  return "";
}

bool IsNumericName(const std::string& name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
    return c >= '0' && c <= '9';
  });
}

// The language folders of the Access folder, in the order a listing gives them.
std::string FindMsain() {
  namespace fs = std::filesystem;
  const std::string folder = AccessFolder();
  std::error_code ec;
  if (folder.empty() || !fs::is_directory(folder, ec)) return "";
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (IsNumericName(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  host::Utility utility;
  for (const std::string& name : names) {
    const std::string candidate = utility.JoinPath(utility.JoinPath(folder, name), "msain900.dll");
    if (utility.FileExists(candidate)) return candidate;
  }
  return "";
}

}  // namespace

void Main() {
  vxhandler::Guard("Utility", "Main", [] {
    vxhandler::SetProblemLog(std::make_shared<host::ProblemLog>());
    ResetCachedPaths();
    AccessFolder();
    vxhandler::TraceFlag();
  });
}

void ResetCachedPaths() { Cache() = CachedPaths{}; }

std::string Access9EXEPath() {
  return vxhandler::Guard("Utility", "Access9EXEPath", [] {
    auto& cached = Cache().access_exe;
    if (!cached) cached = FindAccessExe();
    return *cached;
  });
}

std::string AccessFolder() {
  return vxhandler::Guard("Utility", "AccessFolder", [] {
    std::string folder, name;
    host::Utility().SplitPath(Access9EXEPath(), folder, name);
    return folder;
  });
}

std::string AccessTypeLibPath() {
  return vxhandler::Guard("Utility", "AccessTypeLibPath",
                          [] { return host::Utility().JoinPath(AccessFolder(), "msacc9.olb"); });
}

std::string MSAINPath() {
  return vxhandler::Guard("Utility", "MSAINPath", [] {
    auto& cached = Cache().msain;
    if (!cached) cached = FindMsain();
    return *cached;
  });
}

bool VerifySystemRequirements() {
  return vxhandler::Guard("Utility", "VerifySystemRequirements", [] {
    std::int32_t build = 0;
    const std::string exe = Access9EXEPath();
    if (!exe.empty())
      if (auto version = host::Utility().GetFileVersion(exe)) build = (*version)[3];
    if (build < kMinimumBuild) {
      auto problem = std::make_shared<prbVerifySystemRequirements>();
      problem->Initialize(build);
      std::int32_t response = 0;
      vxhandler::LogProblem(problem, shared::kProjectName, "Utility", "VerifySystemRequirements",
                            0, response);
    }
    return build >= kMinimumBuild;
  });
}

}  // namespace Utility
