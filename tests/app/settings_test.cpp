#include "app/settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/app.h"
#include "app/run_command.h"
#include "app/view_commands.h"
#include "io/temp_files.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

using namespace testing_files;

const std::string kBom = "\xEF\xBB\xBF";

std::string FileWith(const std::string& mainWindow, const std::string& brightness) {
  return kBom + "\r\n; Kestrelix v1.0 (x64) Settings\r\n[MAIN WINDOW]\r\n" + mainWindow +
         "[EDITOR VIEW]\r\nBRIGHTNESS = " + brightness + "\r\n[FILE HANDLING]\r\nDIR = /charsets/\r\n";
}

TEST(Settings, FirstStartCreatesTheFileButRunsWithTheBuiltInValues) {
  TempDir dir;
  const std::string path = dir.Path("kstr.ini");
  const SettingsValues run = ReadOrCreateSettings(path);
  EXPECT_EQ(run.xsize, 1110);
  EXPECT_EQ(run.ysize, 514);
  EXPECT_EQ(run.maximize, 1);
  EXPECT_EQ(ReadBytes(path), kBom +
                                 "\r\n"
                                 "; Kestrelix v1.0 (x64) Settings\r\n"
                                 "[MAIN WINDOW]\r\n"
                                 "FULLSCREEN = 0\r\n"
                                 "MAXIMIZE = 1\r\n"
                                 "XPOS = 50\r\n"
                                 "YPOS = 50\r\n"
                                 "XSIZE = 717\r\n"
                                 "YSIZE = 476\r\n"
                                 "ZOOM = 1\r\n"
                                 "[EDITOR VIEW]\r\n"
                                 "BRIGHTNESS = 16777215\r\n"
                                 "[FILE HANDLING]\r\n"
                                 "DIR = \r\n"
                                 "RECENT1 = <Empty>\r\n"
                                 "RECENT2 = <Empty>\r\n"
                                 "RECENT3 = <Empty>\r\n"
                                 "RECENT4 = <Empty>\r\n"
                                 "RECENT5 = <Empty>\r\n"
                                 "SOURCEFILTER = 0\r\n"
                                 "[DISPLAY]\r\n"
                                 "MODE = 0\r\n"
                                 "D021 = 0\r\n"
                                 "D022 = 11\r\n"
                                 "D023 = 12\r\n"
                                 "D024 = 15\r\n");
  // The second start reads what the first created.
  EXPECT_EQ(ReadOrCreateSettings(path).xsize, 717);
}

TEST(Settings, ExitWritesTheNormalPlacementNeverBelowTheMinimumAlsoWhenMaximised) {
  TempDir dir;
  const std::string path = dir.Path("kstr.ini");
  WriteBytes(path, FileWith("FULLSCREEN = 1\r\nMAXIMIZE = 0\r\nXPOS = 7\r\nYPOS = 8\r\nXSIZE = 1200\r\n"
                            "YSIZE = 600\r\nZOOM = 9\r\n",
                            "12303291"));
  App app;
  ApplySettings(app, ReadOrCreateSettings(path));
  EXPECT_EQ(app.view.editing.zoomIndex, 4);
  EXPECT_TRUE(app.shell.placement.fullscreen);
  EXPECT_FALSE(app.shell.placement.maximize);
  EXPECT_EQ(app.shell.placement.clientWidth, 1200);
  EXPECT_EQ(app.doc.store.lastDirectory, "/charsets/");

  // A maximised window hands over its last normal geometry; a size below the window's minimum is raised.
  ASSERT_TRUE(WriteSettingsAtExit(path, app, WindowPlacement{1, 2, 3, 4, true, false}));
  EXPECT_EQ(ReadBytes(path),
            FileWith("FULLSCREEN = 1\r\nMAXIMIZE = 1\r\nXPOS = 1\r\nYPOS = 2\r\nXSIZE = 1110\r\nYSIZE = 514\r\n"
                     "ZOOM = 4\r\n",
                     "12303291") +
                "RECENT1 = <Empty>\r\nRECENT2 = <Empty>\r\nRECENT3 = <Empty>\r\nRECENT4 = <Empty>\r\n"
                "RECENT5 = <Empty>\r\nSOURCEFILTER = 0\r\n[DISPLAY]\r\nMODE = 0\r\nD021 = 0\r\nD022 = 11\r\n"
                "D023 = 12\r\nD024 = 15\r\n");

  ASSERT_TRUE(WriteSettingsAtExit(path, app, WindowPlacement{10, 20, 1300, 700, false, false}));
  const SettingsValues again = ReadOrCreateSettings(path);
  EXPECT_EQ(again.maximize, 0);
  EXPECT_EQ(again.xpos, 10);
  EXPECT_EQ(again.ypos, 20);
  EXPECT_EQ(again.xsize, 1300);
  EXPECT_EQ(again.ysize, 700);
  EXPECT_EQ(again.fullscreen, 1);

  // The start placement no longer decides: the geometry handed in is written.
  app.shell.placement = WindowPlacement{-4, -4, 1928, 1048, true, true, true};
  ASSERT_TRUE(WriteSettingsAtExit(path, app, WindowPlacement{0, 40, 1920, 1040, true, false}));
  const SettingsValues refitted = ReadOrCreateSettings(path);
  EXPECT_EQ(refitted.maximize, 1);
  EXPECT_EQ(refitted.xpos, 0);
  EXPECT_EQ(refitted.ypos, 40);
  EXPECT_EQ(refitted.xsize, 1920);
  EXPECT_EQ(refitted.ysize, 1040);
}

