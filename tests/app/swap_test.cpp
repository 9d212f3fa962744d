#include <gtest/gtest.h>

#include "app/app.h"
#include "app/edit_commands.h"
#include "model/rom_charset.h"

namespace kx {
namespace {

TEST(Swap, NamesTheCharsetNowInTheEditorAndBringsItsOwnFlags) {
  App app;
  app.doc.store.modified = true;
  RunSwap(app);
  EXPECT_EQ(app.doc.store.editor, Charset{});
  EXPECT_EQ(app.shell.status.charsetInEditor, "CHARSET 2");
  EXPECT_EQ(app.shell.tools[GadgetId::Swap].icon, IconId::SwapCharset2);
  EXPECT_EQ(app.shell.title, "Kestrelix 1.0 (x64) - untitled charset 2");
  EXPECT_TRUE(app.shell.requests.focusEditor);
  RunSwap(app);
  EXPECT_EQ(app.doc.store.editor, RomCharset());
  EXPECT_EQ(app.shell.status.charsetInEditor, "CHARSET 1");
  EXPECT_EQ(app.shell.title, "Kestrelix 1.0 (x64) - untitled charset 1 <unsaved>");
}

}  // namespace
}  // namespace kx
