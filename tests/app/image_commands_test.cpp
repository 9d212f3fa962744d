#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "app/image_commands.h"
#include "app/event_flow.h"
#include "app/charset_saving.h"
#include "app/file_test_support.h"
#include "app/run_command.h"
#include "io/image_dump.h"
#include "model/charset_colours.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

using namespace testing_files;
namespace fs = std::filesystem;

const char* const kImageFilter = "Image File (*.png,*.jpg,*.bmp)|*.png;*.jpg;*.bmp|";

// Runs in a fresh temporary current directory, where the dumps land, and restores the old one after.
class ImageCommandTest : public FileCommandTest {
 protected:
  ImageCommandTest() : previous_(fs::current_path()) { fs::current_path(dir.Dir()); }
  ~ImageCommandTest() override { fs::current_path(previous_); }

  // A dump's report: the fixed text, then where the file went.
  void ExpectDumped(const std::string& text, const std::string& name) const {
    ExpectNotice(text + "\r\n\r\n" + (fs::current_path() / name).string());
  }

  void ExpectNotice(const std::string& text) const {
    EXPECT_EQ(LastCall().kind, DialogKind::Message);
    EXPECT_EQ(LastCall().title, "Kestrelix");
    EXPECT_EQ(LastCall().text, text);
    EXPECT_EQ(LastCall().buttons, MessageButtons::Ok);
    EXPECT_EQ(LastCall().icon, MessageIcon::None);
  }

  // Chooses `path` in the Import Image requester and runs the import.
  void Import(const std::string& path) {
    AnswerFile(path, 0);
    RunCommand(app, cmd::ImportImage);
  }

  Image ReadPicture(const std::string& path) const {
    DecodeResult decoded = ReadImageFile(path);
    return decoded.image ? *decoded.image : Image();
  }

  // A loaded charset with a pattern in every glyph.
  void LoadPattern(const std::string& name) {
    for (std::size_t i = 0; i < app.doc.store.editor.size(); ++i) app.doc.store.editor[i] = static_cast<std::uint8_t>(i * 37 + 11);
    MarkCharsetChanged(app.view);
    FinishEvent(app);
    ApplyLoadBookkeeping(app.doc.store, name);
    app.doc.store.fileType = FileType::Chr;
    RefreshTitle(app);
  }

 private:
  fs::path previous_;
};

using ImageDump = ImageCommandTest;

TEST_F(ImageDump, PngIsTheCharsetAtTwiceTheSizeInTheCurrentDirectory) {
  LoadPattern("C:\\charsets\\font.chr");
  RunCommand(app, cmd::DumpPng);
  ExpectDumped("PNG Image Dump Successful", "font.png");
  const Image written = ReadPicture(dir.Path("font.png"));
  EXPECT_EQ(written, DumpPicture(CharsetPicture(app)));
  ASSERT_EQ(written.Width(), 512);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 256; ++x)
      ASSERT_EQ(written.Pixel(2 * x + 1, 2 * y + 1) != 0, GetCharsetPixel(app.doc.store.editor, x, y)) << x << "," << y;
  EXPECT_FALSE(app.shell.requests.focusEditor);
}

TEST_F(ImageDump, JpegAndBmpShareTheBaseNameAndARepeatReplacesTheFile) {
  RefreshTitle(app);  // as at start-up
  ASSERT_EQ(app.doc.store.currentName, "untitled charset 1");
  RunCommand(app, cmd::DumpJpg);
  ExpectDumped("JPG Image Dump Successful", "untitled charset 1.jpg");
  RunCommand(app, cmd::DumpBmp);
  ExpectDumped("BMP Image Dump Successful", "untitled charset 1.bmp");
  EXPECT_EQ(ReadPicture(dir.Path("untitled charset 1.jpg")).Width(), 512);
  EXPECT_EQ(ReadPicture(dir.Path("untitled charset 1.bmp")), DumpPicture(CharsetPicture(app)));

  app.doc.store.editor.fill(0xFF);
  MarkCharsetChanged(app.view);
  FinishEvent(app);
  RunCommand(app, cmd::DumpBmp);
  EXPECT_EQ(ReadPicture(dir.Path("untitled charset 1.bmp")), DumpPicture(CharsetPicture(app)));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Dir()), fs::directory_iterator()), 2);  // no leftovers
}

