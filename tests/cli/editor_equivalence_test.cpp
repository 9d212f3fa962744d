// Every charset change of kestrelix-cli against the editor's own command on the same charset: the editor
// runs through RunCommand (and a click for the per-glyph tools), the tool through RunCli, and the bytes
// must be equal. Which editor command stands for which operation and scope is written out here.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/command_ids.h"
#include "app/editor_input.h"
#include "app/run_command.h"
#include "cli/charset_edits.h"
#include "tests/cli/cli_test_support.h"
#include "tests/app/editor_clicks.h"
#include "tests/io/temp_files.h"

namespace kx {
namespace {

using namespace testing_clicks;

using namespace cli_testing;
using testing_files::TempDir;
using testing_files::WriteBytes;

// The editor's items for one operation. Row N is rowOne + N - 1; 0 where the editor has no such item.
struct EditorItems {
  const char* op;
  CommandId glyphTool;  // the item that selects the per-glyph tool
  CommandId rowOne;
  CommandId first4;
  CommandId last4;
  CommandId all;
};

// A transform family with base b: the tool b, rows b+1..b+8, first 4 b+9, last 4 b+10, entire b+11.
constexpr EditorItems Family(const char* op, CommandId b) { return {op, b, b + 1, b + 9, b + 10, b + 11}; }

const EditorItems kItems[] = {
    Family("flip-horizontal", 195),
    Family("flip-vertical", 207),
    Family("mirror-top-to-bottom", 219),
    Family("mirror-bottom-to-top", 231),
    Family("mirror-left-to-right", 243),
    Family("mirror-right-to-left", 255),
    Family("slide-up", 279),
    Family("slide-down", 267),
    Family("slide-left", 291),
    Family("slide-right", 303),
    Family("rotate", 319),
    {"reverse", cmd::ReverseChar, cmd::ReverseRowFirst, cmd::ReverseFirst128, cmd::ReverseLast128, 0},
    Family("italicise", 66),
    Family("slant-right", 78),
    Family("slant-left", 90),
    Family("underline", 102),
    Family("strikethrough", 114),
    {"erase", cmd::EraseChar, cmd::EraseRowFirst, cmd::EraseFirst128, cmd::EraseLast128, cmd::EraseAll},
    {"restore-rom", cmd::RestoreRomIndividual, 0, cmd::RestoreRomFirst128, cmd::RestoreRomLast128,
     cmd::RestoreRomAll},
};

Charset EditorResult(const Charset& start, CommandId id, std::optional<int> clickedGlyph = std::nullopt) {
  App app;
  app.doc.store.editor = start;
  RunCommand(app, id);
  if (clickedGlyph) ClickGlyph(app, *clickedGlyph);
  return app.doc.store.editor;
}

// The tool's result for `words` + IN OUT, through standard input and output.
Charset CliResult(const Charset& start, std::vector<std::string> words) {
  words.insert(words.end(), {"-", "-"});
  const CliRun run = RunCliWith(words, AsBytes(start));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.size(), std::size_t{kCharsetBytes});
  return FromBytes(run.out);
}

// Both sides, and a check that the command changed something, so equal results mean something.
void ExpectSame(const Charset& start, const std::vector<std::string>& words, CommandId id,
                std::optional<int> clickedGlyph = std::nullopt) {
  std::string shown;
  for (const std::string& w : words) shown += w + " ";
  const Charset editor = EditorResult(start, id, clickedGlyph);
  EXPECT_NE(editor, start) << shown << ": the editor command changed nothing";
  EXPECT_EQ(FirstDifference(CliResult(start, words), editor), -1) << shown;
}

TEST(CliMatchesEditor, EveryOperationOnEveryScopeTheEditorOffers) {
  const Charset start = SampleCharset();
  for (const EditorItems& items : kItems) {
    for (const int glyph : {1, 37, 66}) {
      ExpectSame(start, {"apply", items.op, "glyph:" + std::to_string(glyph)}, items.glyphTool, glyph);
    }
    for (int row = 1; row <= kGlyphRows && items.rowOne; ++row) {
      ExpectSame(start, {"apply", items.op, "row:" + std::to_string(row)}, items.rowOne + row - 1);
    }
    ExpectSame(start, {"apply", items.op, "first4"}, items.first4);
    ExpectSame(start, {"apply", items.op, "last4"}, items.last4);
    if (items.all) ExpectSame(start, {"apply", items.op, "all"}, items.all);
  }
}

// The table above and the tool's operations are the same list: an operation added to the tool without a
// row here would never be compared with the editor.
TEST(CliMatchesEditor, EveryOperationOfTheToolHasItsEditorItems) {
  std::vector<std::string> tool;
  for (const ApplyOperation& op : ApplyOperations()) tool.emplace_back(op.name);
  std::vector<std::string> here;
  for (const EditorItems& items : kItems) here.emplace_back(items.op);
  std::ranges::sort(tool);
  std::ranges::sort(here);
  EXPECT_EQ(here, tool);
}

TEST(CliMatchesEditor, PairsWithoutAnEditorCommandAreRefusedAsUsage) {
  const Charset start = SampleCharset();
  for (const auto& words : std::vector<std::vector<std::string>>{{"apply", "reverse", "all", "-", "-"},
                                                                  {"apply", "restore-rom", "row:1", "-", "-"},
                                                                  {"apply", "restore-rom", "row:8", "-", "-"}}) {
    const CliRun run = RunCliWith(words, AsBytes(start));
    EXPECT_EQ(run.status, 1) << words[1] << " " << words[2];
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(RunCliWith({"apply", "reverse", "all", "-", "-"}, AsBytes(start)).err,
            "kestrelix-cli: the editor has no 'reverse' command for all (it offers glyph:N row:R first4 last4)\n");
}

TEST(CliMatchesEditor, ApplyHelpListsTheScopesTheEditorOffers) {
  const CliRun run = RunCliWith({"apply", "--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\n  rotate                glyph:N row:R first4 last4 all\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n  reverse               glyph:N row:R first4 last4\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n  restore-rom           glyph:N first4 last4 all\n"), std::string::npos);
  for (const EditorItems& items : kItems) {
    EXPECT_NE(run.out.find(std::string("\n  ") + items.op + " "), std::string::npos) << items.op;
  }
}

TEST(CliMatchesEditor, CharsetSlidesWithoutWrap) {
  const Charset start = SampleCharset();
  ExpectSame(start, {"slide", "up"}, cmd::SlideUpNoWrap);
  ExpectSame(start, {"slide", "down"}, cmd::SlideDownNoWrap);
  ExpectSame(start, {"slide", "left"}, cmd::SlideLeftNoWrap);
  ExpectSame(start, {"slide", "right"}, cmd::SlideRightNoWrap);
}

TEST(CliMatchesEditor, CompressAndEveryDerivedFont) {
  const Charset start = SampleCharset();
  ExpectSame(start, {"compress"}, cmd::Compress);
  ExpectSame(start, {"derive", "1x2"}, cmd::Font1x2NoReverse);
  ExpectSame(start, {"derive", "1x2-reversed"}, cmd::Font1x2WithReverse);
  ExpectSame(start, {"derive", "2x1"}, cmd::Font2x1NoReverse);
  ExpectSame(start, {"derive", "2x1-reversed"}, cmd::Font2x1WithReverse);
  ExpectSame(start, {"derive", "2x2"}, cmd::Font2x2);
  ExpectSame(start, {"derive", "2x2-reversed"}, cmd::Font2x2Reversed);
}

// A multicolour sample: about half the glyphs have inks 8-15. Given the same mode and inks, the tool must
// give the editor's bytes, and those must differ from its hi-res result, so the mode is seen to count.
TEST(CliMatchesEditor, MulticolourCharsetWithTheEditorsModeAndInks) {
  const TempDir dir;
  GlyphInks inks{};
  for (int n = 0; n < kGlyphCount; ++n) inks[n] = static_cast<std::uint8_t>((n * 5 + n / 16) % 16);
  const std::string inksPath = dir.Path("inks.bin");
  WriteBytes(inksPath, std::string(inks.begin(), inks.end()));
  const Charset start = SampleCharset();
  struct Case {
    std::vector<std::string> words;
    CommandId id;
    std::optional<int> clickedGlyph = std::nullopt;
  };
  const Case cases[] = {
      {{"apply", "flip-horizontal", "row:2"}, 197},
      {{"apply", "slide-left", "all"}, 302},
      {{"apply", "slant-right", "first4"}, 87},
      {{"apply", "rotate", "last4"}, 329},
      {{"apply", "mirror-left-to-right", "glyph:37"}, 243, 37},  // ink 11
      {{"slide", "right"}, cmd::SlideRightNoWrap},
      {{"derive", "2x2"}, cmd::Font2x2},
  };
  for (const Case& c : cases) {
    App app;
    app.doc.store.editor = start;
    app.doc.store.colours.mode = DisplayMode::Multicolour;
    app.doc.store.inks = inks;
    RunCommand(app, c.id);
    if (c.clickedGlyph) ClickGlyph(app, *c.clickedGlyph);
    std::vector<std::string> words = c.words;
    const Charset hiRes = CliResult(start, words);
    words.insert(words.end(), {"--mode", "mc", "--colours", "6,2,5", "--inks", inksPath});
    EXPECT_EQ(FirstDifference(CliResult(start, words), app.doc.store.editor), -1) << c.words[1];
    EXPECT_NE(hiRes, app.doc.store.editor) << c.words[1];
  }
}

}  // namespace
}  // namespace kx
