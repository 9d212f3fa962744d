#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/editor_input.h"
#include "app/run_command.h"

namespace kx {
namespace {

// A session where every editor-view key shows an effect: the hollow box tool (so D, Shift D and V each
// change the tool), zoomed in one step (so both zoom keys can move).
App Prepared() {
  App app;
  RunCommand(app, cmd::BoxHollow);
  RunCommand(app, cmd::ZoomIn);
  return app;
}

// What the user can see: title, tool, zoom, the charset in the editor and its bytes.
std::string Seen(const App& app) {
  std::string seen = app.shell.title + "|tool " + std::to_string(static_cast<int>(app.view.editing.tool)) +
                     "|zoom " + std::to_string(app.view.editing.zoomIndex) + "|slot " +
                     std::to_string(app.doc.store.editorSlot) + "|bytes ";
  for (std::uint8_t b : app.doc.store.editor) seen += std::to_string(b) + ",";
  return seen;
}

// Every hint of the editor view names the key that runs its item: pressing the key the hint spells, read
// the way a user reads it, does what choosing the item does.
TEST(CommandKeys, EveryEditorViewHintRunsItsItem) {
  const std::vector<std::pair<std::string, KeyEvent>> keys = {
      {"Draw Continuous\tD", {KeyAction::Press, Key::D}},
      {"Draw Dotted\tShift D", {KeyAction::Press, Key::D, true}},
      {"Line Draw\tV", {KeyAction::Press, Key::V}},
      {"Swap Charset1 <> Charset2\tJ", {KeyAction::Press, Key::J}},
      {"Zoom In\t+", {KeyAction::Press, Key::Plus}},
      {"Zoom Out\t-", {KeyAction::Press, Key::Minus}},
  };
  const App table;
  std::vector<std::string> hinted;
  for (const auto& [id, info] : table.commands.commands) {
    if (info.row->key.scope == KeyScope::EditorView) hinted.push_back(info.row->TableText());
  }
  ASSERT_EQ(hinted.size(), keys.size());

  for (const auto& [text, key] : keys) {
    CommandId id = 0;
    for (const auto& [rowId, info] : table.commands.commands) {
      if (info.row->TableText() == text) id = rowId;
    }
    ASSERT_NE(id, 0) << text;
    App chosen = Prepared();
    const std::string before = Seen(chosen);
    RunCommand(chosen, id);
    EXPECT_NE(Seen(chosen), before) << text << ": the item shows no effect to compare";
    App pressed = Prepared();
    OnEditorKey(pressed, key, 20, 20);
    EXPECT_EQ(Seen(pressed), Seen(chosen)) << text;
  }
}

}  // namespace
}  // namespace kx