TEST_F(ImageDump, AFileThatCannotBeReplacedReportsTheFailure) {
  const struct {
    CommandId id;
    const char* name;
    const char* text;
  } cases[] = {{cmd::DumpPng, "font.png", "PNG Image Dump Failed"},
               {cmd::DumpJpg, "font.jpg", "JPG Image Dump Failed"},
               {cmd::DumpBmp, "font.bmp", "BMPImage Dump Failed"}};
  LoadPattern("/elsewhere/font.chr");
  for (const auto& c : cases) {
    fs::create_directory(dir.Path(c.name));  // a directory stands where the dump would go
    RunCommand(app, c.id);
    ExpectNotice(std::string(c.text) + "\r\n\r\n" + (fs::current_path() / c.name).string() + "\r\nIs a directory");
    EXPECT_TRUE(fs::is_directory(dir.Path(c.name)));
  }
  EXPECT_FALSE(app.doc.store.modified);
}

TEST_F(ImageDump, ReplacingThePictureTheCharsetCameFromAsksFirst) {
  // The imported picture is a dump drawn in other colours, so a replacement shows in its pixels.
  app.view.palette[kPaperIndex] = 0x102030;
  MarkCharsetChanged(app.view);
  FinishEvent(app);
  ASSERT_TRUE(WriteImageFile(dir.Path("logo.png"), DumpPicture(CharsetPicture(app)), ImageFormat::Png));
  const std::string original = ReadBytes(dir.Path("logo.png"));
  app.view.palette[kPaperIndex] = 0;
  Import("./logo.png");
  ASSERT_EQ(app.doc.store.currentName, "./logo.png");

  const std::size_t calls = dialogs.calls.size();
  Answer(MessageAnswer::No);
  RunCommand(app, cmd::DumpPng);
  ASSERT_EQ(dialogs.calls.size(), calls + 1);
  EXPECT_EQ(LastCall().title, "Kestrelix");
  EXPECT_EQ(LastCall().text,
            "logo.png is the file this charset was loaded from or saved to.\r\n\r\nDo you want to replace it?");
  EXPECT_EQ(LastCall().buttons, MessageButtons::YesNo);
  EXPECT_EQ(ReadBytes(dir.Path("logo.png")), original);

  RunCommand(app, cmd::DumpJpg);  // another name: written without a question
  ExpectDumped("JPG Image Dump Successful", "logo.jpg");

  Answer(MessageAnswer::Yes);
  RunCommand(app, cmd::DumpPng);
  ExpectDumped("PNG Image Dump Successful", "logo.png");
  EXPECT_EQ(ReadPicture(dir.Path("logo.png")), DumpPicture(CharsetPicture(app)));

  // A picture of the same name elsewhere is not the charset's own file.
  fs::create_directory(dir.Path("sub"));
  fs::copy_file(dir.Path("logo.png"), dir.Path("sub/logo.png"));
  Import(dir.Path("sub/logo.png"));
  RunCommand(app, cmd::DumpPng);
  ExpectDumped("PNG Image Dump Successful", "logo.png");
}

TEST_F(ImageDump, ReplacesWithoutAskingOnlyAPictureItWroteThatIsUnchanged) {
  LoadPattern("/elsewhere/art.chr");
  const std::string art = dir.Path("art.png");
  const std::string question = "art.png already exists.\r\n\r\nDo you want to replace it?";
  WriteBytes(art, "someone's picture");
  Answer(MessageAnswer::No);
  RunCommand(app, cmd::DumpPng);
  EXPECT_EQ(LastCall().title, "Kestrelix");
  EXPECT_EQ(LastCall().text, question);
  EXPECT_EQ(LastCall().buttons, MessageButtons::YesNo);
  EXPECT_EQ(ReadBytes(art), "someone's picture");

  Answer(MessageAnswer::Yes);
  RunCommand(app, cmd::DumpPng);
  ExpectDumped("PNG Image Dump Successful", "art.png");
  const std::size_t calls = dialogs.calls.size();
  RunCommand(app, cmd::DumpPng);  // its own picture, as it left it
  EXPECT_EQ(dialogs.calls.size(), calls + 1);
  ExpectDumped("PNG Image Dump Successful", "art.png");

  WriteBytes(art, "changed since");
  Answer(MessageAnswer::No);
  RunCommand(app, cmd::DumpPng);
  EXPECT_EQ(LastCall().text, question);
  EXPECT_EQ(ReadBytes(art), "changed since");
}

