#include <gtest/gtest.h>

#include "app/app.h"

namespace kx {
namespace {

TEST(MenuState, StartsFromTheTableAndCountsOnlyRealChanges) {
  App app;
  EXPECT_FALSE(app.menu.Enabled(cmd::Undo));
  EXPECT_TRUE(app.menu.Checked(146));
  EXPECT_FALSE(app.menu.RowMemoryPasteEnabled());
  EXPECT_EQ(app.menu.Text(43), "<Empty>");

  const unsigned before = app.menu.Version();
  app.menu.SetChecked(146, true);  // already ticked
  app.menu.SetEnabled(9999, true);  // no such item
  EXPECT_EQ(app.menu.Version(), before);
  app.menu.SetText(43, "/tmp/a.chr");
  EXPECT_EQ(app.menu.Version(), before + 1);
}

TEST(MenuState, HistoryControlsFollowTheStacks) {
  App app;
  app.history.Push(app.store, true);
  SyncHistoryControls(app);
  EXPECT_TRUE(app.menu.Enabled(cmd::Undo));
  EXPECT_TRUE(app.menu.Enabled(cmd::ClearHistory));
  EXPECT_FALSE(app.menu.Enabled(cmd::Redo));
}

}  // namespace
}  // namespace kx
