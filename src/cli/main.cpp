#include <unistd.h>

#include "cli/commands.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  cli::Console console{std::cout, std::cerr, std::cin, ::isatty(0) == 1, ::isatty(2) == 1,
                       ::isatty(1) == 1};
  return cli::Run(args, console);
}