TEST_F(ImageDump, ClipboardGetsTheDumpPictureAndTheMessage) {
  LoadPattern("font.chr");
  RunCommand(app, cmd::DumpClipboard);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  const DialogCall& copy = dialogs.calls[0];
  EXPECT_EQ(copy.kind, DialogKind::Clipboard);
  EXPECT_EQ(copy.width, 512);
  EXPECT_EQ(copy.height, 128);
  const Image expected = DumpPicture(CharsetPicture(app));
  EXPECT_TRUE(std::equal(copy.pixels.begin(), copy.pixels.end(), expected.Data(), expected.Data() + 512 * 128));
  EXPECT_EQ(copy.pixels.size(), 512u * 128u);
  ExpectNotice("Image Copied to Clipboard");
  EXPECT_TRUE(fs::is_empty(dir.Dir()));
}

using ImageImport = ImageCommandTest;

TEST_F(ImageImport, PngDumpReadsBackToTheSameCharsetAndCompletesLikeALoad) {
  LoadPattern(dir.Path("font.chr"));
  const Charset original = app.doc.store.editor;
  RunCommand(app, cmd::DumpPng);
  app.doc.store.editor.fill(0);
  app.doc.store.lastDirectory = "/last/";
  app.doc.history.Push(app.doc.store, false);
  dialogs.calls.clear();

  Import(dir.Path("font.png"));
  const DialogCall& request = dialogs.calls[0];
  EXPECT_EQ(request.kind, DialogKind::OpenFile);
  EXPECT_EQ(request.title, "Import Image");
  EXPECT_EQ(request.proposedPath, "/last/") << "the last folder, never the charset's own file";
  EXPECT_EQ(request.filters, kImageFilter);
  EXPECT_EQ(request.filterIndex, 0);  // the remembered index 1 is past the single filter
  EXPECT_EQ(dialogs.calls.size(), 1u);

  EXPECT_EQ(app.doc.store.editor, original);
  EXPECT_EQ(app.doc.store.fileType, FileType::Image);
  EXPECT_FALSE(app.doc.store.modified);
  EXPECT_TRUE(app.doc.store.hasFile);
  EXPECT_EQ(app.doc.store.currentName, dir.Path("font.png"));
  EXPECT_EQ(app.shell.title, "Kestrelix 1.0 (x64) - " + dir.Path("font.png"));
  EXPECT_EQ(app.doc.store.lastDirectory, "/last/");
  EXPECT_EQ(app.doc.files.recent, EmptyRecentFiles());
  EXPECT_EQ(app.doc.files.openFilter, 1);
  EXPECT_EQ(app.doc.history.UndoDepth(), 2u);  // the import is one undo step
  EXPECT_TRUE(app.shell.requests.focusEditor);
}

TEST_F(ImageImport, AnyColourButBlackIsASetPixel) {
  // Decoded by content: a BMP called .png, at 256x64 so no scaling blurs the faint checkerboard.
  Image checker(256, 64);
  Charset expected{};
  for (int y = 0; y < 64; ++y)
    for (int x = (y & 1); x < 256; x += 2) {
      checker.SetPixel(x, y, 0x000001);
      SetCharsetPixel(expected, x, y, true);
    }
  ASSERT_TRUE(WriteImageFile(dir.Path("checker.png"), checker, ImageFormat::Bmp));
  Import(dir.Path("checker.png"));
  EXPECT_EQ(app.doc.store.editor, expected);

  // A dump drawn on a non-black paper comes back fully set. It replaces the imported file, so it asks.
  app.view.palette[kPaperIndex] = 0x102030;
  MarkCharsetChanged(app.view);
  FinishEvent(app);
  Answer(MessageAnswer::Yes);
  RunCommand(app, cmd::DumpPng);
  Import(dir.Path("checker.png"));
  Charset full;
  full.fill(0xFF);
  EXPECT_EQ(app.doc.store.editor, full);
}

TEST_F(ImageImport, LargePicturesAreAveragedDownBlockByBlock) {
  // 1024x256: each glyph pixel is a 4x4 block; one faint pixel in a block is enough to set it.
  Image big(1024, 256);
  big.SetPixel(4 * 5 + 2, 4 * 3 + 1, 0x300000);
  big.SetPixel(4 * 200 + 3, 4 * 40 + 3, 0x000030);  // the last pixel of its block, not of the next one
  Charset expected{};
  SetCharsetPixel(expected, 5, 3, true);
  SetCharsetPixel(expected, 200, 40, true);
  ASSERT_TRUE(WriteImageFile(dir.Path("big.bmp"), big, ImageFormat::Png));
  Import(dir.Path("big.bmp"));
  EXPECT_EQ(app.doc.store.editor, expected);
}

