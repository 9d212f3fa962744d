// A save never changes the size or the load address of the file it writes over without asking, a .prg
// keeps the load address it was read with, and a charset without a charset file is saved through Save As.

#include <algorithm>
#include <vector>

#include "app/charset_loading.h"
#include "app/file_test_support.h"
#include "app/run_command.h"
#include "runtime/image_codec.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

using namespace testing_files;

constexpr const char* kSaveAnyway = "\r\n\r\nDo you want to save it anyway?";

std::string Header(int low, int high) { return {static_cast<char>(low), static_cast<char>(high)}; }

using SaveLayout = FileCommandTest;

TEST_F(SaveLayout, AChangeOfSizeOrLoadAddressIsAskedAboutAndEachAnswerDoesWhatItSays) {
  const std::string data = Counting(2048, 3);
  const std::string at3800 = Header(0x00, 0x38) + data;
  enum Load { OpenCharset, OpenMorvane, Drop, ImportRow, ImportShort };
  enum Written { Unchanged, Chr, Prg0000, Prg3800, OtherChr };
  const struct {
    const char* what;
    std::string file;
    Load load;
    std::string rewrittenAfterLoad;  // another program's write between the load and the save
    std::vector<MessageAnswer> answers;
    const char* question;  // after the path; "" for none
    Written written;
  } cases[] = {
      {"2048 by the Morvane filter, Yes", data, OpenMorvane, "", {MessageAnswer::Yes},
       " is 2048 bytes long; this save would make it 2050 bytes long.", Prg0000},
      {"2048 by the Morvane filter, No", data, OpenMorvane, "", {MessageAnswer::No},
       " is 2048 bytes long; this save would make it 2050 bytes long.", Unchanged},
      {"2048 by the Morvane filter, Save As", data, OpenMorvane, "", {MessageAnswer::SaveAs},
       " is 2048 bytes long; this save would make it 2050 bytes long.", OtherChr},
      {"4096 cut to 2050", data + data, OpenMorvane, "", {MessageAnswer::No},
       " is 4096 bytes long; this save would make it 2050 bytes long.", Unchanged},
      {"2049 read whole by the Morvane filter", data.substr(0, 2049 - 2048) + data, OpenMorvane, "",
       {MessageAnswer::Yes}, " is 2049 bytes long; this save would make it 2050 bytes long.", Prg0000},
      {"256 imported, then saved whole", data.substr(0, 256), ImportRow, "", {MessageAnswer::Yes},
       " is 256 bytes long; this save would make it 2048 bytes long.", Chr},
      {"2049 imported as the short file", Header(0x00, 0x38) + data.substr(0, 2047), ImportShort, "",
       {MessageAnswer::No}, " is 2049 bytes long; this save would make it 2048 bytes long.", Unchanged},
      {"a .prg keeps its load address", at3800, OpenMorvane, "", {}, "", Prg3800},
      {"dropped .prg keeps its load address", at3800, Drop, "", {}, "", Prg3800},
      {"raw 2048 stays raw", data, OpenCharset, "", {}, "", Chr},
      {"another program moved the address", at3800, OpenMorvane, Header(0x00, 0x20) + data,
       {MessageAnswer::Yes, MessageAnswer::Yes}, " loads at $2000; this save would change its load address to $3800.",
       Prg3800},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    app = App();
    app.shell.dialogs = &dialogs;
    dialogs = ScriptedDialogs();
    const std::string path = dir.Path("font.prg");
    const std::string other = dir.Path("other.chr");
    std::filesystem::remove(other);
    WriteBytes(path, c.file);
    switch (c.load) {
      case OpenCharset: AnswerFile(path, 0); RunCommand(app, cmd::Open); break;
      case OpenMorvane: AnswerFile(path, 1); RunCommand(app, cmd::Open); break;
      case Drop: DropFiles(app, {path}); break;
      case ImportRow: AnswerFile(path, 0); RunCommand(app, cmd::ImportFirst); break;
      case ImportShort: AnswerFile(path, 0); RunCommand(app, cmd::ImportBugged); break;
    }
    ASSERT_EQ(app.doc.store.currentName, path);
    RunCommand(app, cmd::EraseRowFirst + 1);  // an edit, so that a declined save leaves it unsaved
    if (!c.rewrittenAfterLoad.empty()) WriteBytes(path, c.rewrittenAfterLoad);
    const std::string before = ReadBytes(path);
    dialogs.calls.clear();
    for (const MessageAnswer answer : c.answers) Answer(answer);
    AnswerFile(other, 1);  // for Save As
    RunCommand(app, cmd::Save);

    const auto asked = std::ranges::find(dialogs.calls, MessageButtons::YesNoSaveAs, &DialogCall::buttons);
    if (*c.question == '\0') {
      EXPECT_EQ(asked, dialogs.calls.end());
    } else {
      ASSERT_NE(asked, dialogs.calls.end());
      EXPECT_EQ(asked->text, path + c.question + kSaveAnyway);
      EXPECT_EQ(asked->title, "Kestrelix");
      EXPECT_EQ(asked->icon, MessageIcon::Warning);
    }
    switch (c.written) {
      case Unchanged:
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(app.doc.files.recent[0], kEmptyRecent);  // a declined save is no attempt
        break;
      case Chr: EXPECT_EQ(ReadBytes(path), Editor()); break;
      case Prg0000: EXPECT_EQ(ReadBytes(path), Header(0, 0) + Editor()); break;
      case Prg3800: EXPECT_EQ(ReadBytes(path), Header(0x00, 0x38) + Editor()); break;
      case OtherChr:
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(ReadBytes(other), Editor());
        EXPECT_EQ(app.doc.store.currentName, other);
        break;
    }
    EXPECT_EQ(app.doc.store.modified, c.written == Unchanged);
  }
}

TEST_F(SaveLayout, ACharsetWithoutACharsetFileIsSavedThroughSaveAs) {
  // A picture imported, edited and saved: Save asks for a charset file and leaves the picture alone.
  const std::string picture = dir.Path("art.png");
  ASSERT_TRUE(WriteImageFile(picture, Image(512, 128, 0xFFFFFF), ImageFormat::Png));
  const std::string pictureBytes = ReadBytes(picture);
  AnswerFile(picture, 0);
  RunCommand(app, cmd::ImportImage);
  ASSERT_EQ(app.doc.store.fileType, FileType::Image);
  RunCommand(app, cmd::EraseRowFirst);
  AnswerFile(dir.Path("art"), 1);
  RunCommand(app, cmd::Save);
  EXPECT_EQ(LastCall().kind, DialogKind::SaveFile);
  EXPECT_EQ(LastCall().title, "Save as...");
  EXPECT_EQ(ReadBytes(dir.Path("art.chr")), Editor());
  EXPECT_EQ(ReadBytes(picture), pictureBytes);
  EXPECT_EQ(app.shell.title, "Kestrelix 1.0 (x64) - " + dir.Path("art.chr"));

  // After New there is no file at all: the same, and a cancelled requester writes nothing.
  RunCommand(app, cmd::New);
  RunCommand(app, cmd::EraseRowFirst);
  AnswerCancel();
  RunCommand(app, cmd::Save);
  EXPECT_EQ(LastCall().title, "Save as...");
  EXPECT_TRUE(app.doc.store.modified);
}

}  // namespace
}  // namespace kx
