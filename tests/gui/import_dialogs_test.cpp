// The import dialogs as a user meets them: a C64 address typed into the source dialog's field, OK clicked,
// and the editor charset holds the window at that address; a font sheet's grid typed where none is found.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/app.h"
#include "app/run_command.h"
#include "gui/canvas_widget.h"
#include "gui/import_dialogs.h"
#include "io/temp_files.h"
#include "model/rom_charset.h"
#include "runtime/image_codec.h"
#include "tests/support/source_files.h"
#include "views/memory_strip.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

using namespace testing_files;

// Runs "Import from Source" (or `command`) on `path` with the real dialog, which `user` handles once it
// shows (its fields filled, OK clicked); false when no dialog came up.
// `laterFiles` answer the requesters the dialog itself opens.
bool ImportThroughDialog(App& app, const std::string& path, const std::function<void(QWidget*)>& user,
                         const std::vector<std::string>& laterFiles = {},
                         CommandId command = cmd::ImportFromSource) {
  auto* const ownDialogs = app.shell.dialogs;
  auto* const ownImportDialogs = app.shell.importDialogs;
  ScriptedDialogs dialogs;
  dialogs.fileAnswers.push_back(FileChoice{path, 0});
  for (const std::string& later : laterFiles) dialogs.fileAnswers.push_back(FileChoice{later, 0});
  app.shell.dialogs = &dialogs;
  QtImportDialogs importDialogs;
  app.shell.importDialogs = &importDialogs;
  bool shown = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr || shown) return;
    shown = true;
    user(window);
    window->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  poll.start(5);
  RunCommand(app, command);
  app.shell.dialogs = ownDialogs;  // the scripted ones above end with this call
  app.shell.importDialogs = ownImportDialogs;
  return shown;
}

TEST(ImportDialogs, AddressTypedIntoTheSourceDialogPicksTheWindow) {
  TempDir dir;
  // A program loaded at $0801 whose data counts up: the window at $1000 starts with byte $7FF of the data.
  source_files::FileBytes data(4096);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i);
  const source_files::FileBytes program = source_files::Program(0x0801, data);
  WriteBytes(dir.Path("game.prg"), std::string(program.begin(), program.end()));

  App app;
  ASSERT_TRUE(ImportThroughDialog(app, dir.Path("game.prg"), [](QWidget* window) {
    auto* address = window->findChild<QLineEdit*>("address");
    ASSERT_NE(address, nullptr);
    EXPECT_TRUE(address->isVisibleTo(window));
    EXPECT_FALSE(window->findChild<QLineEdit*>("offset")->isVisibleTo(window));
    EXPECT_FALSE(window->findChild<QCheckBox*>("takeColours")->isVisibleTo(window));  // a program has no colours
    EXPECT_FALSE(window->findChild<CanvasWidget*>("strip")->isVisibleTo(window));      // nor 64 KiB of RAM
    QTest::keyClicks(address, "$1000");
  }));
  const std::vector<std::uint8_t> glyph0(app.doc.store.editor.begin(), app.doc.store.editor.begin() + 8);
  EXPECT_EQ(glyph0, (std::vector<std::uint8_t>{0xFF, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06}));
  EXPECT_TRUE(app.doc.store.modified);
  EXPECT_TRUE(app.doc.history.CanUndo());
}

// A snapshot offers its colours with the tick on; clicking it off leaves the charset's colours alone.
TEST(ImportDialogs, TakeColoursTickFollowsTheSourceAndTheClick) {
  TempDir dir;
  source_files::SnapshotContents shot;
  shot.d016 = 0xD8;  // multicolour
  const source_files::FileBytes file = source_files::Snapshot(shot);
  WriteBytes(dir.Path("game.vsf"), std::string(file.begin(), file.end()));
  for (const bool clickOff : {false, true}) {
    App app;
    ASSERT_TRUE(ImportThroughDialog(app, dir.Path("game.vsf"), [clickOff](QWidget* window) {
      auto* tick = window->findChild<QCheckBox*>("takeColours");
      ASSERT_NE(tick, nullptr);
      EXPECT_TRUE(tick->isVisibleTo(window));
      EXPECT_TRUE(tick->isChecked());
      if (clickOff) QTest::mouseClick(tick, Qt::LeftButton, {}, QPoint(4, tick->height() / 2));
    }));
    EXPECT_EQ(app.doc.store.colours.mode, clickOff ? DisplayMode::HiRes : DisplayMode::Multicolour) << clickOff;
  }
}