TEST_F(ImageImport, SaveAfterAnImportAsksForANameAndSaveAsWrites) {
  ASSERT_TRUE(WriteImageFile(dir.Path("pic.png"), Image(512, 128, 0xFFFFFF), ImageFormat::Png));
  Import(dir.Path("pic.png"));
  dialogs.calls.clear();
  AnswerFile(dir.Path("font"), 1);
  EXPECT_EQ(SaveCharset(app), SaveResult::Saved);
  EXPECT_EQ(dialogs.calls[0].kind, DialogKind::SaveFile);
  EXPECT_EQ(dialogs.calls[0].title, "Save as...");
  EXPECT_EQ(ReadBytes(dir.Path("font.chr")), std::string(2048, '\xFF'));
  EXPECT_EQ(app.doc.store.fileType, FileType::Chr);
  EXPECT_EQ(ReadPicture(dir.Path("pic.png")).Width(), 512);  // the picture itself is left alone
}

TEST_F(ImageImport, AFileThatDoesNotDecodeChangesNothingNotEvenTheFileType) {
  LoadPattern(dir.Path("font.chr"));
  app.doc.store.modified = true;
  const CharsetStore before = app.doc.store;
  WriteBytes(dir.Path("broken.png"), std::string("\x89PNG\r\n\x1a\n", 8) + Counting(300));
  Answer(MessageAnswer::No);
  Import(dir.Path("broken.png"));
  EXPECT_EQ(dialogs.calls[0].title, "Import image...");
  ExpectNotice("Import of Charset Image has failed...\r\n\r\n" + dir.Path("broken.png") +
               "\r\nThe picture is damaged or of a kind that cannot be read.");
  EXPECT_EQ(app.doc.store.editor, before.editor);
  EXPECT_EQ(app.doc.store.fileType, FileType::Chr);
  EXPECT_EQ(app.doc.store.currentName, before.currentName);
  EXPECT_TRUE(app.doc.store.modified);

  Answer(MessageAnswer::No);
  Import(dir.Path("gone.png"));
  EXPECT_EQ(LastCall().title, "File Error!");
  EXPECT_EQ(LastCall().text, "File Error! : '" + dir.Path("gone.png") + "' not found!");
  EXPECT_EQ(LastCall().icon, MessageIcon::Warning);
  EXPECT_EQ(app.doc.store.fileType, FileType::Chr);
}

// Each way a chosen file gives no picture is named under the fixed first line, after the file; the
// requester proposes that file next time.
TEST_F(ImageImport, AFailureSaysWhyAndTheNextRequesterProposesThatFile) {
  WriteBytes(dir.Path("notes.png"), "plain words, no picture");
  const Bytes huge = MakeBmp({20000, 20000});  // its header alone
  WriteBytes(dir.Path("huge.bmp"), std::string(huge.begin(), huge.end()));
  std::filesystem::create_directory(dir.Path("folder.png"));
  // A sparse file beyond what a picture may take is refused without being read.
  WriteBytes(dir.Path("vast.jpg"), "x");
  std::filesystem::resize_file(dir.Path("vast.jpg"), 400ull << 20);
  const std::pair<const char*, const char*> cases[] = {
      {"notes.png", "The file is not a PNG, JPEG or BMP picture."},
      {"huge.bmp", "The picture is too large."},
      {"folder.png", "The file could not be read."},
      {"vast.jpg", "The file is too large to be a picture."},
  };
  for (const auto& [name, reason] : cases) {
    Import(dir.Path(name));
    EXPECT_EQ(LastCall().text, "Import of Charset Image has failed...\r\n\r\n" + dir.Path(name) + "\r\n" + reason);
    AnswerFile(dir.Path(name), 0);
    RunCommand(app, cmd::ImportImage);
    EXPECT_EQ(dialogs.calls[dialogs.calls.size() - 2].proposedPath, dir.Path(name));
  }
}

TEST_F(ImageImport, CancellingThePromptOrTheRequesterChangesNothing) {
  app.doc.store.modified = true;
  Answer(MessageAnswer::Cancel);
  RunCommand(app, cmd::ImportImage);
  EXPECT_EQ(dialogs.calls.size(), 1u);  // the prompt, no requester

  const CharsetStore before = app.doc.store;
  app.doc.files.openFilter = 1;
  Answer(MessageAnswer::No);
  AnswerCancel();
  RunCommand(app, cmd::ImportImage);
  EXPECT_EQ(dialogs.calls.size(), 3u);
  EXPECT_EQ(LastCall().kind, DialogKind::OpenFile);
  EXPECT_EQ(app.doc.files.openFilter, 1);
  EXPECT_EQ(app.doc.store.editor, before.editor);
  EXPECT_EQ(app.doc.store.fileType, before.fileType);
  EXPECT_TRUE(app.doc.store.modified);
}

