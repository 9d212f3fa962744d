#include <gtest/gtest.h>

#include "app/app.h"
#include "app/swap.h"
#include "model/rom_charset.h"

namespace kx {
namespace {

TEST(Swap, NamesTheCharsetNowInTheEditorAndBringsItsOwnFlags) {
  App app;
  app.store.modified = true;
  RunSwap(app);
  EXPECT_EQ(app.store.editor, Charset{});
  EXPECT_EQ(app.status.charsetInEditor, "CHARSET 2");
  EXPECT_EQ(app.tools[GadgetId::Swap].icon, IconId::SwapCharset2);
  EXPECT_EQ(app.title, "Kestrelix 1.0 (x64) - untitled charset 2");
  EXPECT_TRUE(app.requests.focusEditor);
  RunSwap(app);
  EXPECT_EQ(app.store.editor, RomCharset());
  EXPECT_EQ(app.status.charsetInEditor, "CHARSET 1");
  EXPECT_EQ(app.title, "Kestrelix 1.0 (x64) - untitled charset 1 <unsaved>");
}

}  // namespace
}  // namespace kx
