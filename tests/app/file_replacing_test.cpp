// Writes over a file that one of the two charsets came from: a dump, save or export asks first when the file
// is the other charset's or changed on disk since it was loaded or saved, No writes nothing, and a charset
// whose file was replaced by something else is unsaved afterwards.

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "app/file_test_support.h"
#include "app/image_commands.h"
#include "app/run_command.h"
#include "app/unsaved_prompt.h"
#include "io/image_dump.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

using namespace testing_files;
namespace fs = std::filesystem;

constexpr const char* kAskReplace = "\r\n\r\nDo you want to replace it?";

// Runs in a fresh current directory, where dumps and bare names land.
class FileReplacingTest : public FileCommandTest {
 protected:
  FileReplacingTest() : previous_(fs::current_path()) { fs::current_path(dir.Dir()); }
  ~FileReplacingTest() override { fs::current_path(previous_); }

  void Run(CommandId id) { RunCommand(app, id); }
  void Open(App& into, ScriptedDialogs& script, const std::string& path) {
    script.fileAnswers.push_back(FileChoice{path, 0});
    RunCommand(into, cmd::Open);
    ASSERT_EQ(into.doc.store.currentName, path);
  }
  std::size_t Calls() const { return dialogs.calls.size(); }

 private:
  fs::path previous_;
};

TEST_F(FileReplacingTest, ADumpOverThePictureTheOtherCharsetCameFromAsksAndLeavesThatCharsetUnsaved) {
  ASSERT_TRUE(WriteImageFile("logo.png", Image(512, 128, 0xFFFFFF), ImageFormat::Png));
  const std::string picture = ReadBytes("logo.png");
  AnswerFile("./logo.png", 0);  // another spelling of the name the dump will use
  Run(cmd::ImportImage);
  Run(cmd::Swap);
  AnswerFile("logo", 1);
  Run(cmd::SaveAs);
  ASSERT_EQ(app.doc.store.currentName, "logo.chr");

  Answer(MessageAnswer::No);
  Run(cmd::DumpPng);
  EXPECT_EQ(LastCall().text, std::string("logo.png is the file Charset 1 was loaded from or saved to.") + kAskReplace);
  EXPECT_EQ(LastCall().buttons, MessageButtons::YesNo);
  EXPECT_EQ(ReadBytes("logo.png"), picture);
  EXPECT_FALSE(app.doc.store.memoryFlags.modified);

  Answer(MessageAnswer::Yes);
  Run(cmd::DumpPng);
  EXPECT_NE(ReadBytes("logo.png"), picture);
  EXPECT_EQ(LastCall().text, "PNG Image Dump Successful\r\n\r\n" + (fs::current_path() / "logo.png").string());
  Run(cmd::Swap);
  EXPECT_EQ(app.shell.title, "Kestrelix 1.0 (x64) - ./logo.png <unsaved>");
  Answer(MessageAnswer::Cancel);
  EXPECT_FALSE(RequestQuit(app, false));
}

