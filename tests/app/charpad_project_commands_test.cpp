// CharPad projects as the editor's own file type: Save As writes one, every way of opening a file brings it
// back with its colours, and a project holding more than the charset is read-only.

#include <gtest/gtest.h>

#include <functional>

#include "app/charset_loading.h"
#include "app/charset_saving.h"
#include "app/event_flow.h"
#include "app/file_session.h"
#include "app/file_test_support.h"
#include "app/run_command.h"
#include "io/charpad_project.h"
#include "tests/support/source_files.h"

namespace kx {
namespace {

using namespace testing_files;
using ProjectCommand = FileCommandTest;

void Blank(CharsetStore& store) {
  store.editor.fill(0);
  store.inks = CharsetStore::DefaultInks();
  store.colours = {};
}

TEST_F(ProjectCommand, SaveAsWritesAProjectThatEveryWayOfOpeningBringsBackWithItsColours) {
  CharsetStore& store = app.doc.store;
  for (std::size_t i = 0; i < store.editor.size(); ++i) store.editor[i] = static_cast<std::uint8_t>(i * 3 + i / 256);
  for (std::size_t n = 0; n < store.inks.size(); ++n) store.inks[n] = static_cast<std::uint8_t>(n % 16);
  store.colours = {DisplayMode::Multicolour, {3, 4, 5, 15}};  // a project keeps no $D024
  AnswerFile(dir.Path("game"), 2);
  ASSERT_EQ(SaveCharsetAs(app), SaveResult::Saved);
  const std::string path = dir.Path("game.ctm");
  EXPECT_EQ(dialogs.calls[0].filters,
            "Morvane Charset (*.prg)|*.prg|Charset (*.chr)|*.chr|CharPad project (*.ctm)|*.ctm|");
  EXPECT_EQ(store.fileType, FileType::CharPad);
  // Save writes it again as a project, with what changed since.
  store.inks[7] = 12;
  store.modified = true;
  ASSERT_EQ(SaveCharset(app), SaveResult::Saved);
  const Charset bytes = store.editor;
  const GlyphInks inks = store.inks;
  const CharsetColours colours = store.colours;
  EXPECT_EQ(ReadBytes(path), CharPadProjectBytes(bytes, inks, colours));

  const std::pair<const char*, std::function<void()>> routes[] = {
      {"Open, project filter", [&] { AnswerFile(path, 2); RunCommand(app, cmd::Open); }},
      {"Open, charset filter", [&] { AnswerFile(path, 0); RunCommand(app, cmd::Open); }},
      {"drop", [&] { DropFiles(app, {path}); }},
      {"recent entry", [&] { AddRecentFile(app.doc, path); OpenRecentFile(app, 0); }},
      {"command line", [&] { OpenFileAtStartUp(app, path); }},
  };
  for (const auto& [route, open] : routes) {
    Blank(store);
    store.fileType = FileType::None;
    open();
    EXPECT_EQ(store.editor, bytes) << route;
    EXPECT_EQ(store.inks, inks) << route;
    EXPECT_EQ(store.colours, colours) << route;
    EXPECT_EQ(store.fileType, FileType::CharPad) << route;
    EXPECT_EQ(store.currentName, path) << route;
    EXPECT_FALSE(store.modified) << route;
    EXPECT_EQ(store.projectNotRead, "") << route;
  }
  EXPECT_EQ(dialogs.calls.size(), 3u);  // the three requesters, no message
  // The load is one undo step, colours included.
  ASSERT_TRUE(app.doc.history.Undo(store));
  EXPECT_EQ(store.colours, CharsetColours{});
  EXPECT_EQ(store.inks, CharsetStore::DefaultInks());
}

TEST_F(ProjectCommand, AProjectHoldingMoreIsReadOnlyAndADamagedOneIsRefused) {
  const std::string big = dir.Path("big.ctm");
  const source_files::FileBytes project = source_files::CharPad(5, source_files::FileBytes(300 * 8, 0x42), true);
  const std::string original(project.begin(), project.end());
  WriteBytes(big, original);
  DropFiles(app, {big});
  CharsetStore& store = app.doc.store;
  EXPECT_EQ(store.editor[2047], 0x42);
  EXPECT_EQ(store.colours.mode, DisplayMode::Multicolour);
  EXPECT_EQ(app.shell.status.notice, "Read-only project: characters 256 to 299 not read");

  // Save asks; No writes nothing.
  Answer(MessageAnswer::No);
  EXPECT_EQ(SaveCharset(app), SaveResult::Cancelled);
  EXPECT_EQ(LastCall().buttons, MessageButtons::YesNoSaveAs);
  EXPECT_EQ(LastCall().text, big + " is a CharPad project that was opened read-only: this editor did not read "
                                   "characters 256 to 299.\r\n\r\nSaving would write a project without them. "
                                   "Do you want to save it anyway?");
  EXPECT_EQ(ReadBytes(big), original);
  // Save As with a new name keeps the big project, and the new one is whole: saving it asks nothing.
  Answer(MessageAnswer::SaveAs);
  AnswerFile(dir.Path("small"), 2);
  EXPECT_EQ(SaveCharset(app), SaveResult::Saved);
  EXPECT_EQ(ReadBytes(big), original);
  EXPECT_EQ(ReadBytes(dir.Path("small.ctm")).size(), kCharPadProjectBytes);
  const std::size_t calls = dialogs.calls.size();
  store.modified = true;
  EXPECT_EQ(SaveCharset(app), SaveResult::Saved);
  EXPECT_EQ(dialogs.calls.size(), calls);

  std::string damaged = original;
  damaged[4] = 16;
  WriteBytes(dir.Path("bad.ctm"), damaged);
  const Charset before = store.editor;
  DropFiles(app, {dir.Path("bad.ctm")});
  EXPECT_EQ(LastCall().title, "Load Error!");
  EXPECT_EQ(LastCall().text, "Could not open the CharPad project:\r\n\r\n" + dir.Path("bad.ctm") +
                                 "\r\n\r\nthe CharPad project's screen colour 16 is not a C64 colour (0 to 15).");
  EXPECT_EQ(store.editor, before);
  EXPECT_EQ(store.currentName, dir.Path("small.ctm"));
}

}  // namespace
}  // namespace kx
