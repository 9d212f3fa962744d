#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "app/charset_saving.h"
#include "app/charset_loading.h"
#include "app/run_command.h"
#include "app/unsaved_prompt.h"
#include "app/file_test_support.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

using namespace testing_files;
namespace fs = std::filesystem;

const char* const kOpenFilters =
    "Charset (*.chr,*.prg,*.bin)|*.chr;*.prg;*.bin|Morvane (*.chr,*.prg,*.bin)|*.chr;*.prg;*.bin|"
    "CharPad project (*.ctm)|*.ctm|";
const char* const kSaveFilters = "Morvane Charset (*.prg)|*.prg|Charset (*.chr)|*.chr|CharPad project (*.ctm)|*.ctm|";

using OpenCommand = FileCommandTest;

TEST_F(OpenCommand, CharsetFilterRefusesAPrgFileWhateverItsName) {
  app.doc.store.lastDirectory = dir.Dir();
  const std::string path = dir.Path("font.prg");
  WriteBytes(path, Counting(2050));
  const std::string before = Editor();
  AnswerFile(path, 0);
  RunCommand(app, cmd::Open);

  const DialogCall& request = dialogs.calls[0];
  EXPECT_EQ(request.kind, DialogKind::OpenFile);
  EXPECT_EQ(request.title, "Open...");
  EXPECT_EQ(request.proposedPath, dir.Dir());
  EXPECT_EQ(request.filters, kOpenFilters);
  EXPECT_EQ(request.filterIndex, 1);
  EXPECT_EQ(LastCall().title, "Load Error!");
  EXPECT_EQ(LastCall().text, "Not a 2048 byte file: \r\n\r\n" + path +
                                "\r\n\r\nIt is 2050 bytes long; the Charset filter opens files of exactly 2048 bytes.");
  EXPECT_EQ(LastCall().icon, MessageIcon::Warning);
  EXPECT_EQ(Editor(), before);
  EXPECT_FALSE(app.doc.store.hasFile);
  EXPECT_EQ(app.doc.store.fileType, FileType::None);  // a refused file does not change the save layout
  EXPECT_EQ(app.doc.files.openFilter, 0);
  EXPECT_TRUE(app.shell.requests.focusEditor);
}

TEST_F(OpenCommand, MorvaneFilterLoadsAChrFileAndTheNextSaveWritesAPrg) {
  const std::string path = dir.Path("font.chr");
  WriteBytes(path, Counting(2048, 5));
  app.doc.history.Push(app.doc.store, true);
  AnswerFile(path, 1);
  RunCommand(app, cmd::Open);

  EXPECT_EQ(Editor(), Counting(2048, 5));
  EXPECT_EQ(app.doc.store.fileType, FileType::Prg);
  EXPECT_TRUE(app.doc.store.hasFile);
  EXPECT_FALSE(app.doc.store.modified);
  EXPECT_EQ(app.shell.title, "Kestrelix 1.0 (x64) - " + path);
  EXPECT_EQ(app.doc.store.lastDirectory, dir.Dir());
  EXPECT_EQ(app.doc.history.UndoDepth(), 2u);  // the load is one undo step

  Answer(MessageAnswer::Yes);  // the file grows from 2048 to 2050 bytes: asked about, then written
  RunCommand(app, cmd::Save);
  EXPECT_EQ(ReadBytes(path), std::string(2, '\0') + Counting(2048, 5));
  RunCommand(app, cmd::Save);
  EXPECT_EQ(ReadBytes(path).size(), 2050u);
}

TEST_F(OpenCommand, MissingFileChangesNothingButTheFilter) {
  AnswerFile(dir.Path("gone.chr"), 0);
  RunCommand(app, cmd::Open);
  EXPECT_EQ(LastCall().title, "File Error!");
  EXPECT_EQ(LastCall().text, "File Error! : '" + dir.Path("gone.chr") + "' not found!");
  EXPECT_EQ(app.doc.store.lastDirectory, "");
}

TEST_F(OpenCommand, CancelledRequestersChangeNothingNotEvenTheFilters) {
  for (CommandId id : {cmd::Open, cmd::SaveAs, cmd::ImportFirst, cmd::ExportLast}) {
    AnswerCancel();
    RunCommand(app, id);
  }
  EXPECT_EQ(app.doc.files.openFilter, 1);
  EXPECT_EQ(app.doc.files.saveFilter, 1);
  EXPECT_EQ(dialogs.calls.size(), 4u);  // four requesters, no message
  EXPECT_FALSE(app.doc.store.hasFile);
  EXPECT_EQ(app.doc.files.recent[0], "<Empty>");
}

