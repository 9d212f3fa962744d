#include "cli/cli.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>
#include <variant>

#include "cli/charset_edits.h"
#include "cli/charset_input.h"
#include "cli/charset_output.h"
#include "cli/charset_report.h"
#include "cli/cli_args.h"
#include "cli/cli_help.h"
#include "cli/colour_options.h"
#include "io/colour_table.h"
#include "ops/batch.h"

namespace kx {
namespace {

struct Streams {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

using Outcome = std::optional<CliFailure>;
// A change of the charset the subcommand's operands asked for; it runs after IN was read.
using CharsetEdit = std::function<Outcome(CharsetStore&)>;

// The words before IN name the change; a word that names nothing is a usage failure.
using EditFromWords = std::variant<CharsetEdit, CliFailure> (*)(std::span<const std::string> words);

struct Subcommand {
  SubcommandHelp help;  // help.writesOut: the operands end in IN OUT, else in IN alone
  std::size_t words;    // operands before IN
  EditFromWords edit;
};

CliFailure Unknown(std::string_view what, const std::string& word, std::string_view command) {
  return UsageFailure("unknown " + std::string(what) + " '" + word + "' (see '" + std::string(kCliName) + " " +
                      std::string(command) + " --help')");
}

std::variant<CharsetEdit, CliFailure> NoEdit(std::span<const std::string>) {
  return CharsetEdit([](CharsetStore&) { return Outcome(); });
}

std::variant<CharsetEdit, CliFailure> ApplyEditFrom(std::span<const std::string> words) {
  const ApplyOperation* operation = FindApplyOperation(words[0]);
  if (!operation) return Unknown("operation", words[0], "apply");
  const std::optional<EditScope> scope = ParseScope(words[1]);
  if (!scope) return Unknown("scope", words[1], "apply");
  if (Outcome refused = RefuseScope(*operation, *scope)) return *refused;
  return CharsetEdit([operation, scope](CharsetStore& store) { return ApplyEdit(store, *operation, *scope); });
}

std::variant<CharsetEdit, CliFailure> SlideEditFrom(std::span<const std::string> words) {
  const std::optional<SlideDirection> direction = FindSlide(words[0]);
  if (!direction) return Unknown("direction", words[0], "slide");
  return CharsetEdit([direction](CharsetStore& store) {
    SlideCharsetNoWrap(store.editor, *direction, GlyphModesOf(store));
    return Outcome();
  });
}

std::variant<CharsetEdit, CliFailure> CompressEdit(std::span<const std::string>) {
  return CharsetEdit([](CharsetStore& store) {
    CompressCharset(store);
    return Outcome();
  });
}

std::variant<CharsetEdit, CliFailure> DeriveEditFrom(std::span<const std::string> words) {
  const std::optional<DerivedFontKind> kind = FindDerivedFont(words[0]);
  if (!kind) return Unknown("kind", words[0], "derive");
  return CharsetEdit([kind](CharsetStore& store) {
    GlyphStores stores;
    BuildDerivedFont(store.editor, stores, *kind, GlyphModesOf(store));
    return Outcome();
  });
}

std::string CompressDetails() {
  return "Removes every glyph that repeats an earlier one; the rest move to the front, empty glyphs fill the "
         "end.\n";
}

const std::array<Subcommand, 6> kSubcommands{{
    {{"convert", "IN OUT [--to FORMAT] [--load-address HEX] [--label NAME]", "Write IN in another format",
      nullptr, true},
     0, NoEdit},
    {{"apply", "OP SCOPE IN OUT [--to FORMAT] [--load-address HEX] [--label NAME]",
      "Apply a glyph operation to a glyph, a row, a half or the whole charset", ApplyDetails, true},
     2, ApplyEditFrom},
    {{"slide", "DIR IN OUT [--to FORMAT] [--load-address HEX] [--label NAME]",
      "Slide the entire charset one pixel without glyph wrap", SlideDetails, true},
     1, SlideEditFrom},
    {{"compress", "IN OUT [--to FORMAT] [--load-address HEX] [--label NAME]",
      "Remove repeated glyphs, packing the rest to the front", CompressDetails, true},
     0, CompressEdit},
    {{"derive", "KIND IN OUT [--to FORMAT] [--load-address HEX] [--label NAME]",
      "Build a 1x2, 2x1 or 2x2 font from glyphs 0-63", DeriveDetails, true},
     1, DeriveEditFrom},
    {{"info", "IN [--json]",
      "Tell the kind, what the file says, the glyphs filled, distinct and empty glyphs and duplicate groups of IN",
      nullptr, false},
     0, NoEdit},
}};

constexpr std::array<CliOption, 20> kWritingOptions{
    CliOption::Help,    CliOption::To,      CliOption::Label,  CliOption::LoadAddress, CliOption::From,
    CliOption::Address, CliOption::Offset,  CliOption::Glyphs, CliOption::FirstGlyph,  CliOption::Paper,
    CliOption::Unique,  CliOption::Scale,   CliOption::Origin, CliOption::Pitch,       CliOption::Ascii,
    CliOption::Mode,    CliOption::Colours, CliOption::Inks,   CliOption::WriteInks,   CliOption::WithInks};
constexpr std::array<CliOption, 13> kReadingOptions{
    CliOption::Help,       CliOption::Json,  CliOption::From,   CliOption::Address, CliOption::Offset,
    CliOption::Glyphs,     CliOption::FirstGlyph, CliOption::Paper, CliOption::Unique, CliOption::Scale,
    CliOption::Origin,     CliOption::Pitch, CliOption::Ascii};

std::array<SubcommandHelp, kSubcommands.size()> AllHelp() {
  std::array<SubcommandHelp, kSubcommands.size()> out;
  std::ranges::transform(kSubcommands, out.begin(), &Subcommand::help);
  return out;
}

// Writes a report to standard output; a stream that cannot take it (a full disk, a closed pipe) fails.
Outcome Print(std::ostream& out, const std::string& text) {
  errno = 0;
  out << text;
  out.flush();
  if (out) return std::nullopt;
  const int error = errno;
  return InputFailure(std::string(kStdStream), std::string("could not write standard output") +
                                                  (error ? std::string(" (") + std::strerror(error) + ")" : ""));
}

// A CharPad project brings its mode, registers and inks (the inks following its glyphs to the first glyph),
// as opening it in the editor does; --mode, --colours and --inks still say otherwise.
void TakeProjectColours(const SourceReading& reading, const ParsedArgs& args, CharsetStore& store) {
  if (reading.kind != SourceKind::CharPad || !reading.facts.colours) return;
  const SourceColours& taken = *reading.facts.colours;
  if (!args.Has(CliOption::Mode)) store.colours.mode = taken.colours.mode;
  if (!args.Has(CliOption::Colours)) store.colours.registers = taken.colours.registers;
  if (args.Has(CliOption::Inks)) return;
  const auto first = static_cast<std::size_t>(reading.placed.firstGlyph);
  for (std::size_t n = 0; n < taken.inks.size() && first + n < store.inks.size(); ++n) {
    store.inks[first + n] = taken.inks[n];
  }
}

Outcome Run(const Subcommand& command, const ParsedArgs& args, Streams& io) {
  const std::size_t operands = command.words + (command.help.writesOut ? 2 : 1);
  if (args.operands.size() != operands) {
    return UsageFailure("'" + std::string(command.help.name) + "' takes " + std::string(command.help.synopsis) +
                        " (see '" + std::string(kCliName) + " " + std::string(command.help.name) + " --help')");
  }
  auto edit = command.edit(std::span(args.operands).first(command.words));
  if (auto* failure = std::get_if<CliFailure>(&edit)) return *failure;
  const std::string& inPath = args.operands[command.words];
  auto request = SourceRequestFrom(args);
  if (auto* failure = std::get_if<CliFailure>(&request)) return *failure;

  if (!command.help.writesOut) {
    auto input = ReadCharsetInput(inPath, io.in, std::get<SourceRequest>(request));
    if (auto* failure = std::get_if<CliFailure>(&input)) return *failure;
    return Print(io.out, CharsetReport(inPath, std::get<CharsetInput>(input), args.Has(CliOption::Json)));
  }
  const std::string& outPath = args.operands[command.words + 1];
  auto settings = ChooseOutput(inPath, outPath, args.Value(CliOption::To), args.Value(CliOption::LoadAddress),
                               args.Value(CliOption::Label));
  if (auto* failure = std::get_if<CliFailure>(&settings)) return *failure;
  if (args.Has(CliOption::WithInks)) {
    if (!IsSourceFormat(std::get<OutputSettings>(settings).format)) {
      return UsageFailure("--with-inks applies only to the source formats");
    }
    std::get<OutputSettings>(settings).colourTable = true;
  }
  auto colours = ColourSettingsFrom(args);
  if (auto* failure = std::get_if<CliFailure>(&colours)) return *failure;
  const ColourSettings& chosen = std::get<ColourSettings>(colours);
  // A picture is read in the colours it was drawn with, as the editor's image import reads it.
  std::get<SourceRequest>(request).picture = PictureColours{chosen.colours, chosen.inks};
  auto input = ReadCharsetInput(inPath, io.in, std::get<SourceRequest>(request));
  if (auto* failure = std::get_if<CliFailure>(&input)) return *failure;
  // Glyphs that did not fit below glyph 255 are not an error, but the user hears how many there were.
  if (const int leftOut = std::get<CharsetInput>(input).reading.placed.leftOut; leftOut > 0) {
    io.err << kCliName << ": " << PrintableText(inPath) << ": " << LeftOutText(leftOut) << "\n";
  }

  // The charset as the editor would hold it: its bytes, display mode, registers and per-glyph inks.
  CharsetStore store;
  store.editor = std::get<CharsetInput>(input).charset;
  store.colours = chosen.colours;
  store.inks = chosen.inks;
  const SourceReading& reading = std::get<CharsetInput>(input).reading;
  if (reading.kind == SourceKind::Picture && reading.facts.colours &&
      reading.facts.colours->inks.size() == store.inks.size()) {
    std::ranges::copy(reading.facts.colours->inks, store.inks.begin());
  }
  TakeProjectColours(reading, args, store);
  if (Outcome failed = std::get<CharsetEdit>(edit)(store)) return failed;
  // A program in and a program out keep the load address unless --load-address gives one.
  OutputSettings& out = std::get<OutputSettings>(settings);
  out.colours = store.colours;
  out.inks = store.inks;
  const std::optional<std::uint16_t> loadAddress = std::get<CharsetInput>(input).reading.facts.loadAddress;
  if (out.format == OutputFormat::Prg && loadAddress && !args.Has(CliOption::LoadAddress)) {
    out.loadAddress = *loadAddress;
  }
  if (Outcome failed = WriteOutput(outPath, EncodeCharset(store.editor, out), io.out)) return failed;
  // The colour table of the charset as written, beside OUT.
  if (const auto tablePath = args.Value(CliOption::WriteInks)) {
    return WriteOutput(*tablePath, ColourTableBytes(store.inks), io.out);
  }
  return std::nullopt;
}

int Fail(const CliFailure& failure, std::ostream& err) {
  err << kCliName << ": " << failure.message << "\n";
  return failure.status;
}

}  // namespace

int RunCli(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << OverviewHelp(AllHelp());
    return kExitUsage;
  }
  const std::string& first = args[0];
  if (first == "--help" || first == "-h") {
    if (const Outcome failure = Print(out, OverviewHelp(AllHelp()))) return Fail(*failure, err);
    return kExitSuccess;
  }
  if (first == "--version") {
    if (const Outcome failure = Print(out, VersionText())) return Fail(*failure, err);
    return kExitSuccess;
  }
  const auto command = std::ranges::find(kSubcommands, first, [](const Subcommand& s) { return s.help.name; });
  if (command == kSubcommands.end()) {
    return Fail(UsageFailure("unknown command '" + first + "' (see '" + std::string(kCliName) + " --help')"), err);
  }
  const std::span<const CliOption> accepted = command->help.writesOut ? std::span<const CliOption>(kWritingOptions)
                                                                       : std::span<const CliOption>(kReadingOptions);
  const ParseResult parsed = ParseArgs(args.subspan(1), accepted);
  if (parsed.failure) return Fail(*parsed.failure, err);
  if (parsed.args.Has(CliOption::Help)) {
    if (const Outcome failure = Print(out, SubcommandHelpText(command->help))) return Fail(*failure, err);
    return kExitSuccess;
  }
  Streams io{in, out, err};
  if (const Outcome failure = Run(*command, parsed.args, io)) return Fail(*failure, err);
  return kExitSuccess;
}

}  // namespace kx
