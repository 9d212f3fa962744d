#pragma once
// The command line of one subcommand split into operands and options.
//
// Options start with "--" and may carry their value after "=" or as the next argument ("--to png",
// "--to=png"). A lone "-" is an operand (standard input or output) and "--" ends the options, so a file
// whose name starts with "--" can still be named.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_outcome.h"

namespace kx {

enum class CliOption {
  Help, To, Label, LoadAddress, From, Address, Offset, Glyphs, FirstGlyph, Paper, Unique, Scale, Origin, Pitch, Ascii,
  Json, Mode, Colours, Inks, WriteInks, WithInks
};

struct OptionRule {
  CliOption id;
  std::string_view name;  // without the leading "--"
  bool takesValue;
};

struct ParsedArgs {
  std::vector<std::string> operands;
  std::vector<std::pair<CliOption, std::string>> options;  // in the order given

  bool Has(CliOption id) const;
  // The last value given for `id`.
  std::optional<std::string> Value(CliOption id) const;
};

// Splits `args`. An unknown option, an option outside `accepted`, a missing value or a value given to an
// option that takes none is a usage failure.
struct ParseResult {
  ParsedArgs args;
  std::optional<CliFailure> failure;
};
ParseResult ParseArgs(std::span<const std::string> args, std::span<const CliOption> accepted);

}  // namespace kx
