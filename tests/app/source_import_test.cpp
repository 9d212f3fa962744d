// The two import dialogs as the core runs them: a file chosen in the requester, the dialog's choices
// played by a script, and the editor charset after OK.
#include <gtest/gtest.h>

#include <functional>

#include "app/file_test_support.h"
#include "app/run_command.h"
#include "app/source_import.h"
#include "runtime/image_codec.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/source_files.h"
#include "tests/support/scripted_import_dialogs.h"

namespace kx {
namespace {

using namespace testing_files;
using source_files::FileBytes;

// Bytes counting up from `first`, so every offset is recognisable.
FileBytes CountingBytes(std::size_t size, int first = 0) {
  FileBytes out(size);
  for (std::size_t i = 0; i < size; ++i) out[i] = static_cast<std::uint8_t>(first + static_cast<int>(i));
  return out;
}

std::string AsText(const FileBytes& bytes) { return {bytes.begin(), bytes.end()}; }

// RAM with a charset pattern at $3000 and another at $8000.
source_files::SnapshotContents MulticolourSnapshot() {
  source_files::SnapshotContents shot;
  shot.d016 = 0xD8;  // multicolour text
  shot.d018 = 0x1C;  // charset at $3000 of bank 0
  for (int i = 0; i < 2048; ++i) shot.ram[0x3000 + i] = static_cast<std::uint8_t>(0xA0 + i);
  for (int i = 0; i < 2048; ++i) shot.ram[0x8000 + i] = static_cast<std::uint8_t>(0x40 + i);
  return shot;
}

class SourceImportTest : public FileCommandTest {
 protected:
  SourceImportTest() {
    app.shell.importDialogs = &importDialogs;
    for (std::size_t i = 0; i < app.doc.store.editor.size(); ++i) app.doc.store.editor[i] = 0x5A;
    EditedWithFile(dir.Path("mine.chr"), FileType::Chr);
    app.doc.store.modified = false;
    before = app.doc.store;
  }

  void Choose(const std::string& name, const std::string& bytes) {
    WriteBytes(dir.Path(name), bytes);
    AnswerFile(dir.Path(name), 0);
  }

  Glyph GlyphAt(int n) const {
    Glyph g{};
    std::copy_n(app.doc.store.editor.begin() + n * 8, 8, g.begin());
    return g;
  }

  // The charset, its name, file and flags and the history exactly as before.
  void ExpectNothingChanged() const {
    EXPECT_EQ(app.doc.store.editor, before.editor);
    EXPECT_FALSE(app.doc.store.modified);
    EXPECT_FALSE(app.doc.history.CanUndo());
  }

  // After OK: `count` glyphs from `first` on, beginning with `glyphs`, the glyphs around them kept, one
  // undo step, and the name, file type and has-file flag unchanged while modified is set.
  void ExpectImported(int first, int count, const std::vector<Glyph>& glyphs) const {
    for (std::size_t i = 0; i < glyphs.size(); ++i) EXPECT_EQ(GlyphAt(first + static_cast<int>(i)), glyphs[i]) << i;
    const Glyph kept{0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A};
    if (first > 0) {
      EXPECT_EQ(GlyphAt(first - 1), kept);
    }
    if (first + count < 256) {
      EXPECT_EQ(GlyphAt(first + count), kept);
    } else {
      EXPECT_NE(GlyphAt(255), kept);
    }
    EXPECT_TRUE(app.doc.store.modified);
    EXPECT_EQ(app.doc.store.currentName, before.currentName);
    EXPECT_EQ(app.doc.store.fileType, FileType::Chr);
    EXPECT_TRUE(app.doc.store.hasFile);
    EXPECT_EQ(app.doc.history.UndoDepth(), 1u);
  }

