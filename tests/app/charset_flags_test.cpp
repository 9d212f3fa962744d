// Each charset keeps its own unsaved, file and layout flags through swaps; quitting asks about both
// charsets; undoing a load brings back the earlier file with its bytes, and an undo across New, a save or a
// swap cannot pass old content off as saved.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/charset_loading.h"
#include "app/image_commands.h"
#include "app/run_command.h"
#include "app/file_test_support.h"
#include "app/unsaved_prompt.h"
#include "io/image_dump.h"
#include "model/rom_charset.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

using namespace testing_files;
namespace fs = std::filesystem;

// Runs in a fresh current directory, so that a save under a bare name would be seen.
class CharsetFlagsTest : public FileCommandTest {
 protected:
  CharsetFlagsTest() : previous_(fs::current_path()) { fs::current_path(dir.Dir()); }
  ~CharsetFlagsTest() override { fs::current_path(previous_); }

  void Run(CommandId id) { RunCommand(app, id); }
  bool Unsaved() const { return app.shell.title.ends_with(" <unsaved>"); }
  std::string Title(const std::string& name) const { return "Kestrelix 1.0 (x64) - " + name; }

 private:
  fs::path previous_;
};

using SwapFlags = CharsetFlagsTest;

TEST_F(SwapFlags, EditsOfTheCharsetInMemoryStayUnsavedWhileTheOtherIsSaved) {
  Run(cmd::EraseRowFirst);  // Charset 1 edited
  Run(cmd::Swap);
  EXPECT_EQ(app.shell.title, Title("untitled charset 2"));
  AnswerFile(dir.Path("two"), 1);
  Run(cmd::SaveAs);
  Run(cmd::Swap);
  EXPECT_EQ(app.shell.title, Title("untitled charset 1 <unsaved>"));

  Answer(MessageAnswer::Cancel);
  EXPECT_FALSE(RequestQuit(app, false));
  EXPECT_EQ(LastCall().text, "The following is unsaved:\r\n\r\nuntitled charset 1\r\n\r\nDo you want to save?");
}

TEST_F(SwapFlags, SaveOfACharsetThatNeverHadAFileAsksForAName) {
  AnswerFile(dir.Path("one"), 1);
  Run(cmd::SaveAs);
  Run(cmd::Swap);
  AnswerCancel();
  Run(cmd::Save);
  EXPECT_EQ(LastCall().kind, DialogKind::SaveFile);
  EXPECT_EQ(LastCall().proposedPath, dir.Dir() + "untitled charset 2");
  EXPECT_FALSE(fs::exists("untitled charset 2"));
  EXPECT_EQ(app.doc.files.recent[0], dir.Path("one.chr"));
  EXPECT_EQ(app.doc.files.recent[1], kEmptyRecent);
  EXPECT_EQ(app.doc.store.lastDirectory, dir.Dir());

  AnswerFile(dir.Path("two"), 0);
  Run(cmd::Save);
  EXPECT_EQ(ReadBytes(dir.Path("two.prg")), std::string(2050, '\0'));

  // Charset 1 still knows its file and layout: its Save asks nothing.
  Run(cmd::Swap);
  Run(cmd::EraseRowFirst);
  const std::size_t calls = dialogs.calls.size();
  Run(cmd::Save);
  EXPECT_EQ(dialogs.calls.size(), calls);
  EXPECT_EQ(ReadBytes(dir.Path("one.chr")), Editor());
  EXPECT_EQ(app.shell.title, Title(dir.Path("one.chr")));
}

using QuitWithTwoCharsets = CharsetFlagsTest;

TEST_F(QuitWithTwoCharsets, AsksAboutTheCharsetInMemoryByNameInEachWording) {
  Run(cmd::EraseRowFirst);
  Run(cmd::Swap);

  Answer(MessageAnswer::Cancel);
  EXPECT_FALSE(RequestQuit(app, false));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(LastCall().title, "Quit Kestrelix");
  EXPECT_EQ(LastCall().text, "The following is unsaved:\r\n\r\nuntitled charset 1\r\n\r\nDo you want to save?");
  EXPECT_EQ(LastCall().buttons, MessageButtons::YesNoCancel);
  EXPECT_FALSE(app.shell.requests.quit);

  Answer(MessageAnswer::No);
  EXPECT_TRUE(RequestQuit(app, true));
  EXPECT_EQ(LastCall().text,
            "The following file has not been saved:\r\n\r\nuntitled charset 1\r\n\r\nDo you wish to save the file?");
  EXPECT_TRUE(app.shell.requests.quit);
}