using SaveCommand = FileCommandTest;

TEST_F(SaveCommand, SaveAsAppendsTheFilterExtensionExactly) {
  app.doc.store.lastDirectory = dir.Dir();
  struct Case {
    const char* typed;
    int filter;
    const char* written;
  };
  for (const Case& c : {Case{"font", 0, "font.prg"}, Case{"font.prg", 0, "font.prg"},
                        Case{"FONT.PRG", 0, "FONT.PRG.prg"}, Case{"set", 1, "set.chr"}}) {
    AnswerFile(dir.Path(c.typed), c.filter);
    EXPECT_EQ(SaveCharsetAs(app), SaveResult::Saved);
    EXPECT_EQ(app.doc.store.currentName, dir.Path(c.written));
    EXPECT_EQ(ReadBytes(dir.Path(c.written)).size(), c.filter == 0 ? 2050u : 2048u);
  }
  // The second request proposes the file part of the current name inside the last directory and
  // preselects the filter chosen before.
  EXPECT_EQ(dialogs.calls[0].title, "Save as...");
  EXPECT_EQ(dialogs.calls[0].filters, kSaveFilters);
  EXPECT_EQ(dialogs.calls[0].proposedPath, dir.Dir() + "untitled");
  EXPECT_EQ(dialogs.calls[0].filterIndex, 1);
  EXPECT_EQ(dialogs.calls[1].proposedPath, dir.Path("font.prg"));
  EXPECT_EQ(dialogs.calls[1].filterIndex, 0);
  EXPECT_EQ(app.doc.store.fileType, FileType::Chr);
  EXPECT_FALSE(app.doc.store.modified);
}

TEST_F(SaveCommand, FailedSaveReportsKeepsTheOldFileAndStillListsThePath) {
  const std::string path = dir.Path("keep.chr");
  WriteBytes(path, "old");
  EditedWithFile(path, FileType::Chr);
  Answer(MessageAnswer::Yes);  // to making the 3-byte file 2048 bytes long
  {
    const FileSizeLimit full(1000);
    EXPECT_EQ(SaveCharset(app), SaveResult::Failed);
  }
  EXPECT_EQ(LastCall().title, "File Error!");
  EXPECT_EQ(LastCall().text, "Could not write the file!\r\n\r\n" + path + "\r\n" + std::strerror(EFBIG));
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Dir()), {}), 1);  // no half-written leftovers
  EXPECT_TRUE(app.doc.store.modified);
  EXPECT_EQ(app.doc.files.recent[0], path);
  EXPECT_EQ(ItemState(app, cmd::RecentFirst).text, path);
}

TEST_F(SaveCommand, SaveWithoutACharsetLayoutAsksForAName) {
  EditedWithFile(dir.Path("picture.png"), FileType::Image);
  AnswerFile(dir.Path("from-image"), 1);
  EXPECT_EQ(SaveCharset(app), SaveResult::Saved);
  EXPECT_EQ(dialogs.calls[0].kind, DialogKind::SaveFile);
  EXPECT_EQ(ReadBytes(dir.Path("from-image.chr")), Editor());
  EXPECT_FALSE(std::filesystem::exists(dir.Path("picture.png")));
}