TEST_F(FileReplacingTest, EveryWayOfWritingOverTheOtherCharsetsFileAsksFirst) {
  // Charset 1 came from f.chr; Charset 2 writes to the same file under another spelling. The requesters
  // ask their "already exists" (answered Yes here) and then, like Save, whose file it is.
  const struct {
    const char* what;
    CommandId id;
    bool opensTheFileToo;  // Charset 2 was itself opened from f.chr, so Save needs no name
    const char* question;
  } cases[] = {
      {"save", cmd::Save, true, "./f.chr is the file Charset 1 was loaded from or saved to."},
      {"save as", cmd::SaveAs, false, "f.chr is the file Charset 1 was loaded from or saved to."},
      {"save as, both from f.chr", cmd::SaveAs, true, "f.chr is the file Charset 1 was loaded from or saved to."},
      {"export", cmd::ExportFirst, false, "f.chr is the file Charset 1 was loaded from or saved to."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(dir.Path("f.chr"), Counting(2048, 1));
    app = App();
    app.shell.dialogs = &dialogs;
    Open(app, dialogs, dir.Path("f.chr"));
    Run(cmd::Swap);
    if (c.opensTheFileToo) Open(app, dialogs, "./f.chr");
    Run(cmd::EraseRowFirst);

    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
      if (c.id != cmd::Save) {
        AnswerFile("f", 1);
        Answer(MessageAnswer::Yes);
      }
      Answer(answer);
      Run(c.id);
      const bool asked = std::ranges::any_of(dialogs.calls, [&](const DialogCall& call) {
        return call.text == c.question + std::string(kAskReplace) && call.buttons == MessageButtons::YesNo;
      });
      EXPECT_TRUE(asked);
      dialogs.fileAnswers.clear();
      dialogs.calls.clear();
      const bool replaced = ReadBytes(dir.Path("f.chr")) != Counting(2048, 1);
      EXPECT_EQ(replaced, answer == MessageAnswer::Yes);
      EXPECT_EQ(app.doc.store.memoryFlags.modified, answer == MessageAnswer::Yes);
    }
  }
}

TEST_F(FileReplacingTest, TwoEditorsOnOneFileTheSecondSaveAsksBeforeLosingTheFirst) {
  const std::string path = dir.Path("f.chr");
  WriteBytes(path, Counting(2048, 1));
  ScriptedDialogs otherDialogs;
  App other;
  other.shell.dialogs = &otherDialogs;
  Open(app, dialogs, path);
  Open(other, otherDialogs, path);

  Run(cmd::EraseRowFirst);
  const std::size_t before = Calls();
  Run(cmd::Save);  // unchanged since it was opened: no question
  EXPECT_EQ(Calls(), before);
  const std::string first = ReadBytes(path);
  ASSERT_EQ(first, Editor());

  RunCommand(other, cmd::EraseRowFirst + 3);
  const std::string second(reinterpret_cast<const char*>(other.doc.store.editor.data()), 2048);
  for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
    otherDialogs.messageAnswers.push_back(answer);
    RunCommand(other, cmd::Save);
    const DialogCall& question = otherDialogs.calls.back();
    EXPECT_EQ(question.text, path + " has changed on disk since it was opened or last saved." + kAskReplace);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.title, "Kestrelix");
    EXPECT_EQ(ReadBytes(path), answer == MessageAnswer::No ? first : second);
    EXPECT_EQ(other.doc.store.modified, answer == MessageAnswer::No);
  }
  EXPECT_EQ(other.doc.files.recent[0], path);  // the declined save was no attempt
  EXPECT_EQ(other.doc.files.recent[1], kEmptyRecent);

  // The first editor now meets the second one's save the same way, whichever way it writes.
  Run(cmd::EraseRowFirst + 1);
  Answer(MessageAnswer::No);
  AnswerFile(path, 1);
  Run(cmd::SaveAs);
  EXPECT_EQ(LastCall().text, path + " has changed on disk since it was opened or last saved." + kAskReplace);
  Answer(MessageAnswer::No);
  AnswerFile(path, 0);
  Run(cmd::ExportFirst);
  EXPECT_EQ(LastCall().text, path + " has changed on disk since it was opened or last saved." + kAskReplace);
  EXPECT_EQ(ReadBytes(path), second);
  EXPECT_TRUE(app.doc.store.modified);
}

TEST_F(FileReplacingTest, AFailedDumpNamesTheFileAndTheReason) {
  const std::string target = (fs::current_path() / "font.png").string();
  fs::create_directory(target);
  ApplyLoadBookkeeping(app.doc.store, "/elsewhere/font.chr");
  RefreshTitle(app);
  Run(cmd::DumpPng);
  EXPECT_EQ(LastCall().title, "Kestrelix");
  EXPECT_EQ(LastCall().text, "PNG Image Dump Failed\r\n\r\n" + target + "\r\n" + std::strerror(EISDIR));
  EXPECT_TRUE(fs::is_directory(target));
}

}  // namespace
}  // namespace kx