TEST_F(QuitWithTwoCharsets, YesSavesTheCharsetInMemoryThroughSaveAsAndLeavesTheEditorAsItWas) {
  Run(cmd::EraseRowFirst);
  const std::string charset1 = Editor();
  Run(cmd::Swap);
  Run(cmd::ReverseRowFirst);  // Charset 2 edited too
  const std::string charset2 = Editor();

  // A cancelled Save As stops the quit and changes nothing.
  Answer(MessageAnswer::No);
  Answer(MessageAnswer::Yes);
  AnswerCancel();
  EXPECT_FALSE(RequestQuit(app, false));
  ASSERT_EQ(dialogs.calls.size(), 3u);
  EXPECT_EQ(dialogs.calls[1].text, "The following is unsaved:\r\n\r\nuntitled charset 1\r\n\r\nDo you want to save?");
  EXPECT_EQ(LastCall().proposedPath, "untitled charset 1");
  EXPECT_TRUE(app.doc.store.memoryFlags.modified);

  Answer(MessageAnswer::No);
  Answer(MessageAnswer::Yes);
  AnswerFile(dir.Path("one"), 0);
  EXPECT_TRUE(RequestQuit(app, false));
  EXPECT_EQ(ReadBytes(dir.Path("one.prg")), std::string(2, '\0') + charset1);
  EXPECT_EQ(Editor(), charset2);
  EXPECT_EQ(app.doc.store.editorSlot, 1);
  EXPECT_EQ(app.shell.title, Title("untitled charset 2 <unsaved>"));
  EXPECT_EQ(app.shell.status.charsetInEditor, "CHARSET 2");
  EXPECT_EQ(MemoryCharsetName(app.doc.store), dir.Path("one.prg"));
  EXPECT_FALSE(app.doc.store.memoryFlags.modified);
  EXPECT_EQ(app.doc.store.memoryFlags.fileType, FileType::Prg);
}

TEST_F(QuitWithTwoCharsets, YesSavesACharsetInMemoryWithAFileInItsOwnLayoutWithoutAsking) {
  const std::string path = dir.Path("one.prg");
  EditedWithFile(path, FileType::Prg);
  Run(cmd::Swap);
  Answer(MessageAnswer::Yes);
  EXPECT_TRUE(RequestQuit(app, true));
  EXPECT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(ReadBytes(path), std::string(2, '\0') + std::string(RomCharset().begin(), RomCharset().end()));
}

using UndoAcrossLoads = CharsetFlagsTest;

TEST_F(UndoAcrossLoads, UndoingALoadBringsBackTheEarlierFileAndASaveGoesThere) {
  const std::string a = dir.Path("A.chr");
  const std::string b = dir.Path("B.prg");
  const std::string row = dir.Path("row.chr");
  const std::string picture = dir.Path("pic.png");
  WriteBytes(a, Counting(2048, 1));
  WriteBytes(b, Counting(2050, 2));
  WriteBytes(row, Counting(256, 3));
  ASSERT_TRUE(WriteImageFile(picture, DumpPicture(CharsetPicture(app)), ImageFormat::Png));
  // Each loads another file over an edited A, answering No to the unsaved-changes question.
  const std::pair<std::string, std::function<void(App&)>> loads[] = {
      {b, [&](App& x) { AnswerFile(b, 1); RunCommand(x, cmd::Open); }},
      {b, [&](App& x) { DropFiles(x, {b}); }},
      {b, [&](App& x) { x.doc.files.recent[0] = b; RunCommand(x, cmd::RecentFirst); }},
      {row, [&](App& x) { AnswerFile(row, 0); RunCommand(x, cmd::ImportFirst); }},
      {picture, [&](App& x) { AnswerFile(picture, 0); RunCommand(x, cmd::ImportImage); }},
  };
  for (const auto& [loaded, load] : loads) {
    App x;
    x.shell.dialogs = &dialogs;
    DropFiles(x, {a});
    RunCommand(x, cmd::EraseRowFirst);
    const Charset edited = x.doc.store.editor;
    Answer(MessageAnswer::No);
    load(x);
    ASSERT_EQ(x.doc.store.currentName, loaded);
    const CharsetStore after = x.doc.store;

    RunCommand(x, cmd::Undo);
    EXPECT_EQ(x.doc.store.editor, edited) << loaded;
    EXPECT_EQ(x.shell.title, Title(a + " <unsaved>")) << loaded;
    EXPECT_EQ(x.doc.store.slotNames[0], a) << loaded;
    EXPECT_EQ(x.doc.store.fileType, FileType::Chr) << loaded;
    RunCommand(x, cmd::Redo);
    EXPECT_EQ(x.doc.store.editor, after.editor) << loaded;
    EXPECT_EQ(x.doc.store.currentName, loaded) << loaded;
    EXPECT_EQ(x.doc.store.fileType, after.fileType) << loaded;
    EXPECT_EQ(x.doc.store.modified, after.modified) << loaded;

    // A glyph key after the undo keeps the redo step, which still brings back the loaded file.
    RunCommand(x, cmd::Undo);
    x.doc.history.Push(x.doc.store, false);
    RunCommand(x, cmd::Redo);
    EXPECT_EQ(x.doc.store.currentName, loaded) << loaded;
    RunCommand(x, cmd::Undo);
    RunCommand(x, cmd::Save);
    EXPECT_EQ(ReadBytes(a), std::string(edited.begin(), edited.end())) << loaded;
    EXPECT_EQ(x.shell.title, Title(a)) << loaded;
    EXPECT_TRUE(dialogs.messageAnswers.empty() && dialogs.fileAnswers.empty()) << loaded;
    WriteBytes(a, Counting(2048, 1));
  }
  EXPECT_EQ(ReadBytes(b), Counting(2050, 2));
  EXPECT_EQ(ReadBytes(row), Counting(256, 3));
}

