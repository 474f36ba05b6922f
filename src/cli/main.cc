#include <iostream>

#include "cli/subcommands.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return velmora::cli::RunCli(argc, argv, std::cout, std::cerr);
}
