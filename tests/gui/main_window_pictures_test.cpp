#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

#include "model/rom_charset.h"
#include "gui/canvas_widget.h"
#include "gui/main_window.h"
#include "gui/startup.h"

namespace kx {
namespace {

TEST(MainWindowPictures, EditorCanvasShowsTheRomCharsetAfterStartUp) {
  App app;
  app.shell.placement.maximize = false;
  const auto window = StartUp(app, [](int) {});
  const QImage shown = window->EditorCanvas()->grab().toImage();
  // At 8x every charset pixel is an 8x8 block whose first row and column are grid lines; look inside the
  // blocks of glyph 0's top row.
  const int block = app.view.layout.blockSize;
  const std::uint8_t top = RomCharset()[0];
  for (int x = 0; x < 8; ++x) {
    const bool set = (top >> (7 - x)) & 1;
    EXPECT_EQ(shown.pixel(x * block + block / 2, block / 2) & 0xFFFFFF, set ? 0xFFFFFFu : 0u) << x;
  }
  EXPECT_EQ(shown.pixel(0, block / 2) & 0xFFFFFF, 0x404040u);  // char grid at the left edge
}

TEST(MainWindowPictures, StatusFieldShowsTheHoveredRomGlyph) {
  App app;
  app.shell.placement.maximize = false;
  const auto window = StartUp(app, [](int) {}, "");
  EXPECT_EQ(window->StatusField(2)->text().toStdString(), "---");
  app.shell.status.romGlyph = 65;
  window->SyncFromApp();
  EXPECT_EQ(window->StatusField(2)->pixmap().size(), QSize(16, 16));
}

}  // namespace
}  // namespace kx