TEST_F(UndoAcrossLoads, BackToAFileThatChangedOnDiskSinceTheCharsetIsUnsavedAndSaveAsks) {
  const std::string a = dir.Path("A.chr");
  const std::string b = dir.Path("B.chr");
  WriteBytes(a, Counting(2048, 1));
  WriteBytes(b, Counting(2048, 2));
  DropFiles(app, {a});
  DropFiles(app, {b});
  Run(cmd::Undo);
  EXPECT_EQ(app.shell.title, Title(a));  // unchanged on disk: as saved as it was

  Run(cmd::Redo);
  WriteBytes(a, Counting(2048, 9));  // someone else's change
  Run(cmd::Undo);
  EXPECT_EQ(app.shell.title, Title(a + " <unsaved>"));
  Answer(MessageAnswer::No);
  Run(cmd::Save);
  EXPECT_NE(LastCall().text.find("has changed on disk"), std::string::npos);
  EXPECT_EQ(ReadBytes(a), Counting(2048, 9));
}

TEST_F(UndoAcrossLoads, WithinOneFileUndoFollowsTheSnapshotsAndASaveMovesTheCleanState) {
  const std::string b = dir.Path("B.chr");
  WriteBytes(b, Counting(2048));
  DropFiles(app, {b});
  Run(cmd::EraseRowFirst);
  Run(cmd::Undo);
  EXPECT_FALSE(Unsaved());  // back to the state right after the load
  Run(cmd::Redo);
  EXPECT_TRUE(Unsaved());
  Run(cmd::Save);
  Run(cmd::Undo);
  EXPECT_TRUE(Unsaved());  // the file now holds the erased row
  Run(cmd::Redo);
  EXPECT_FALSE(Unsaved());
  EXPECT_EQ(ReadBytes(b), Editor());
}

TEST_F(UndoAcrossLoads, NewAndSaveAsMakeOlderSnapshotsUnsaved) {
  // Each starts from an edit of the clean start-up charset, so the snapshot it undoes says "saved".
  const std::pair<const char*, std::function<void(App&)>> replacements[] = {
      {"new", [&](App& a) { Answer(MessageAnswer::No); RunCommand(a, cmd::New); }},
      {"save as", [&](App& a) { AnswerFile(dir.Path("c"), 1); RunCommand(a, cmd::SaveAs); }},
  };
  for (const auto& [name, replace] : replacements) {
    App fresh;
    fresh.shell.dialogs = &dialogs;
    RunCommand(fresh, cmd::EraseRowFirst);
    replace(fresh);
    RunCommand(fresh, cmd::Undo);
    EXPECT_EQ(fresh.doc.store.editor, RomCharset()) << name;
    EXPECT_TRUE(fresh.shell.title.ends_with(" <unsaved>")) << name;
    EXPECT_TRUE(dialogs.messageAnswers.empty() && dialogs.fileAnswers.empty()) << name;
  }
}

}  // namespace
}  // namespace kx