// Starts a run from the file, checks the level it shows, ends the run and returns the number written back.
int RunWithBrightness(const std::string& path, CommandId ticked, Rgb ink, Brightness chosen) {
  App app;
  ApplySettings(app, ReadOrCreateSettings(path));
  for (CommandId id : {cmd::BrightnessHigh, cmd::BrightnessMedium, cmd::BrightnessLow}) {
    EXPECT_EQ(ItemState(app, id).checked, id == ticked) << id;
  }
  EXPECT_EQ(app.view.palette[kInkIndex], ink);
  SetBrightness(app, chosen);
  WriteSettingsAtExit(path, app, {});
  return ReadOrCreateSettings(path).brightness;
}

TEST(Settings, BrightnessSurvivesOnlyAsOneOfTheThreeLevels) {
  TempDir dir;
  const std::string path = dir.Path("kstr.ini");
  WriteBytes(path, FileWith("", "123"));
  EXPECT_EQ(RunWithBrightness(path, cmd::BrightnessHigh, 0xFFFFFF, Brightness::High), 16777215);
  EXPECT_EQ(RunWithBrightness(path, cmd::BrightnessHigh, 0xFFFFFF, Brightness::Medium), 12303291);
  EXPECT_EQ(RunWithBrightness(path, cmd::BrightnessMedium, 0xBBBBBB, Brightness::Medium), 12303291);
}

TEST(Settings, RecentFilesReachTheMenuAndGoBackToTheFile) {
  TempDir dir;
  const std::string path = dir.Path("kstr.ini");
  WriteBytes(path, FileWith("", "16777215") + "RECENT1 = /a.chr\r\nRECENT2 = \r\nRECENT3 = /c.prg\r\n");
  App app;
  ApplySettings(app, ReadOrCreateSettings(path));
  EXPECT_EQ(ItemState(app, cmd::RecentFirst).text, "/a.chr");
  EXPECT_TRUE(ItemState(app, cmd::RecentFirst).enabled);
  EXPECT_FALSE(ItemState(app, cmd::RecentFirst + 1).enabled);  // a blank line names no file
  EXPECT_EQ(ItemState(app, cmd::RecentFirst + 1).text, "<Empty>");
  EXPECT_TRUE(ItemState(app, cmd::RecentFirst + 2).enabled);
  EXPECT_TRUE(ItemState(app, cmd::ClearRecent).enabled);

  app.doc.files.recent[4] = "/e.chr";
  WriteSettingsAtExit(path, app, {});
  const RecentFiles written = ReadOrCreateSettings(path).recent;
  EXPECT_EQ(written, (RecentFiles{"/a.chr", "<Empty>", "/c.prg", "<Empty>", "/e.chr"}));
}

