// kestrelix-cli: hands the arguments and the standard streams to RunCli. The streams carry bytes as they
// are (on this platform text and binary mode do not differ), so charsets and pictures pass unchanged.

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return kx::RunCli(args, std::cin, std::cout, std::cerr);
}
