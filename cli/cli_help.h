#pragma once
// The help texts, built from the command and operation tables so they cannot drift from them.

#include <span>
#include <string>
#include <string_view>

#include "cli/cli_args.h"

namespace kx {

inline constexpr std::string_view kCliName = "kestrelix-cli";

struct SubcommandHelp {
  std::string_view name;
  std::string_view synopsis;  // operands and options after the name
  std::string_view summary;   // one line
  std::string (*details)();   // what the command's own help adds (its words, what it does), or nullptr
  bool writesOut;             // takes OUT, so its help describes the output formats
};

// The details of the commands whose words come from a table.
std::string ApplyDetails();
std::string SlideDetails();
std::string DeriveDetails();

// "kestrelix-cli --help": every subcommand with its summary.
std::string OverviewHelp(std::span<const SubcommandHelp> subcommands);

// "kestrelix-cli NAME --help".
std::string SubcommandHelpText(const SubcommandHelp& subcommand);

std::string VersionText();

}  // namespace kx
