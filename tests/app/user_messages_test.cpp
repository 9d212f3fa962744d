#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/file_test_support.h"
#include "app/run_command.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

using namespace testing_files;
namespace fs = std::filesystem;

using UserMessages = FileCommandTest;

// What the user is told after a command: each refusal names its reason, each command that changes nothing
// visible says what it did. An empty title means the status bar's notice.
TEST_F(UserMessages, SayWhyAndWhat) {
  const std::string small = dir.Path("small.bin");
  const std::string full = dir.Path("full.chr");
  const std::string folder = dir.Path("folder.chr");
  const std::string loop = dir.Path("loop.prg");
  WriteBytes(small, std::string(10, 'x'));
  WriteBytes(full, std::string(2048, 'x'));
  fs::create_directory(folder);
  fs::create_symlink(loop, loop);  // opening it fails with the system's "too many links"

  const struct {
    std::function<void()> answer;
    CommandId command;
    std::string title;
    std::string text;
  } cases[] = {
      {[&] { AnswerFile(small, 1); }, cmd::Open, "Load Error!",
       "Not a known file:\r\n\r\n" + small +
           "\r\n\r\nIt is 10 bytes long; the Morvane filter opens files of 2048 bytes or more."},
      {[&] { AnswerFile(folder, 0); }, cmd::Open, "Load Error!",
       "Not a 2048 byte file: \r\n\r\n" + folder +
           "\r\n\r\nIt is a folder; the Charset filter opens files of exactly 2048 bytes."},
      {[&] { AnswerFile(full, 0); }, cmd::ImportFirst + 1, "Load Error!",
       "Not a 512 byte file: \r\n\r\n" + full + "\r\n\r\nIt is 2048 bytes long; this import takes files of exactly 512 bytes."},
      {[&] { AnswerFile(loop, 0); }, cmd::ImportFromSource, "File Error!",
       "Could not read the file!\r\n\r\n" + loop + "\r\nToo many levels of symbolic links"},
      {[&] { dialogs.desktopAnswers.push_back(false); }, cmd::SupportForum, "Kestrelix",
       "The web page could not be opened:\r\n\r\nhttps://kestrelix.example/forum\r\n\r\n"
       "The desktop has no program that shows it."},
      {[] {}, cmd::New, "", ""},
      {[] {}, cmd::Compress, "", "Removed 255 duplicate glyphs"},  // all glyphs empty: one stays
      {[&] {  // every glyph different
         for (std::size_t n = 0; n < 256; ++n) app.doc.store.editor[n * 8] = static_cast<std::uint8_t>(n);
       },
       cmd::Compress, "", "No duplicate glyphs to remove"},
      {[&] { AnswerFile(dir.Path("font.a"), 0); }, cmd::ExportSource, "", "Source written to " + dir.Path("font.a")},
  };
  for (const auto& c : cases) {
    const std::size_t calls = dialogs.calls.size();
    c.answer();
    RunCommand(app, c.command);
    if (c.title.empty()) {
      EXPECT_EQ(app.shell.status.notice, c.text) << c.command;
      for (std::size_t i = calls; i < dialogs.calls.size(); ++i) {
        EXPECT_NE(dialogs.calls[i].kind, DialogKind::Message) << c.command << ": " << dialogs.calls[i].text;
      }
      continue;
    }
    ASSERT_GT(dialogs.calls.size(), calls) << c.command;
    EXPECT_EQ(LastCall().title, c.title) << c.command;
    EXPECT_EQ(LastCall().text, c.text) << c.command;
  }
}

}  // namespace
}  // namespace kx
