#include "cli/cli_args.h"

#include <algorithm>
#include <array>

namespace kx {
namespace {

constexpr std::array<OptionRule, 21> kOptions{{
    {CliOption::Help, "help", false},
    {CliOption::To, "to", true},
    {CliOption::Label, "label", true},
    {CliOption::LoadAddress, "load-address", true},
    {CliOption::From, "from", true},
    {CliOption::Address, "address", true},
    {CliOption::Offset, "offset", true},
    {CliOption::Glyphs, "glyphs", true},
    {CliOption::FirstGlyph, "first-glyph", true},
    {CliOption::Paper, "paper", true},
    {CliOption::Unique, "unique", false},
    {CliOption::Scale, "scale", true},
    {CliOption::Origin, "origin", true},
    {CliOption::Pitch, "pitch", true},
    {CliOption::Ascii, "ascii", false},
    {CliOption::Json, "json", false},
    {CliOption::Mode, "mode", true},
    {CliOption::Colours, "colours", true},
    {CliOption::Inks, "inks", true},
    {CliOption::WriteInks, "write-inks", true},
    {CliOption::WithInks, "with-inks", false},
}};

const OptionRule* FindOption(std::string_view name) {
  const auto it = std::ranges::find(kOptions, name, &OptionRule::name);
  return it == kOptions.end() ? nullptr : &*it;
}

}  // namespace

bool ParsedArgs::Has(CliOption id) const {
  return std::ranges::any_of(options, [id](const auto& o) { return o.first == id; });
}

std::optional<std::string> ParsedArgs::Value(CliOption id) const {
  std::optional<std::string> value;
  for (const auto& [option, text] : options) {
    if (option == id) value = text;
  }
  return value;
}

ParseResult ParseArgs(std::span<const std::string> args, std::span<const CliOption> accepted) {
  ParseResult result;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || !arg.starts_with("--")) {
      result.args.operands.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    const OptionRule* rule = FindOption(name);
    if (!rule || std::ranges::find(accepted, rule->id) == accepted.end()) {
      result.failure = UsageFailure("unknown option '--" + name + "'");
      return result;
    }
    std::string value;
    if (equals != std::string::npos) {
      if (!rule->takesValue) {
        result.failure = UsageFailure("option '--" + name + "' takes no value");
        return result;
      }
      value = arg.substr(equals + 1);
    } else if (rule->takesValue) {
      if (i + 1 >= args.size()) {
        result.failure = UsageFailure("option '--" + name + "' needs a value");
        return result;
      }
      value = args[++i];
    }
    result.args.options.emplace_back(rule->id, std::move(value));
  }
  return result;
}

}  // namespace kx