TEST_F(SaveCommand, ReplacingAnotherFileIsAskedAboutTheCompletedNameAndNoPicksAgain) {
  const std::string own = dir.Path("font.prg");
  WriteBytes(own, "own");
  WriteBytes(dir.Path("font.chr"), "other");
  EditedWithFile(own, FileType::Prg);

  // "font" under the .chr filter is font.chr: No, then another name in the same requester.
  AnswerFile(dir.Path("font"), 1);
  Answer(MessageAnswer::No);
  AnswerFile(dir.Path("fresh"), 1);
  EXPECT_EQ(SaveCharsetAs(app), SaveResult::Saved);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].title, "Save as...");
  EXPECT_EQ(dialogs.calls[1].text, "font.chr already exists. Do you want to replace it?");
  EXPECT_EQ(dialogs.calls[1].buttons, MessageButtons::YesNo);
  EXPECT_EQ(ReadBytes(dir.Path("font.chr")), "other");
  EXPECT_EQ(ReadBytes(dir.Path("fresh.chr")), Editor());

  // The charset's own file (now fresh.chr) is replaced without a question; Yes replaces another.
  dialogs.calls.clear();
  AnswerFile(dir.Path("fresh.chr"), 1);
  EXPECT_EQ(SaveCharsetAs(app), SaveResult::Saved);
  EXPECT_EQ(dialogs.calls.size(), 1u);
  AnswerFile(dir.Path("font.prg"), 0);
  Answer(MessageAnswer::Yes);
  EXPECT_EQ(SaveCharsetAs(app), SaveResult::Saved);
  EXPECT_EQ(ReadBytes(own), std::string(2, '\0') + Editor());

  // Export asks the same way; answering No and then cancelling writes nothing.
  dialogs.calls.clear();
  AnswerFile(dir.Path("font"), 0);
  Answer(MessageAnswer::No);
  RunCommand(app, cmd::ExportFirst);
  EXPECT_EQ(LastCall().title, "Export");
  EXPECT_EQ(LastCall().text, "font.chr already exists. Do you want to replace it?");
  EXPECT_EQ(ReadBytes(dir.Path("font.chr")), "other");
  EXPECT_EQ(app.doc.store.currentName, own);
}

using ImportCommand = FileCommandTest;

TEST_F(ImportCommand, RowImportReplacesOnlyItsRowsAndCountsAsUnsaved) {
  const std::string path = dir.Path("row.bin");
  WriteBytes(path, Counting(256, 9));
  const std::string before = Editor();
  AnswerFile(path, 1);
  RunCommand(app, cmd::ImportFirst);

  const DialogCall& request = dialogs.calls[0];
  EXPECT_EQ(request.title, "Import");
  EXPECT_EQ(request.proposedPath, "untitled");
  EXPECT_EQ(request.filters, "Charset (*.chr,*.prg,*.bin)|*.chr;*.prg;*.bin|");
  EXPECT_EQ(request.filterIndex, 0);
  EXPECT_EQ(Editor().substr(0, 256), Counting(256, 9));
  EXPECT_EQ(Editor().substr(256), before.substr(256));
  EXPECT_TRUE(app.doc.store.modified);
  EXPECT_TRUE(app.doc.store.hasFile);
  EXPECT_EQ(app.doc.store.fileType, FileType::Chr);
  EXPECT_EQ(app.shell.title, "Kestrelix 1.0 (x64) - " + path + " <unsaved>");
  EXPECT_EQ(app.doc.store.lastDirectory, dir.Dir());
  EXPECT_EQ(app.doc.files.openFilter, 1);  // one filter offered no choice: Open keeps its own
}

TEST_F(ImportCommand, WrongSizeIsRefusedNamingTheExpectedSize) {
  WriteBytes(dir.Path("odd"), Counting(257));
  const std::string before = Editor();
  AnswerFile(dir.Path("odd"), 0);
  RunCommand(app, cmd::ImportFirst);
  EXPECT_EQ(LastCall().title, "Load Error!");
  EXPECT_EQ(LastCall().text, "Not a 256 byte file: \r\n\r\n" + dir.Path("odd") +
                                "\r\n\r\nIt is 257 bytes long; this import takes files of exactly 256 bytes.");
  AnswerFile(dir.Path("odd"), 0);
  RunCommand(app, cmd::ImportFirst + 1);
  EXPECT_EQ(LastCall().text, "Not a 512 byte file: \r\n\r\n" + dir.Path("odd") +
                                "\r\n\r\nIt is 257 bytes long; this import takes files of exactly 512 bytes.");
  EXPECT_EQ(Editor(), before);
  EXPECT_FALSE(app.doc.store.hasFile);
}

TEST_F(ImportCommand, ShortPrgImportTakesOffsetsTwoOnAndZeroesTheLastByte) {
  WriteBytes(dir.Path("bugged.prg"), Counting(2049, 0xF0));
  AnswerFile(dir.Path("bugged.prg"), 0);
  RunCommand(app, cmd::ImportBugged);
  EXPECT_EQ(Editor().substr(0, 2047), Counting(2047, 0xF2));
  EXPECT_EQ(Editor()[2047], '\0');
  // The charset now counts as a bare 2048-byte one: the next Save writes it back without a header,
  // once the shrinking of the file is agreed to.
  Answer(MessageAnswer::Yes);
  RunCommand(app, cmd::Save);
  EXPECT_EQ(ReadBytes(dir.Path("bugged.prg")), Editor());
}

