#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include "gui/canvas_widget.h"
#include "gui/main_window.h"
#include "gui/menu_bar.h"
#include "tests/gui/on_screen.h"

namespace kx {
namespace {

QAction* Item(const MainWindow& window, CommandId id) {
  const auto actions = window.Menus()->Actions(id);
  return actions.empty() ? nullptr : actions.front();
}

// Shows `w` and waits until the application reports it as its active window (a dialog sharing its
// parent's activation does not count).
bool ShowActive(QWidget& w) {
  w.show();
  w.activateWindow();
  return QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; });
}

TEST(MenuBar, MirrorsTheTableWithHintsTicksGreyStatesAndShortcuts) {
  App app;
  MainWindow window(app);
  QStringList titles;
  QStringList mnemonics;
  for (QAction* a : window.menuBar()->actions()) {
    mnemonics << a->text();
    titles << QString(a->text()).remove('&');  // the visible text, without the mnemonic's marker
  }
  EXPECT_EQ(titles, (QStringList{"File", "Edit", "View", "Tools", "Help"}));
  EXPECT_EQ(mnemonics, (QStringList{"&File", "&Edit", "&View", "&Tools", "&Help"}));

  int items = 0;
  ForEachMenuItem(app.commands.menuBar, [&](const MenuNode& n, const auto&) {
    ++items;
    for (QAction* a : window.Menus()->Actions(n.id)) {
      EXPECT_EQ(a->text().toStdString(), n.text) << n.id;
      EXPECT_EQ(a->isCheckable(), n.checkable) << n.id;
      EXPECT_EQ(a->isChecked(), ItemState(app, n.id).checked) << n.id;
      EXPECT_EQ(a->isEnabled(), ItemState(app, n.id).enabled) << n.id;
    }
  });
  EXPECT_GT(items, 300);
  EXPECT_EQ(window.Menus()->Actions(cmd::SlideRightNoWrap).size(), 2u);

  const std::pair<CommandId, const char*> keys[] = {
      {cmd::SaveAs, "Ctrl+Shift+S"}, {cmd::Paste, "Ctrl+V"}, {cmd::Copy, "Ctrl+C"},
      {cmd::ShowPixelGrid, "Shift+G"}, {cmd::ShowHighlights, "F12"}, {cmd::Swap, ""}};
  for (auto [id, text] : keys) EXPECT_EQ(Item(window, id)->shortcut().toString().toStdString(), text) << id;
  EXPECT_EQ(Item(window, cmd::Undo)->shortcutContext(), Qt::WindowShortcut);
  // The status bar's hint says where the item sits and names its key.
  EXPECT_EQ(Item(window, cmd::Copy)->statusTip().toStdString(), "Edit > Copy; key Ctrl+C");
  EXPECT_EQ(Item(window, 74)->statusTip().toStdString(), "Edit > Text Styles > Italics > Italicise Row 8");

  QMenu* paste = window.Menus()->Submenu(kRowMemoryPasteMenu);
  ASSERT_NE(paste, nullptr);
  EXPECT_FALSE(paste->menuAction()->isEnabled());
}

TEST(MenuBar, ChoosingAnItemRunsTheCommandAndUpdatesTheWindow) {
  App app;
  MainWindow window(app);
  const Charset start = app.doc.store.editor;
  Item(window, 74)->trigger();  // "Italicise Row 8"
  EXPECT_NE(app.doc.store.editor, start);
  EXPECT_TRUE(window.windowTitle().endsWith(" <unsaved>"));
  EXPECT_TRUE(Item(window, cmd::Undo)->isEnabled());
  EXPECT_TRUE(window.Button(GadgetId::Undo)->isEnabled());

  // A tick follows the App, not Qt's own flip; a greyed item cannot be chosen.
  Item(window, cmd::ShowCharGrid)->trigger();
  EXPECT_FALSE(ItemState(app, cmd::ShowCharGrid).checked);
  EXPECT_FALSE(Item(window, cmd::ShowCharGrid)->isChecked());
  Item(window, cmd::SelectedTileHighlight)->trigger();
  EXPECT_FALSE(Item(window, cmd::SelectedTileHighlight)->isChecked());
  Item(window, cmd::BrightnessHigh)->trigger();  // already the level: it stays the level
  EXPECT_TRUE(Item(window, cmd::BrightnessHigh)->isChecked());

  Item(window, cmd::CopyRowToMemoryFirst + 2)->trigger();
  EXPECT_TRUE(window.Menus()->Submenu(kRowMemoryPasteMenu)->menuAction()->isEnabled());

  Item(window, cmd::ZoomIn)->trigger();
  EXPECT_EQ(window.ZoomBox()->currentIndex(), 2);
}

