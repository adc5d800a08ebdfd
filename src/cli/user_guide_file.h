#pragma once
// The driver's user guide as the command's machine installs it beside the
// driver's module: one text file of numbered topics ("[topic N] Title" and
// the topic's lines), which the terminal's help viewer opens at a topic.

#include <string>

namespace cli {

// Writes the guide to the path unless the file there already holds it.
void InstallUserGuide(const std::string& path);

}  // namespace cli
