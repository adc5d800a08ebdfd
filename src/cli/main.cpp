#include <iostream>
#include <string>

#include "shared/version.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--version") {
    std::cout << shared::kFileDescription << " " << shared::kVersionText << "\n";
    return 0;
  }
  std::cerr << "usage: quillnet --version\n";
  return 2;
}
