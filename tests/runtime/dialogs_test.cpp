#include <gtest/gtest.h>

#include "runtime/dialogs.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

TEST(FileFilters, ParsesDescriptionAndPatternPairs) {
  EXPECT_EQ(ParseFileFilters("Charset (*.chr,*.prg,*.bin)|*.chr;*.prg;*.bin|Morvane Charset (*.prg)|*.prg|"),
            (std::vector<FileFilter>{{"Charset (*.chr,*.prg,*.bin)", {"*.chr", "*.prg", "*.bin"}},
                                     {"Morvane Charset (*.prg)", {"*.prg"}}}));
  // Without the final "|", with an empty pattern between ";" and with a description missing its patterns.
  EXPECT_EQ(ParseFileFilters("A|*.a;;*.b|B|*.c|C"),
            (std::vector<FileFilter>{{"A", {"*.a", "*.b"}}, {"B", {"*.c"}}, {"C", {}}}));
  EXPECT_TRUE(ParseFileFilters("").empty());
}

TEST(FileFilters, IndexBeyondTheListSelectsTheLastFilter) {
  EXPECT_EQ(ClampFilterIndex(1, 1), 0);
  EXPECT_EQ(ClampFilterIndex(1, 2), 1);
  EXPECT_EQ(ClampFilterIndex(-1, 2), 0);
  EXPECT_EQ(ClampFilterIndex(3, 0), 0);
}

TEST(FileFilters, SaveNamesGetTheChosenFiltersExtensionUnlessTheyEndInOne) {
  FileRequest request;
  request.filters = "Morvane Charset (*.prg)|*.prg|C Source (*.c;*.h)|*.c;*.h|Any|*|";
  request.appendFilterExtension = true;
  EXPECT_EQ(CompletedSaveName(request, "font", 0), "font.prg");
  EXPECT_EQ(CompletedSaveName(request, "font.prg", 0), "font.prg");
  EXPECT_EQ(CompletedSaveName(request, "FONT.PRG", 0), "FONT.PRG.prg");
  // Several patterns: any of them is kept, anything else gets the first.
  EXPECT_EQ(CompletedSaveName(request, "font", 1), "font.c");
  EXPECT_EQ(CompletedSaveName(request, "font.h", 1), "font.h");
  EXPECT_EQ(CompletedSaveName(request, "font.c", 1), "font.c");
  EXPECT_EQ(CompletedSaveName(request, "font.prg", 1), "font.prg.c");
  // A pattern that is not a plain extension completes nothing; neither does a request that does not ask.
  EXPECT_EQ(CompletedSaveName(request, "font", 2), "font");
  FileRequest wildcards;
  wildcards.filters = "All (*.*)|*.*|Some|*.c;*.?|Range|*.[ch]|";
  wildcards.appendFilterExtension = true;
  for (int filter = 0; filter < 3; ++filter) EXPECT_EQ(CompletedSaveName(wildcards, "font", filter), "font") << filter;
  request.appendFilterExtension = false;
  EXPECT_EQ(CompletedSaveName(request, "font", 1), "font");
}

TEST(Dialogs, TellsWebAddressesFromFiles) {
  EXPECT_TRUE(IsWebAddress("https://example.org/page"));
  EXPECT_TRUE(IsWebAddress("mailto:someone@example.org"));
  EXPECT_FALSE(IsWebAddress("C:\\help\\kstr-help.chm"));
  EXPECT_FALSE(IsWebAddress("changelog.txt"));
  EXPECT_FALSE(IsWebAddress("/tmp/odd name://x"));
}

TEST(ScriptedDialogs, AnswersFromTheQueueAndRecordsEachCall) {
  ScriptedDialogs dialogs;
  dialogs.messageAnswers = {MessageAnswer::Yes, MessageAnswer::No};
  dialogs.fileAnswers = {FileChoice{"/work/font.prg", 1}, std::nullopt};
  dialogs.desktopAnswers = {true};

  EXPECT_EQ(dialogs.ShowMessage("Kestrelix", "Save?", MessageButtons::YesNoCancel, MessageIcon::Information),
            MessageAnswer::Yes);
  EXPECT_EQ(dialogs.ShowMessage("t", "x", MessageButtons::YesNoCancel, MessageIcon::Information),
            MessageAnswer::No);
  EXPECT_EQ(dialogs.RequestSaveFile({"Save as...", "/work/font", "A|*.a|B|*.b|", 1}),
            (FileChoice{"/work/font.prg", 1}));
  EXPECT_EQ(dialogs.RequestOpenFile({"Open...", "/work/", "A|*.a|", 0}), std::nullopt);
  EXPECT_TRUE(dialogs.OpenWithDesktop("https://example.org"));
  const std::vector<std::uint32_t> pixels(6, 0xFF000000u);
  EXPECT_TRUE(dialogs.CopyImageToClipboard(3, 2, pixels));
  EXPECT_FALSE(dialogs.CopyImageToClipboard(4, 2, pixels));

  // Empty queues answer as if the user backed out.
  EXPECT_EQ(dialogs.ShowMessage("t", "x", MessageButtons::Ok, MessageIcon::Warning), MessageAnswer::Cancel);
  EXPECT_EQ(dialogs.RequestOpenFile({}), std::nullopt);
  EXPECT_FALSE(dialogs.OpenWithDesktop("x"));

  ASSERT_EQ(dialogs.calls.size(), 10u);
  const DialogCall& prompt = dialogs.calls[0];
  EXPECT_EQ(prompt.kind, DialogKind::Message);
  EXPECT_EQ(prompt.title, "Kestrelix");
  EXPECT_EQ(prompt.text, "Save?");
  EXPECT_EQ(prompt.buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(prompt.icon, MessageIcon::Information);
  const DialogCall& save = dialogs.calls[2];
  EXPECT_EQ(save.kind, DialogKind::SaveFile);
  EXPECT_EQ(save.title, "Save as...");
  EXPECT_EQ(save.proposedPath, "/work/font");
  EXPECT_EQ(save.filters, "A|*.a|B|*.b|");
  EXPECT_EQ(save.filterIndex, 1);
  EXPECT_EQ(dialogs.calls[3].kind, DialogKind::OpenFile);
  EXPECT_EQ(dialogs.calls[4].text, "https://example.org");
  EXPECT_EQ(dialogs.calls[5].kind, DialogKind::Clipboard);
  EXPECT_EQ(dialogs.calls[5].width, 3);
  EXPECT_EQ(dialogs.calls[5].pixels, pixels);
}

}  // namespace
}  // namespace kx