// A dump read back in the mode and colours it was drawn with gives the charset's bytes and inks again, read
// over a blank charset whose glyphs are all hi-res in ink 1; its colour table exported and imported gives
// the inks again, as one undo step. Extended background pictures show glyphs 0-63 only.
TEST_F(ImageImport, DumpsAndColourTablesComeBackInEveryMode) {
  struct Case {
    const char* name;
    DisplayMode mode;
    std::array<std::uint8_t, 4> registers;
    int glyphsBack;
  };
  const Case cases[] = {
      {"hires", DisplayMode::HiRes, {0, 11, 12, 15}, 256},
      {"hires_on_blue", DisplayMode::HiRes, {6, 11, 12, 15}, 256},
      {"multicolour", DisplayMode::Multicolour, {0, 11, 12, 15}, 256},
      {"multicolour_on_blue", DisplayMode::Multicolour, {6, 2, 5, 15}, 256},
      {"extended", DisplayMode::ExtendedBackground, {0, 2, 5, 7}, 64},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string name = c.name;
    LoadPattern(dir.Path(name + ".chr"));
    Charset original = app.doc.store.editor;
    for (int n = 0; n < kGlyphCount; ++n) original[n * 8] = static_cast<std::uint8_t>((n * 73) ^ 0x96);
    // Colours 1-7 that are no register, every other glyph with the multicolour bit. Hi-res mode reads no
    // inks, so there every glyph keeps ink 1.
    std::vector<std::uint8_t> free;
    for (std::uint8_t colour = 1; colour < 8; ++colour) {
      if (std::ranges::find(c.registers, colour) == c.registers.end()) free.push_back(colour);
    }
    GlyphInks inks = CharsetStore::DefaultInks();
    for (int n = 0; c.mode != DisplayMode::HiRes && n < kGlyphCount; ++n) {
      inks[n] = static_cast<std::uint8_t>(free[n % free.size()] | (n % 2 ? kMulticolourBit : 0));
    }
    app.doc.store.editor = original;
    app.doc.store.inks = inks;
    app.doc.store.colours = {c.mode, c.registers};
    MarkCharsetChanged(app.view);
    FinishEvent(app);
    RunCommand(app, cmd::DumpPng);
    AnswerFile(dir.Path(name + "_colours.bin"), 0);
    RunCommand(app, cmd::ExportColourTable);
    EXPECT_EQ(ReadBytes(dir.Path(name + "_colours.bin")), std::string(inks.begin(), inks.end()));

    app.doc.store.editor.fill(0);
    app.doc.store.inks = CharsetStore::DefaultInks();
    app.doc.store.modified = false;
    Import(dir.Path(name + ".png"));
    const auto bytesBack = static_cast<std::size_t>(c.glyphsBack * 8);
    EXPECT_TRUE(std::equal(original.begin(), original.begin() + bytesBack, app.doc.store.editor.begin()));
    EXPECT_TRUE(std::equal(inks.begin(), inks.begin() + c.glyphsBack, app.doc.store.inks.begin()));

    app.doc.store.inks = CharsetStore::DefaultInks();
    AnswerFile(dir.Path(name + "_colours.bin"), 0);
    RunCommand(app, cmd::ImportColourTable);
    EXPECT_EQ(app.doc.store.inks, inks);
    RunCommand(app, cmd::Undo);
    EXPECT_EQ(app.doc.store.inks, CharsetStore::DefaultInks());
  }
}

// A colour table is 256 colours 0-15: anything else is refused with the reason and changes nothing.
TEST_F(ImageImport, ColourTablesOfTheWrongSizeOrColoursAreRefused) {
  std::string badColour(256, '\x01');
  badColour[200] = 16;
  const std::pair<std::string, std::string> cases[] = {
      {std::string(255, '\x01'), "a colour table holds 256 bytes, this one 255"},
      {std::string(257, '\x01'), "a colour table holds 256 bytes, this one more"},
      {badColour, "the colour 16 of glyph 200 is no colour 0-15"},
  };
  for (const auto& [bytes, reason] : cases) {
    WriteBytes(dir.Path("table.bin"), bytes);
    AnswerFile(dir.Path("table.bin"), 0);
    RunCommand(app, cmd::ImportColourTable);
    EXPECT_EQ(LastCall().text, "Could not import the colour table!\r\n\r\n" + dir.Path("table.bin") + "\r\n\r\n" + reason);
    EXPECT_EQ(app.doc.store.inks, CharsetStore::DefaultInks());
    EXPECT_EQ(app.doc.history.UndoDepth(), 0u);
  }
}

}  // namespace
}  // namespace kx