// A plain pointer move changes only the hover: the menu items are not worked out again. A stroke on the
// canvas (history) and a key that changes an option still update what the items show.
TEST(MenuBar, APlainMoveLeavesTheItemsAloneWhileEditsAndOptionsUpdateThem) {
  App app;
  MainWindow window(app);
  ASSERT_TRUE(ShowActive(window));
  CanvasWidget* canvas = window.EditorCanvas();
  QTest::mouseMove(canvas, QPoint(20, 20));
  const int walks = window.Menus()->Walks();
  const std::string charNumber = app.shell.status.charNumber;
  for (int x = 28; x < 300; x += 8) QTest::mouseMove(canvas, QPoint(x, 20));
  EndFrame(canvas);
  EXPECT_NE(app.shell.status.charNumber, charNumber);  // the moves arrived
  EXPECT_EQ(window.Menus()->Walks(), walks);

  EXPECT_FALSE(Item(window, cmd::Undo)->isEnabled());
  QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
  EXPECT_TRUE(Item(window, cmd::Undo)->isEnabled());
  EXPECT_TRUE(Item(window, cmd::ShowCharGrid)->isChecked());
  QTest::keyClick(canvas, Qt::Key_G);
  EXPECT_FALSE(Item(window, cmd::ShowCharGrid)->isChecked());
  EXPECT_GT(window.Menus()->Walks(), walks);
}

TEST(MenuBar, TheBrightnessLevelsAreOneChoiceWithRadioMarks) {
  App app;
  MainWindow window(app);
  QMenu* menu = window.Menus()->Submenu("Editor Brightness Level");
  ASSERT_NE(menu, nullptr);
  const QList<QAction*> levels = {Item(window, cmd::BrightnessHigh), Item(window, cmd::BrightnessMedium),
                                  Item(window, cmd::BrightnessLow)};
  EXPECT_EQ(menu->actions(), levels);
  QActionGroup* group = levels[0]->actionGroup();
  ASSERT_NE(group, nullptr);  // Qt draws the items of an exclusive group with radio marks
  EXPECT_EQ(group->exclusionPolicy(), QActionGroup::ExclusionPolicy::Exclusive);
  EXPECT_EQ(group->actions(), levels);

  auto ticks = [&] {
    std::string t;
    for (QAction* a : levels) t += a->text().toStdString() + (a->isChecked() ? "* " : " ");
    return t;
  };
  EXPECT_EQ(ticks(), "High* Medium Low ");
  levels[2]->trigger();
  EXPECT_EQ(app.view.brightness, Brightness::Low);
  EXPECT_EQ(ticks(), "High Medium Low* ");
  app.view.brightness = Brightness::Medium;  // as the settings file may set it
  window.SyncFromApp();
  EXPECT_EQ(ticks(), "High Medium* Low ");
  // The other submenus' ticked items stay independent check boxes.
  EXPECT_EQ(Item(window, cmd::ShowCharGrid)->actionGroup(), nullptr);
}

TEST(MenuBar, AnItemThatEndsInTheEditorGivesItTheKeyboard) {
  App app;
  MainWindow window(app);
  ASSERT_TRUE(ShowActive(window));
  window.EditorPane()->setFocus();
  ASSERT_TRUE(window.EditorPane()->hasFocus());
  Item(window, cmd::ShowCharGrid)->trigger();
  EXPECT_TRUE(window.EditorCanvas()->hasFocus());
}

TEST(MenuBar, ShortcutsFireInTheMainWindowOnly) {
  App app;
  MainWindow window(app);
  ASSERT_TRUE(ShowActive(window));

  QTest::keyClick(&window, Qt::Key_G);
  EXPECT_FALSE(ItemState(app, cmd::ShowCharGrid).checked);
  QTest::keyClick(&window, Qt::Key_G, Qt::ShiftModifier);
  EXPECT_FALSE(ItemState(app, cmd::ShowPixelGrid).checked);

  const Charset start = app.doc.store.editor;
  Item(window, cmd::EraseAll)->trigger();
  QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(app.doc.store.editor, start);

  QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(app.view.editing.tool, Tool::CopyGlyph);

  // A window of its own, as the screen editor is: the main window's keys stay out of it, even when it
  // does not block the main window.
  QDialog other(&window);
  ASSERT_TRUE(ShowActive(other));
  QTest::keyClick(&other, Qt::Key_G);
  QTest::keyClick(&other, Qt::Key_G, Qt::ShiftModifier);
  EXPECT_FALSE(ItemState(app, cmd::ShowCharGrid).checked);
  EXPECT_FALSE(ItemState(app, cmd::ShowPixelGrid).checked);
}

}  // namespace
}  // namespace kx