  ScriptedImportDialogs importDialogs;
  CharsetStore before;
};

// Sets fields as a user types them, then presses OK.
std::function<bool(SourceImport&)> Typed(std::vector<std::pair<SourceField, std::string>> fields) {
  return [fields](SourceImport& state) {
    for (const auto& [field, text] : fields) SetSourceField(state, field, text);
    return true;
  };
}

TEST_F(SourceImportTest, EachSourceGivesTheChosenGlyphsAsOneEdit) {
  const FileBytes cells{0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x00, 0x01, 0x7C, 0x66, 0x7C, 0x66, 0x66, 0x7C, 0x00, 0x02};
  struct Case {
    const char* name;
    FileBytes file;
    std::function<bool(SourceImport&)> script;
    SourceKind kind;
    const char* facts;  // a part of what the dialog says about the file
    int first;
    int count;
    std::vector<Glyph> glyphs;
    const char* notice = "";  // the line under the preview
  };
  const Case cases[] = {
      // The third glyph would land past glyph 255: it is left out and the dialog says so.
      {"part.prg", source_files::Program(0x3000, CountingBytes(24, 0x10)), Typed({{SourceField::FirstGlyph, "$FE"}}),
       SourceKind::Program, "loaded at $3000, 24 bytes: a partial charset of 3 glyphs", 254, 2,
       {{0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17}, {0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F}},
       "1 glyph past glyph 255 left out."},
      // Any file of 2 + 8n bytes is offered as a program after its load address.
      {"two.bin", source_files::Program(0x2000, CountingBytes(16, 0x30)), Typed({}), SourceKind::Program,
       "loaded at $2000, 16 bytes: a partial charset of 2 glyphs", 0, 2,
       {{0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37}, {0x38, 0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F}}},
      {"window.prg", source_files::Program(0x0801, CountingBytes(4096)), Typed({{SourceField::FirstGlyph, "255"}}),
       SourceKind::Program, "from $0808", 255, 1, {{0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E}},
       "255 glyphs past glyph 255 left out."},
      // A whole program: the window at $1000 starts $7FF bytes into the data loaded at $0801.
      {"game.64c", source_files::Program(0x0801, CountingBytes(4096)), Typed({{SourceField::Address, "$1000"}}),
       SourceKind::Program, "windows start at multiples of 8 from $0808 to $1000", 0, 256,
       {{0xFF, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06}}},
      {"blob.bin", CountingBytes(100), Typed({{SourceField::Offset, "0x10"}, {SourceField::Count, "2"},
                                              {SourceField::FirstGlyph, "5"}}),
       SourceKind::Raw, "Binary of 100 bytes", 5, 2,
       {{0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17}, {0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F}}},
      // Named .prg but a snapshot by its content; by default the charset the VIC-II showed.
      {"frozen.prg", source_files::Snapshot(MulticolourSnapshot()), Typed({}), SourceKind::Snapshot,
       "VIC-II in multicolour mode, bank 0, charset at $3000\nborder $D020 14 light blue, background $D021 6 blue, "
       "$D022 1 white, $D023 2 red, $D024 3 cyan",
       0, 256, {{0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7}}},
      {"frozen.vsf", source_files::Snapshot(MulticolourSnapshot()), Typed({{SourceField::Address, "32768"}}),
       SourceKind::Snapshot, "charset at $3000", 0, 256, {{0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47}}},
      {"level.ctm", source_files::CharPad(5, cells, true), Typed({{SourceField::FirstGlyph, "254"}}),
       SourceKind::CharPad, "CharPad project, version 5: 2 characters, multicolour", 254, 2,
       {{0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x00, 0x01}, {0x7C, 0x66, 0x7C, 0x66, 0x66, 0x7C, 0x00, 0x02}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    app.doc.store = before;
    app.doc.history = UndoHistory();
    SourceImport seen;
    importDialogs.sourceScripts.push_back([&](SourceImport& state) {
      const bool ok = c.script(state);
      seen = state;
      return ok;
    });
    Choose(c.name, AsText(c.file));
    RunCommand(app, cmd::ImportFromSource);
    EXPECT_EQ(seen.kind, c.kind);
    EXPECT_NE(seen.outcome.facts.find(c.facts), std::string::npos) << seen.outcome.facts;
    EXPECT_EQ(seen.outcome.notice, c.notice);
    ExpectImported(c.first, c.count, c.glyphs);
    RunCommand(app, cmd::Undo);
    EXPECT_EQ(app.doc.store.editor, before.editor);
  }
  // The snapshot's preview draws multicolour in the C64's colours: $D021 blue, $D022 white, $D023 red, and
  // the character colour white.
  importDialogs.sourceScripts.push_back([](SourceImport& state) {
    EXPECT_TRUE(state.outcome.look.multicolour);
    EXPECT_EQ(state.outcome.look.background, 0x352879u);
    EXPECT_EQ(state.outcome.look.multi1, 0xFFFFFFu);
    EXPECT_EQ(state.outcome.look.multi2, 0x68372Bu);
    EXPECT_EQ(state.outcome.look.ink, 0xFFFFFFu);
    return false;
  });
  Choose("look.vsf", AsText(source_files::Snapshot(MulticolourSnapshot())));
  RunCommand(app, cmd::ImportFromSource);
  EXPECT_EQ(importDialogs.runs, 9);
}

TEST_F(SourceImportTest, TakeColoursAndModeSetsThemInTheSameStep) {
  // Screen codes 0-3 in colours 8-11 over and over: glyphs 0-3 take those, the others the lowest of the
  // four equally common colours.
  source_files::SnapshotContents shot = MulticolourSnapshot();
  shot.d018 = 0x1C;  // screen at $0400
  for (int cell = 0; cell < 1000; ++cell) {
    shot.ram[0x400 + static_cast<std::size_t>(cell)] = static_cast<std::uint8_t>(cell % 4);
    shot.colourRam[static_cast<std::size_t>(cell)] = static_cast<std::uint8_t>(8 + cell % 4);
  }
  const struct {
    bool take;
    CharsetColours colours;
    std::vector<std::uint8_t> inks;  // of glyphs 0-7
  } cases[] = {
      {true, {DisplayMode::Multicolour, {6, 1, 2, 3}}, {1, 1, 8, 9, 10, 11, 8, 8}},
      {false, {}, {1, 1, 1, 1, 1, 1, 1, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.take);
    app.doc.store = before;
    app.doc.history = UndoHistory();
    importDialogs.sourceScripts.push_back([&](SourceImport& state) {
      EXPECT_TRUE(state.takeColours);  // on by default: a snapshot has colours
      EXPECT_NE(state.outcome.facts.find("Colours: multicolour mode, $D021-$D024 6 1 2 3, inks from colour RAM of "
                                         "the screen at $0400"),
                std::string::npos)
          << state.outcome.facts;
      SetSourceTakeColours(state, c.take);
      return Typed({{SourceField::FirstGlyph, "2"}})(state);
    });
    Choose("game.vsf", AsText(source_files::Snapshot(shot)));
    RunCommand(app, cmd::ImportFromSource);
    ExpectImported(2, 254, {{0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7}});
    EXPECT_EQ(app.doc.store.colours, c.colours);
    EXPECT_EQ(std::vector<std::uint8_t>(app.doc.store.inks.begin(), app.doc.store.inks.begin() + 8), c.inks);
    // One Undo takes back the glyphs, their inks and the colours together.
    RunCommand(app, cmd::Undo);
    EXPECT_EQ(app.doc.store.editor, before.editor);
    EXPECT_EQ(app.doc.store.inks, before.inks);
    EXPECT_EQ(app.doc.store.colours, before.colours);
  }
}

TEST_F(SourceImportTest, RefusalsSayWhyAndCancelChangesNothing) {
  FileBytes truncated = source_files::Snapshot(MulticolourSnapshot());
  truncated.resize(40000);
  FileBytes hostileProject{'C', 'T', 'M', 5, 0, 0, 0, 1, 0, 0, 0xFF, 0xFF};
  const Image picture(16, 8, 0x102030);
  const auto png = EncodeImage(picture, ImageFormat::Png);
  struct Case {
    const char* name;
    FileBytes file;
    std::vector<std::function<bool(SourceImport&)>> scripts;
    const char* says;  // a part of the message box's text
  };
  const Case cases[] = {
      {"cut.vsf", truncated, {}, "cut.vsf"},
      {"hostile.ctm", hostileProject, {}, "hostile.ctm"},
      {"picture.bin", FileBytes(png->begin(), png->end()), {}, "Font Sheet"},
      // Choices the dialog cannot take: OK says why and brings the dialog back; Cancel then leaves.
      {"count.bin", CountingBytes(100), {Typed({{SourceField::Count, "13"}})}, "13"},
      {"offset.bin", CountingBytes(100), {Typed({{SourceField::Offset, "-1"}})}, "offset"},
      {"huge.bin", CountingBytes(100), {Typed({{SourceField::Offset, "99999999999999999999999"}})}, "offset"},
      {"past.bin", CountingBytes(100), {Typed({{SourceField::Offset, "$64"}})}, "Offset 100 leaves no whole glyph"},
      {"window.prg", source_files::Program(0x0801, CountingBytes(4096)), {Typed({{SourceField::Address, "$1001"}})},
       "$1001"},
      {"ram.vsf", source_files::Snapshot(MulticolourSnapshot()), {Typed({{SourceField::Address, "$F801"}})},
       "RAM address"},
      {"cancel.bin", CountingBytes(100), {[](SourceImport& s) {
         SetSourceField(s, SourceField::Offset, "8");
         return false;
       }},
       nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialogs.calls.clear();
    importDialogs.runs = 0;
    for (const auto& script : c.scripts) importDialogs.sourceScripts.push_back(script);
    Choose(c.name, AsText(c.file));
    RunCommand(app, cmd::ImportFromSource);
    ExpectNothingChanged();
    // The requester, then the message (none for Cancel); a refused choice shows the dialog once more.
    ASSERT_EQ(dialogs.calls.size(), c.says ? 2u : 1u);
    EXPECT_EQ(importDialogs.runs, c.scripts.empty() ? 0 : c.says ? 2 : 1);
    if (!c.says) continue;
    EXPECT_EQ(LastCall().title, "Import Error!");
    EXPECT_EQ(LastCall().icon, MessageIcon::Warning);
    EXPECT_NE(LastCall().text.find(c.says), std::string::npos) << LastCall().text;
  }
}

// A sheet of 33 x 8 cells on black: cell 0 a white "A", cell 1 a red bar, cell 2 the "A" again, the rest
// empty: 264 cells, 8 more than fit.
Image FontSheet() {
  Image sheet(33 * 8, 64, 0x000000);
  const Glyph a{0x18, 0x24, 0x42, 0x7E, 0x42, 0x42, 0x42, 0x00};
  for (int cell : {0, 2}) {
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        if ((a[static_cast<std::size_t>(y)] >> (7 - x)) & 1) sheet.SetPixel(cell * 8 + x, y, 0xFFFFFF);
      }
    }
  }
  for (int x = 8; x < 16; ++x) sheet.SetPixel(x, 3, 0xFF0000);
  return sheet;
}

TEST_F(SourceImportTest, FontSheetWithPaperUniqueAndLeftOutCells) {
  const Glyph a{0x18, 0x24, 0x42, 0x7E, 0x42, 0x42, 0x42, 0x00};
  const Glyph bar{0, 0, 0, 0xFF, 0, 0, 0, 0};
  const Glyph empty{};
  const Glyph full{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  const Glyph aOnWhite{0xE7, 0xDB, 0xBD, 0x81, 0xBD, 0xBD, 0xBD, 0xFF};  // white is the paper
  struct Case {
    const char* name;
    std::function<void(SheetImport&)> choose;
    const char* facts;
    int first;
    int count;
    std::vector<Glyph> glyphs;
  };
  const Case cases[] = {
      {"paper black, all cells", [](SheetImport&) {},
       "264x64 pixels, 33x8 cells, paper 000000\n256 glyphs taken, 8 cells left out", 0, 256, {a, bar, a, empty}},
      {"unique", [](SheetImport& s) { SetSheetUnique(s, true); }, "3 glyphs taken, 261 repeated cells dropped", 0, 3,
       {a, bar, empty}},
      {"white paper from glyph 200", [](SheetImport& s) {
         SetSheetPaper(s, "FFFFFF");
         SetSheetFirstGlyph(s, "200");
       },
       "56 glyphs taken, 208 cells left out", 200, 56, {aOnWhite, full, aOnWhite, full}},
  };
  const auto bmp = EncodeImage(FontSheet(), ImageFormat::Bmp);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    app.doc.store = before;
    app.doc.history = UndoHistory();
    std::string facts;
    importDialogs.sheetScripts.push_back([&](SheetImport& state) {
      c.choose(state);
      facts = state.outcome.facts;
      return true;
    });
    Choose("sheet.bmp", std::string(bmp->begin(), bmp->end()));
    RunCommand(app, cmd::ImportFromSheet);
    EXPECT_NE(facts.find(c.facts), std::string::npos) << facts;
    ExpectImported(c.first, c.count, c.glyphs);
  }
  // A picture of 16384 x 16384 is refused before anything is made of it.
  app.doc.store = before;
  app.doc.history = UndoHistory();
  BmpSpec huge;
  huge.width = 16384;
  huge.height = 16384;
  const Bytes header = MakeBmp(huge);
  Choose("huge.bmp", std::string(header.begin(), header.end()));
  RunCommand(app, cmd::ImportFromSheet);
  ExpectNothingChanged();
  EXPECT_EQ(LastCall().title, "Import Error!");
  EXPECT_EQ(importDialogs.runs, 3);
}

}  // namespace
}  // namespace kx
