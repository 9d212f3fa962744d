#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/run_command.h"
#include "gui/canvas_widget.h"
#include "gui/main_window.h"
#include "gui/menu_bar.h"
#include "gui/screen_editor_window.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

// A shown main window with the pointer over glyph 0 of the editor view.
struct Session {
  App app;
  ScriptedDialogs dialogs;
  std::unique_ptr<MainWindow> window;

  Session() {
    app.shell.dialogs = &dialogs;
    app.shell.placement.maximize = false;
    window = std::make_unique<MainWindow>(app);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
    window->EditorCanvas()->setFocus();
    QTest::mouseMove(window->EditorCanvas(), QPoint(20, 20));
  }

  ScreenEditorWindow* OpenScreenEditor() {
    app.shell.requests.openScreenEditor = true;
    window->SyncFromApp();
    return window->ScreenEditor();
  }

  std::string Glyph0() const {
    std::string bytes;
    for (int i = 0; i < 8; ++i) bytes += std::to_string(app.doc.store.editor[i]) + (i < 7 ? "," : "");
    return bytes;
  }

  std::string ScreenCursor() const {
    const auto& e = app.view.screenEditor;
    if (!e) return "closed";
    return "column " + std::to_string(e->column) + " row " + std::to_string(e->row);
  }
};

// The keys (and the one click) a user meets in the editor view, on a scroll bar and in the screen editor,
// each pressed through the real windows.
TEST(UserKeys, EachKeyDoesWhatTheManualPromisesAndNothingElse) {
  const std::string romAt = "60,102,110,110,96,98,60,0";  // glyph 0 of the ROM, "@"
  struct Case {
    const char* what;
    std::function<void(Session&)> act;
    std::function<std::string(Session&)> seen;
    std::string expected;
  };
  const auto key = [](Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    return [k, mods](Session& s) { QTest::keyClick(s.window->EditorCanvas(), k, mods); };
  };
  const auto glyph = [](Session& s) { return s.Glyph0(); };
  const auto inScreenEditor = [](std::function<void(ScreenEditorWindow&)> steps) {
    return [steps](Session& s) {
      ScreenEditorWindow* w = s.OpenScreenEditor();
      ASSERT_NE(w, nullptr);
      steps(*w);
      QApplication::processEvents();
    };
  };
  const auto cursor = [](Session& s) { return s.ScreenCursor(); };
  const auto type = [](ScreenEditorWindow& w, std::vector<Qt::Key> keys) {
    for (Qt::Key k : keys) QTest::keyClick(w.Screen(), k);
  };
  const std::vector<Case> cases = {
      {"Delete clears the glyph", key(Qt::Key_Delete), glyph, "0,0,0,0,0,0,0,0"},
      {"Ctrl+Delete leaves it", key(Qt::Key_Delete, Qt::ControlModifier), glyph, romAt},
      {"Alt+Delete leaves it", key(Qt::Key_Delete, Qt::AltModifier), glyph, romAt},
      {"Ctrl+] leaves the pen", key(Qt::Key_BracketRight, Qt::ControlModifier),
       [](Session& s) { return std::to_string(s.app.view.editing.leftPen.index); }, "1"},
      {"Escape closes the screen editor",
       inScreenEditor([&](ScreenEditorWindow& w) { type(w, {Qt::Key_A, Qt::Key_Escape}); }), cursor, "closed"},
      {"Return starts the next row",
       inScreenEditor([&](ScreenEditorWindow& w) { type(w, {Qt::Key_A, Qt::Key_B, Qt::Key_Return}); }), cursor,
       "column 0 row 1"},
      {"keypad Enter as well",
       inScreenEditor([&](ScreenEditorWindow& w) { type(w, {Qt::Key_Down, Qt::Key_A, Qt::Key_Enter}); }), cursor,
       "column 0 row 2"},
      {"Return on the last row stays on it",
       inScreenEditor([&](ScreenEditorWindow& w) {
         for (int i = 0; i < 30; ++i) type(w, {Qt::Key_Down});
         type(w, {Qt::Key_Right, Qt::Key_Return});
       }),
       cursor, "column 0 row 24"},
      {"a click puts the cursor in the clicked cell",
       inScreenEditor([](ScreenEditorWindow& w) { QTest::mouseClick(w.Screen(), Qt::LeftButton, {}, {5 * 16 + 15, 7 * 16}); }),
       cursor, "column 5 row 7"},
      {"PageDown on a focused scroll bar pages every time",
       [](Session& s) {
         OnZoomChosen(s.app, 4);
         s.window->SyncFromApp();
         s.window->VerticalBar()->setFocus();
         for (int i = 0; i < 3; ++i) QTest::keyClick(s.window->VerticalBar(), Qt::Key_PageDown);
       },
       [](Session& s) {
         const QScrollBar* bar = s.window->VerticalBar();
         return std::to_string(s.app.view.editing.scrollY / bar->pageStep()) + " pages, focus " +
                (bar->hasFocus() ? "kept" : "lost");
       },
       "3 pages, focus kept"},
  };
  for (const Case& c : cases) {
    Session s;
    c.act(s);
    EXPECT_EQ(c.seen(s), c.expected) << c.what;
  }
}

// After any choice of tool, what the next click applies is in view: its pressed button, or the status
// bar's tool field when no button shows it.
TEST(UserKeys, TheToolInHandIsAlwaysShown) {
  struct Case {
    CommandId item;
    const char* field;
    GadgetId pressed;  // MemoryPane: no tool button
  };
  const Case cases[] = {
      {66, "TOOL: ITALICISE", GadgetId::MemoryPane},        {78, "TOOL: SLANT RIGHT", GadgetId::MemoryPane},
      {90, "TOOL: SLANT LEFT", GadgetId::MemoryPane},       {102, "TOOL: UNDERLINE", GadgetId::MemoryPane},
      {114, "TOOL: STRIKETHROUGH", GadgetId::MemoryPane},   {cmd::RestoreRomIndividual, "TOOL: ROM CHAR", GadgetId::MemoryPane},
      {cmd::LineDraw, "", GadgetId::Line},                  {195, "", GadgetId::Flip},
  };
  Session s;
  for (const Case& c : cases) {
    s.window->Menus()->Actions(c.item).front()->trigger();
    EXPECT_EQ(s.window->ToolField()->text().toStdString(), c.field) << c.item;
    for (int b = 0; b < kToolColumnButtons; ++b) {
      const auto id = static_cast<GadgetId>(b);
      if (id == GadgetId::Swap) continue;
      EXPECT_EQ(s.window->Button(id)->isChecked(), id == c.pressed) << c.item << " button " << b;
    }
  }
}

}  // namespace
}  // namespace kx
