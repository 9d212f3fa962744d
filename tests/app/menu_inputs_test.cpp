#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/app.h"
#include "app/editor_input.h"
#include "app/menu_inputs.h"
#include "app/run_command.h"

namespace kx {
namespace {

// Every item's text, tick and grey state and every ruled submenu's grey state, in menu order.
std::vector<MenuItemState> ShownMenus(const App& app) {
  std::vector<MenuItemState> shown;
  ForEachMenuItem(app.commands.menuBar, [&](const MenuNode& n, const auto&) { shown.push_back(ItemState(app, n.id)); });
  std::function<void(const std::vector<MenuNode>&)> submenus = [&](const std::vector<MenuNode>& nodes) {
    for (const MenuNode& n : nodes) {
      if (n.kind != MenuNodeKind::Submenu) continue;
      shown.push_back({n.text, false, SubmenuEnabled(app, n)});
      submenus(n.children);
    }
  };
  submenus(app.commands.menuBar);
  return shown;
}

// The menu bar skips its items while the inputs stay the same, so every change the menus show has to
// change the inputs too; a change of the hover alone changes neither.
TEST(MenuInputs, EveryChangeTheMenusShowChangesTheInputs) {
  using Step = std::function<void(App&)>;
  struct Change {
    const char* name;
    Step change;
    Step before = [](App&) {};
  };
  const auto run = [](CommandId id) { return [id](App& app) { RunCommand(app, id); }; };
  const Change changes[] = {
      {"edit (undo)", run(cmd::EraseAll)},
      {"undo (redo)", run(cmd::Undo), run(cmd::EraseAll)},
      {"clear history", run(cmd::ClearHistory), run(cmd::EraseAll)},
      {"cut (glyph clipboard)", run(cmd::Cut)},
      {"row memory", run(cmd::CopyRowToMemoryFirst + 2)},
      {"font preview", run(cmd::Preview2x2)},
      {"char grid", run(cmd::ShowCharGrid)},
      {"hover pixel", run(cmd::HoverPixelHighlight)},
      {"fade", run(cmd::PreviewOutsideFade)},
      {"scanlines", run(cmd::ScanlineEmulation)},
      {"crt edge", run(cmd::CrtEmulationEdge)},
      {"brightness", run(cmd::BrightnessLow)},
      {"recent file", [](App& app) { AddRecentFile(app.doc, "/home/user/fonts/logo.chr"); }},
  };
  for (const auto& [name, change, before] : changes) {
    App app;
    before(app);
    const std::vector<MenuItemState> shown = ShownMenus(app);
    const MenuInputs inputs = CurrentMenuInputs(app);
    change(app);
    EXPECT_NE(ShownMenus(app), shown) << name;  // a change the menus show
    EXPECT_NE(CurrentMenuInputs(app), inputs) << name;
  }

  App app;
  const std::vector<MenuItemState> shown = ShownMenus(app);
  const MenuInputs inputs = CurrentMenuInputs(app);
  OnEditorMouse(app, MouseEvent{MouseAction::Move, 40, 40});
  ASSERT_TRUE(app.view.editing.hovering);
  EXPECT_EQ(ShownMenus(app), shown);
  EXPECT_EQ(CurrentMenuInputs(app), inputs);
}

}  // namespace
}  // namespace kx
