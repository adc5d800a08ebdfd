#include "cli/interactive_choice.h"

#include <string>

#include "cli/options.h"
#include "cli/report.h"
#include "com/error.h"

namespace cli {
namespace {

enum class Answer { Yes, No, AllInObject, Quit };

Answer Ask(Console& console) {
  for (;;) {
    console.err << "Replace? [y]es, [n]o, [a]ll in this object, [q]uit: " << std::flush;
    std::string line;
    if (!std::getline(console.in, line)) return Answer::Quit;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "y" || line == "yes") return Answer::Yes;
    if (line == "n" || line == "no") return Answer::No;
    if (line == "a" || line == "all") return Answer::AllInObject;
    if (line == "q" || line == "quit") return Answer::Quit;
  }
}

void Show(Console& console, const engine::Hit& hit, const engine::Rewrite& rewrite) {
  std::string after;
  const bool worked_out = !com::Capture([&] { after = rewrite(hit, hit.value); });
  console.err << Printable(hit.Path()) << ":\n  - " << Printable(hit.value) << '\n';
  if (worked_out) console.err << "  + " << Printable(after) << '\n';
}

std::string ObjectOf(const engine::Hit& hit) {
  return hit.database + ":" + hit.collection + "/" + hit.object;
}

}  // namespace

bool ChooseHits(Console& console, std::vector<engine::ReplaceRun::Part>& parts,
                const engine::Rewrite& rewrite) {
  if (!console.in_is_terminal) throw UsageError("--interactive needs a terminal to ask on");
  bool quit = false;
  bool any = false;
  std::string all_of;  // the object whose hits are all taken
  for (auto& part : parts) {
    std::vector<engine::Hit> taken;
    for (const engine::Hit& hit : *part.hits) {
      if (quit) break;
      bool take = ObjectOf(hit) == all_of;
      if (!take) {
        Show(console, hit, rewrite);
        const Answer answer = Ask(console);
        quit = answer == Answer::Quit;
        take = answer == Answer::Yes || answer == Answer::AllInObject;
        if (answer == Answer::AllInObject) all_of = ObjectOf(hit);
      }
      if (take) taken.push_back(hit);
    }
    any = any || !taken.empty();
    *part.hits = std::move(taken);
  }
  return any;
}

}  // namespace cli
