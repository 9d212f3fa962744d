#pragma once
// Exit statuses of kestrelix-cli and the failure a step hands back to the command that ran it.

#include <string>

#include "cli/printable_text.h"

namespace kx {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitUsage = 1;   // a wrong command line: unknown command, operation, scope or option
inline constexpr int kExitFailed = 2;  // bad input or a failed write

// What went wrong, with the exit status it ends the program with. The message is shown on standard error
// after the program's name.
struct CliFailure {
  int status = kExitFailed;
  std::string message;
};

inline CliFailure UsageFailure(std::string message) { return {kExitUsage, std::move(message)}; }
// Bad input or a failed write, told on one line as "FILE: reason" (the name's odd bytes escaped).
inline CliFailure InputFailure(const std::string& file, const std::string& reason) {
  return {kExitFailed, PrintableText(file) + ": " + reason};
}

}  // namespace kx