// A snapshot showing its charset at $3000: the buttons step by 2 KiB (from an address between positions to
// the one below), stop at the ends, the strip picks a position with a click, the address field follows
// each step, and "Save 64 KiB RAM..." writes the RAM whole.
TEST(ImportDialogs, SnapshotPositionsStepAndTheRamIsSaved) {
  TempDir dir;
  source_files::SnapshotContents shot;
  shot.d018 = 0x1C;  // bank 0, charset at $3000
  for (std::size_t i = 0; i < shot.ram.size(); ++i) shot.ram[i] = static_cast<std::uint8_t>(i * 131 + (i >> 8));
  const source_files::FileBytes file = source_files::Snapshot(shot);
  WriteBytes(dir.Path("game.vsf"), std::string(file.begin(), file.end()));

  App app;
  ASSERT_TRUE(ImportThroughDialog(app, dir.Path("game.vsf"), [](QWidget* window) {
    auto* address = window->findChild<QLineEdit*>("address");
    auto* previous = window->findChild<QPushButton*>("previousPosition");
    auto* next = window->findChild<QPushButton*>("nextPosition");
    auto* strip = window->findChild<CanvasWidget*>("strip");
    ASSERT_TRUE(address && previous && next && strip);
    EXPECT_TRUE(strip->isVisibleTo(window));
    EXPECT_EQ(strip->Picture().size(), QSize(kStripWidth, kStripHeight));
    const struct {
      std::function<void()> act;
      const char* address;
      bool previousEnabled, nextEnabled;
    } steps[] = {
        {[&] { next->click(); }, "$3800", true, true},
        {[&] { previous->click(); }, "$3000", true, true},
        {[&] { previous->click(); }, "$2800", true, true},
        {[&] { address->selectAll(); QTest::keyClicks(address, "$0100"); }, "$0100", true, true},
        {[&] { previous->click(); }, "$0000", false, true},
        {[&] { next->click(); }, "$0800", true, true},
        {[&] { QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(kStripWidth - 10, kStripHeight - 10)); }, "$F800", true, false},
        {[&] { next->click(); }, "$F800", true, false},
    };
    for (const auto& step : steps) {
      step.act();
      EXPECT_EQ(address->text().toStdString(), step.address);
      EXPECT_EQ(previous->isEnabled(), step.previousEnabled) << step.address;
      EXPECT_EQ(next->isEnabled(), step.nextEnabled) << step.address;
    }
    auto* saveRam = window->findChild<QPushButton*>("saveRam");
    EXPECT_TRUE(saveRam->isVisibleTo(window));
    saveRam->click();
  }, {dir.Path("ram.bin")}));
  // OK took the last position shown.
  EXPECT_TRUE(std::equal(app.doc.store.editor.begin(), app.doc.store.editor.end(), shot.ram.begin() + 0xF800));
  const std::string saved = ReadBytes(dir.Path("ram.bin"));
  EXPECT_EQ(saved, std::string(shot.ram.begin(), shot.ram.end()));
}

// A sheet at scale 2 cut short through its last cells fits no grid: the dialog says to give one, and the
// scale, origin and pitch typed into its fields read the glyphs.
TEST(ImportDialogs, SheetGridTypedWhereNoneIsFound) {
  TempDir dir;
  Image sheet(16 * 16 - 6, 8 * 16 - 6, 0xFFFFFF);
  for (int y = 0; y < sheet.Height(); ++y) {
    for (int x = 0; x < sheet.Width(); ++x) {
      const int glyph = y / 16 * 16 + x / 16;
      if ((RomBytes()[static_cast<std::size_t>(glyph * 8 + y % 16 / 2)] >> (7 - x % 16 / 2)) & 1) sheet.SetPixel(x, y, 0);
    }
  }
  const auto png = EncodeImage(sheet, ImageFormat::Png);
  WriteBytes(dir.Path("font.png"), std::string(png->begin(), png->end()));
  App app;
  ASSERT_TRUE(ImportThroughDialog(
      app, dir.Path("font.png"),
      [](QWidget* window) {
        EXPECT_NE(window->findChild<QLabel*>("problem")->text().indexOf("Give the scale, origin and pitch"), -1);
        for (const auto& [name, text] : {std::pair{"scale", "2"}, {"origin", "0,0"}, {"pitch", "16"}}) {
          auto* field = window->findChild<QLineEdit*>(name);
          ASSERT_NE(field, nullptr) << name;
          QTest::keyClicks(field, text);
        }
        EXPECT_EQ(window->findChild<QLabel*>("problem")->text(), "");
        EXPECT_NE(window->findChild<QLabel*>("facts")->text().indexOf("15x7 cells"), -1);
      },
      {}, cmd::ImportFromSheet));
  const std::vector<std::uint8_t> glyph1(app.doc.store.editor.begin() + 8, app.doc.store.editor.begin() + 16);
  EXPECT_EQ(glyph1, (std::vector<std::uint8_t>{0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x66, 0x00}));
}

}  // namespace
}  // namespace kx