using ExportCommand = FileCommandTest;

TEST_F(ExportCommand, WritesExactlyItsRowsAndAppendsChr) {
  app.doc.store.modified = true;
  AnswerFile(dir.Path("rows"), 0);
  RunCommand(app, cmd::ExportLast);
  EXPECT_EQ(dialogs.calls[0].title, "Export");
  EXPECT_EQ(dialogs.calls[0].filters, "Charset (*.chr)|*.chr|");
  EXPECT_EQ(dialogs.calls[0].filterIndex, 0);
  EXPECT_EQ(ReadBytes(dir.Path("rows.chr")), Editor().substr(0, 1792));
  EXPECT_EQ(app.doc.store.currentName, dir.Path("rows.chr"));
  EXPECT_TRUE(app.doc.store.hasFile);
  EXPECT_EQ(app.doc.files.saveFilter, 1);  // one filter offered no choice: Save As keeps its own
  EXPECT_EQ(app.doc.files.recent[0], "<Empty>");
  // Row 8 was not written anywhere, so the charset still counts as unsaved.
  EXPECT_TRUE(app.doc.store.modified);
}

using DropCommand = FileCommandTest;

TEST_F(DropCommand, LoadsBySizeAloneAndRefusesEverythingElse) {
  const std::string prg = dir.Path("really-a-prg.chr");
  WriteBytes(prg, Counting(2050, 1));
  DropFiles(app, {prg});
  EXPECT_EQ(Editor(), Counting(2048, 3));
  EXPECT_EQ(app.doc.store.fileType, FileType::Prg);
  EXPECT_EQ(app.doc.store.currentName, prg);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(app.doc.store.lastDirectory, "");
  EXPECT_TRUE(app.shell.requests.focusEditor);

  const std::string tail =
      "\r\n\r\nSorry, 'drag and drop' only supports 2048 byte .chr files\r\nor 2050 byte .prg files...";
  WriteBytes(dir.Path("short"), Counting(2049));
  DropFiles(app, {dir.Path("short")});
  EXPECT_EQ(LastCall().title, "File Error!");
  EXPECT_EQ(LastCall().text, "Could not read file: \r\n\r\n" + dir.Path("short") + tail);
  DropFiles(app, {prg, prg});
  EXPECT_EQ(LastCall().text, "Could not read file: \r\n\r\n" + prg + "\n" + prg + tail);
  EXPECT_EQ(Editor(), Counting(2048, 3));
}

using UnsavedPrompt = FileCommandTest;

