#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "app/run_command.h"
#include "gui/canvas_widget.h"
#include "gui/main_window.h"
#include "gui/menu_bar.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

// The key a hint names, read the way a user reads it: modifiers joined by "+" or a blank, then the key.
struct ParsedHint {
  Qt::Key key = Qt::Key_unknown;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

ParsedHint ParseHint(const QString& hint) {
  ParsedHint parsed;
  if (hint == "+" || hint == "-") {
    parsed.key = hint == "+" ? Qt::Key_Plus : Qt::Key_Minus;
    return parsed;
  }
  const QStringList parts = hint.split(QRegularExpression("[+ ]"));
  for (const QString& part : parts.mid(0, parts.size() - 1)) {
    if (part == "Ctrl") parsed.modifiers |= Qt::ControlModifier;
    if (part == "Shift") parsed.modifiers |= Qt::ShiftModifier;
    if (part == "Alt") parsed.modifiers |= Qt::AltModifier;
  }
  const QString key = parts.last();
  if (key.size() == 1) {
    parsed.key = static_cast<Qt::Key>(Qt::Key_A + (key[0].unicode() - 'A'));
  } else if (key.startsWith('F')) {
    parsed.key = static_cast<Qt::Key>(Qt::Key_F1 + key.mid(1).toInt() - 1);
  }
  return parsed;
}

// A main window in a state where every keyed command shows an effect: one edit undone (so Undo and Redo
// both work), Paste available, the hollow box tool (so D, Shift D and V each change the tool), unsaved.
struct PreparedWindow {
  App app;
  ScriptedDialogs dialogs;
  std::unique_ptr<MainWindow> window;

  PreparedWindow() {
    app.shell.dialogs = &dialogs;
    RunCommand(app, cmd::EraseRowFirst);
    RunCommand(app, cmd::EraseRowFirst + 1);
    RunCommand(app, cmd::Undo);
    RunCommand(app, cmd::Cut);
    RunCommand(app, cmd::BoxHollow);
    window = std::make_unique<MainWindow>(app);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
    window->EditorCanvas()->setFocus();
  }

  // What the user can see or will get: title, tool, zoom, charset in the editor and its bytes, Undo and
  // Redo, the view options, the texts of the status bar and every question or requester shown.
  std::string Seen() const {
    std::string seen = window->windowTitle().toStdString() + "|tool " +
                       std::to_string(static_cast<int>(app.view.editing.tool)) + "|zoom " +
                       std::to_string(window->ZoomBox()->currentIndex()) + "|slot " +
                       std::to_string(app.doc.store.editorSlot) + "|undo " +
                       std::to_string(ItemState(app, cmd::Undo).enabled) +
                       std::to_string(ItemState(app, cmd::Redo).enabled) + "|grids " +
                       std::to_string(app.view.options.charGrid) + std::to_string(app.view.options.pixelGrid) +
                       std::to_string(app.view.options.highlights) + "|bytes ";
    for (std::uint8_t b : app.doc.store.editor) seen += std::to_string(b) + ",";
    for (const DialogCall& c : dialogs.calls) seen += "|dialog " + c.title + ":" + c.text;
    return seen;
  }
};

QString HintOf(const QAction* action) {
  const QString text = action->text();
  const int tab = text.indexOf('\t');
  return tab < 0 ? QString() : text.mid(tab + 1);
}

TEST(WindowKeys, EveryHintNamesTheKeyThatRunsItsItem) {
  const App table;
  std::vector<std::pair<CommandId, QString>> keyed;
  {
    PreparedWindow probe;
    for (const auto& [id, info] : table.commands.commands) {
      // The editor view's keys are the core's (tests/app/command_keys_test.cpp); here the window's shortcuts.
      if (info.row->key.scope == KeyScope::EditorView) continue;
      const QString hint = HintOf(probe.window->Menus()->Actions(id).front());
      if (!hint.isEmpty()) keyed.emplace_back(id, hint);
    }
  }
  ASSERT_EQ(keyed.size(), 14u);

  for (const auto& [id, hint] : keyed) {
    // Alt+F4 is the window system's own key: no window manager runs here to close the window with it.
    if (hint == "Alt+F4") continue;
    PreparedWindow chosen;
    const std::string before = chosen.Seen();
    chosen.window->Menus()->Actions(id).front()->trigger();
    const std::string afterMenu = chosen.Seen();
    EXPECT_NE(afterMenu, before) << hint.toStdString() << ": the item shows no effect to compare";

    PreparedWindow pressed;
    const ParsedHint keys = ParseHint(hint);
    ASSERT_NE(keys.key, Qt::Key_unknown) << hint.toStdString();
    QTest::keyClick(pressed.window->EditorCanvas(), keys.key, keys.modifiers);
    EXPECT_EQ(pressed.Seen(), afterMenu) << hint.toStdString() << " does not do what its item " << id << " does";
  }
}

}  // namespace
}  // namespace kx