// Two editors started from one file and closed one after the other: the later keeps the earlier's files
// below its own, and a file it cleared from its list stays cleared.
TEST(Settings, TheLaterOfTwoEditorsKeepsTheRecentFilesOfBoth) {
  TempDir dir;
  const std::string path = dir.Path("kstr.ini");
  WriteBytes(path, FileWith("", "16777215") + "RECENT1 = /a.chr\r\nRECENT2 = /b.chr\r\n");
  App first, second;
  ApplySettings(first, ReadOrCreateSettings(path));
  ApplySettings(second, ReadOrCreateSettings(path));
  AddRecentFile(first.doc, "/x.chr");
  WriteSettingsAtExit(path, first, {});
  AddRecentFile(second.doc, "/y.chr");
  AddRecentFile(second.doc, "/a.chr");
  second.doc.files.recent[2] = kEmptyRecent;  // /b.chr gone from the second's list
  WriteSettingsAtExit(path, second, {});
  EXPECT_EQ(ReadOrCreateSettings(path).recent, (RecentFiles{"/a.chr", "/y.chr", "/x.chr", "<Empty>", "<Empty>"}));
}

TEST(Settings, SourceExportFilterIsKeptAndOnlyItsFiveIndexesAreRead) {
  TempDir dir;
  const std::string path = dir.Path("kstr.ini");
  const auto runWith = [&](const std::string& stored) {
    WriteBytes(path, FileWith("", "16777215") + "SOURCEFILTER = " + stored + "\r\n");
    App app;
    ApplySettings(app, ReadOrCreateSettings(path));
    return app.doc.files.sourceFilter;
  };
  EXPECT_EQ(runWith("4"), 4);
  EXPECT_EQ(runWith("2"), 2);
  EXPECT_EQ(runWith("5"), 0);
  EXPECT_EQ(runWith("-1"), 0);
  EXPECT_EQ(runWith("C"), 0);

  // A file from before the key gets it at exit, after the other keys of its group.
  WriteBytes(path, FileWith("", "16777215"));
  App app;
  ApplySettings(app, ReadOrCreateSettings(path));
  EXPECT_EQ(app.doc.files.sourceFilter, 0);
  app.doc.files.sourceFilter = 3;
  ASSERT_TRUE(WriteSettingsAtExit(path, app, {}));
  const std::string written = ReadBytes(path);
  EXPECT_NE(written.find("RECENT5 = <Empty>\r\nSOURCEFILTER = 3\r\n[DISPLAY]\r\n"), std::string::npos) << written;
  EXPECT_EQ(ReadOrCreateSettings(path).sourceFilter, 3);
}

