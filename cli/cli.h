#pragma once
// kestrelix-cli: the editor's charset conversions and commands without a window. RunCli is the whole
// program; main() only hands it the arguments and the standard streams, so tests drive it in-process.

#include <istream>
#include <ostream>
#include <span>
#include <string>

namespace kx {

// Runs the command line `args` (without the program's name) and returns the exit status: 0 success,
// 1 usage error, 2 bad input or failed write. Binary output for "-" goes to `out`, as do help and `info`
// reports; messages go to `err`. An OUT file is only ever replaced whole.
int RunCli(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kx