TEST_F(UnsavedPrompt, YesWithAFileSavesAndDoesNotImport) {
  const std::string path = dir.Path("mine.chr");
  EditedWithFile(path, FileType::Chr);
  WriteBytes(dir.Path("row"), Counting(256));
  const std::string before = Editor();
  Answer(MessageAnswer::Yes);
  RunCommand(app, cmd::ImportFirst);
  const DialogCall& prompt = dialogs.calls[0];
  EXPECT_EQ(prompt.title, "Open file...");
  EXPECT_EQ(prompt.text, "The following is unsaved:\r\n\r\n" + path + "\r\n\r\nDo you want to save?");
  EXPECT_EQ(prompt.buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(prompt.icon, MessageIcon::Information);
  EXPECT_EQ(dialogs.calls.size(), 1u);  // no requester
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_FALSE(app.doc.store.modified);

  app.doc.store.modified = true;
  Answer(MessageAnswer::No);
  AnswerFile(dir.Path("row"), 0);
  RunCommand(app, cmd::ImportFirst);
  EXPECT_EQ(Editor().substr(0, 256), Counting(256));
  EXPECT_EQ(ReadBytes(path), before);  // not saved
}

TEST_F(UnsavedPrompt, YesWithoutAFileGoesOnOnlyAfterASuccessfulSaveAs) {
  app.doc.store.modified = true;
  Answer(MessageAnswer::Yes);
  AnswerCancel();
  RunCommand(app, cmd::New);
  EXPECT_TRUE(app.doc.store.modified);
  EXPECT_NE(Editor(), std::string(2048, '\0'));

  Answer(MessageAnswer::Yes);
  AnswerFile(dir.Path("kept"), 1);
  RunCommand(app, cmd::New);
  EXPECT_EQ(dialogs.calls[2].title, "New file...");
  EXPECT_EQ(ReadBytes(dir.Path("kept.chr")).size(), 2048u);
  EXPECT_EQ(Editor(), std::string(2048, '\0'));
  EXPECT_EQ(app.shell.title, "Kestrelix 1.0 (x64) - untitled");
  EXPECT_FALSE(app.doc.store.hasFile);
}

TEST_F(UnsavedPrompt, NewAfterYesWithAFileKeepsTheCharsetUntilAskedAgain) {
  EditedWithFile(dir.Path("a.chr"), FileType::Chr);
  Answer(MessageAnswer::Yes);
  RunCommand(app, cmd::New);
  EXPECT_NE(Editor(), std::string(2048, '\0'));
  RunCommand(app, cmd::New);  // nothing unsaved: no question
  EXPECT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(Editor(), std::string(2048, '\0'));
}

TEST_F(UnsavedPrompt, FailedSaveFromThePromptStopsTheDrop) {
  const std::string path = dir.Path("mine.chr");
  EditedWithFile(path, FileType::Chr);
  WriteBytes(dir.Path("other.chr"), Counting(2048));
  app.doc.store.hasFile = false;
  Answer(MessageAnswer::Yes);
  AnswerFile(path, 1);
  {
    const FileSizeLimit full(1000);
    DropFiles(app, {dir.Path("other.chr")});
  }
  EXPECT_EQ(dialogs.calls[0].title, "Kestrelix");
  EXPECT_EQ(LastCall().text, "Could not write the file!\r\n\r\n" + path + "\r\n" + std::strerror(EFBIG));
  EXPECT_NE(Editor(), Counting(2048));
}

using QuitCommand = FileCommandTest;

TEST_F(QuitCommand, CloseBoxAndQuitAskDifferentlyAndCancelKeepsRunning) {
  EXPECT_TRUE(RequestQuit(app, true));  // nothing unsaved: no question
  EXPECT_TRUE(dialogs.calls.empty());

  app.shell.requests.quit = false;
  app.doc.store.modified = true;
  Answer(MessageAnswer::Cancel);
  EXPECT_FALSE(RequestQuit(app, true));
  EXPECT_EQ(LastCall().title, "Quit Kestrelix");
  EXPECT_EQ(LastCall().text,
            "The following file has not been saved:\r\n\r\nuntitled\r\n\r\nDo you wish to save the file?");
  EXPECT_FALSE(app.shell.requests.quit);
  EXPECT_TRUE(app.doc.store.modified);

  Answer(MessageAnswer::No);
  RunCommand(app, cmd::Quit);
  EXPECT_EQ(LastCall().text, "The following is unsaved:\r\n\r\nuntitled\r\n\r\nDo you want to save?");
  EXPECT_TRUE(app.shell.requests.quit);
}

TEST_F(QuitCommand, YesQuitsOnlyOnceTheCharsetIsSaved) {
  const std::string path = dir.Path("mine.prg");
  EditedWithFile(path, FileType::Prg);
  Answer(MessageAnswer::Yes);
  {
    const FileSizeLimit full(1000);
    EXPECT_FALSE(RequestQuit(app, false));
  }
  EXPECT_FALSE(app.shell.requests.quit);

  Answer(MessageAnswer::Yes);
  EXPECT_TRUE(RequestQuit(app, false));
  EXPECT_EQ(ReadBytes(path), std::string(2, '\0') + Editor());

  // A save declined at the replace question (the file changed on disk) is no save: the program stays.
  app.shell.requests.quit = false;
  RunCommand(app, cmd::EraseRowFirst);
  WriteBytes(path, Counting(2050, 3));
  Answer(MessageAnswer::Yes);
  Answer(MessageAnswer::No);
  EXPECT_FALSE(RequestQuit(app, false));
  EXPECT_NE(LastCall().text.find("has changed on disk"), std::string::npos);
  EXPECT_EQ(ReadBytes(path), Counting(2050, 3));
  EXPECT_FALSE(app.shell.requests.quit);
}

using RecentFilesCommands = FileCommandTest;

TEST_F(RecentFilesCommands, SavesFillTheListNewestFirstWithoutRepeatsAndClearGreysIt) {
  for (int n = 1; n <= 6; ++n) {
    AnswerFile(dir.Path("f" + std::to_string(n)), 1);
    RunCommand(app, cmd::SaveAs);
  }
  for (int slot = 0; slot < 5; ++slot) {
    EXPECT_EQ(app.doc.files.recent[static_cast<std::size_t>(slot)], dir.Path("f" + std::to_string(6 - slot) + ".chr"));
    EXPECT_TRUE(ItemState(app, cmd::RecentFirst + slot).enabled);
  }
  EXPECT_TRUE(ItemState(app, cmd::ClearRecent).enabled);

  // Saving a listed file again moves it to the top; the others keep their order.
  AnswerFile(dir.Path("f3"), 1);
  Answer(MessageAnswer::Yes);  // the requester's replace question
  RunCommand(app, cmd::SaveAs);
  const int order[] = {3, 6, 5, 4, 2};
  for (int slot = 0; slot < 5; ++slot) {
    EXPECT_EQ(app.doc.files.recent[static_cast<std::size_t>(slot)], dir.Path("f" + std::to_string(order[slot]) + ".chr"));
  }

  RunCommand(app, cmd::ClearRecent);
  EXPECT_FALSE(ItemState(app, cmd::ClearRecent).enabled);
  for (CommandId id = cmd::RecentFirst; id <= cmd::RecentLast; ++id) {
    EXPECT_EQ(ItemState(app, id).text, "<Empty>");
    EXPECT_FALSE(ItemState(app, id).enabled);
  }
}

TEST_F(RecentFilesCommands, EntriesLoadBySizeAndSayWhyOthersCannotBeOpened) {
  const std::string good = dir.Path("good.prg");
  const std::string odd = dir.Path("odd.chr");
  const std::string folder = dir.Path("folder.chr");
  WriteBytes(good, Counting(2050, 4));
  WriteBytes(odd, Counting(100));
  fs::create_directory(folder);
  app.doc.files.recent = {good, odd, dir.Path("gone.chr"), folder, "<Empty>"};

  const std::string accepted =
      "; the editor opens 2048 byte .chr files,\r\n2050 byte .prg files and CharPad projects (.ctm).";
  const struct {
    int slot;
    std::string text;
  } refused[] = {
      {1, "Could not open file: \r\n\r\n" + odd + "\r\n\r\nIt is 100 bytes long" + accepted},
      {2, "Could not locate or read file: \r\n\r\n" + dir.Path("gone.chr")},
      {3, "Could not open file: \r\n\r\n" + folder + "\r\n\r\nIt is a folder" + accepted},
  };
  for (const auto& r : refused) {
    RunCommand(app, cmd::RecentFirst + r.slot);
    EXPECT_EQ(LastCall().title, "File Error!");
    EXPECT_EQ(LastCall().icon, MessageIcon::Warning);
    EXPECT_EQ(LastCall().text, r.text);
  }
  EXPECT_FALSE(app.doc.store.hasFile);

  RunCommand(app, cmd::RecentFirst);
  EXPECT_EQ(Editor(), Counting(2048, 6));
  EXPECT_EQ(app.doc.store.fileType, FileType::Prg);
  EXPECT_EQ(app.doc.store.currentName, good);
  EXPECT_EQ(app.doc.files.recent[0], good);  // loading never adds to the list

  // A free slot opens nothing and asks nothing, even over unsaved changes.
  app.doc.store.modified = true;
  const std::size_t calls = dialogs.calls.size();
  OpenRecentFile(app, 4);
  EXPECT_EQ(dialogs.calls.size(), calls);
  EXPECT_EQ(Editor(), Counting(2048, 6));
}

TEST_F(RecentFilesCommands, PromptSavesElsewhereThenOpensTheChosenEntry) {
  const std::string wanted = dir.Path("wanted.chr");
  WriteBytes(wanted, Counting(2048, 8));
  app.doc.files.recent[0] = wanted;
  app.doc.store.modified = true;
  Answer(MessageAnswer::Yes);
  AnswerFile(dir.Path("draft"), 1);
  RunCommand(app, cmd::RecentFirst);
  EXPECT_EQ(dialogs.calls[0].title, "Open Recent");
  EXPECT_EQ(app.doc.files.recent[0], dir.Path("draft.chr"));  // the save pushed the list down
  EXPECT_EQ(app.doc.store.currentName, wanted);
  EXPECT_EQ(Editor(), Counting(2048, 8));
}

}  // namespace
}  // namespace kx