// The display mode and registers come back at the next start, in both charsets; each value out of range,
// or missing from an older file, is its default.
TEST(Settings, DisplayModeAndRegistersAreKeptAndWrongValuesFallBack) {
  TempDir dir;
  const std::string path = dir.Path("kstr.ini");
  struct Case {
    std::string lines;
    CharsetColours expected;
  };
  const Case cases[] = {
      {"", {}},
      {"[DISPLAY]\r\nMODE = 1\r\nD021 = 6\r\nD022 = 2\r\nD023 = 5\r\nD024 = 7\r\n",
       {DisplayMode::Multicolour, {6, 2, 5, 7}}},
      {"[DISPLAY]\r\nMODE = 2\r\nD021 = 16\r\nD022 = -1\r\nD023 = x\r\nD024 = 3\r\n",
       {DisplayMode::ExtendedBackground, {0, 11, 12, 3}}},
      {"[DISPLAY]\r\nMODE = 3\r\nD021 = 15\r\n", {DisplayMode::HiRes, {15, 11, 12, 15}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    WriteBytes(path, FileWith("", "16777215") + c.lines);
    App app;
    ApplySettings(app, ReadOrCreateSettings(path));
    EXPECT_EQ(app.doc.store.colours, c.expected);
    EXPECT_EQ(app.doc.store.slotColours[1], c.expected);
  }
  // What the run ends with is written after every other key.
  App app;
  app.doc.store.colours = {DisplayMode::Multicolour, {9, 8, 7, 6}};
  ASSERT_TRUE(WriteSettingsAtExit(path, app, {}));
  EXPECT_TRUE(ReadBytes(path).ends_with("[DISPLAY]\r\nMODE = 1\r\nD021 = 9\r\nD022 = 8\r\nD023 = 7\r\nD024 = 6\r\n"));
  App next;
  ApplySettings(next, ReadOrCreateSettings(path));
  EXPECT_EQ(next.doc.store.colours, app.doc.store.colours);
}

TEST(Settings, ExitRecreatesAVanishedFile) {
  TempDir dir;
  App app;
  app.doc.store.lastDirectory = "/x/";
  ASSERT_TRUE(WriteSettingsAtExit(dir.Path("kstr.ini"), app, WindowPlacement{1, 2, 1111, 515, false, false}));
  const SettingsValues read = ReadOrCreateSettings(dir.Path("kstr.ini"));
  EXPECT_EQ(read.dir, "/x/");
  EXPECT_EQ(read.xsize, 1111);
}

TEST(Settings, FileThatWouldOutgrowTheReadLimitIsNotRewritten) {
  // 700 KiB of 8-bit text without a byte-order mark: read as Latin-1, it would be twice as long as UTF-8.
  TempDir dir;
  const std::string path = dir.Path("kstr.ini");
  std::string latin1 = "[MAIN WINDOW]\r\nZOOM = 3\r\n";
  while (latin1.size() < 700 * 1024) latin1 += "; " + std::string(120, '\xE9') + "\r\n";
  WriteBytes(path, latin1);

  App app;
  ApplySettings(app, ReadOrCreateSettings(path));
  EXPECT_EQ(app.view.editing.zoomIndex, 3);
  EXPECT_FALSE(WriteSettingsAtExit(path, app, WindowPlacement{1, 2, 1200, 600, false, false}));
  EXPECT_TRUE(ReadBytes(path) == latin1) << "the file was rewritten";
  EXPECT_EQ(ReadOrCreateSettings(path).zoom, 3);  // the next start still reads it

  // A smaller file of the same kind is converted and rewritten as usual.
  const std::string small = "[MAIN WINDOW]\r\nZOOM = 3\r\n; caf\xE9\r\n";
  WriteBytes(path, small);
  ASSERT_TRUE(WriteSettingsAtExit(path, app, WindowPlacement{1, 2, 1200, 600, false, false}));
  EXPECT_NE(ReadBytes(path).find("; caf\xC3\xA9\r\n"), std::string::npos);
}

// Run as root in the tests, so the failures are ones that permissions do not decide.
TEST(Settings, AFileThatCannotBeWrittenIsReportedOnceWithItsPathAndWhy) {
  TempDir dir;
  WriteBytes(dir.Path("plain"), "not a folder");
  std::filesystem::create_directory(dir.Path("kstr.ini"));
  struct Case {
    std::string path;
    std::string reason;
  };
  const Case cases[] = {
      {dir.Path("plain/kstr.ini"), "Not a directory"},
      {dir.Path("kstr.ini"), "could not be read (it is a folder)"},
  };
  for (const Case& c : cases) {
    App app;
    ScriptedDialogs dialogs;
    app.shell.dialogs = &dialogs;
    WriteSettingsOrTell(c.path, app, WindowPlacement{1, 2, 1200, 600, false, false});
    ASSERT_EQ(dialogs.calls.size(), 1u) << c.path;
    const DialogCall& call = dialogs.calls[0];
    EXPECT_EQ(call.title, "File Error!");
    EXPECT_EQ(call.icon, MessageIcon::Warning);
    EXPECT_EQ(call.buttons, MessageButtons::Ok);
    EXPECT_NE(call.text.find("\r\n" + c.path + "\r\n"), std::string::npos) << call.text;
    EXPECT_NE(call.text.find(c.reason), std::string::npos) << call.text;
  }

  // A file that can be written says nothing.
  App app;
  ScriptedDialogs dialogs;
  app.shell.dialogs = &dialogs;
  WriteSettingsOrTell(dir.Path("fine.ini"), app, WindowPlacement{1, 2, 1200, 600, false, false});
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_NE(ReadBytes(dir.Path("fine.ini")).find("XSIZE = 1200"), std::string::npos);
}

}  // namespace
}  // namespace kx
