#include <gtest/gtest.h>

#include "app/app.h"
#include "app/run_command.h"
#include "app/event_flow.h"
#include "app/font_preview_commands.h"
#include "views/emulation.h"

namespace kx {
namespace {

constexpr CommandId kPreviewItems[] = {cmd::Preview1x2, cmd::Preview2x1, cmd::Preview2x2};

TEST(FontPreview, OpeningGreysThePreviewItemsAndClosingRestoresThem) {
  App app;
  OpenFontPreview(app, PreviewKind::TwoByOne);
  EXPECT_EQ(app.view.preview.kind, PreviewKind::TwoByOne);
  EXPECT_TRUE(app.view.preview.windowOpen);
  EXPECT_TRUE(app.shell.requests.openFontPreview);
  for (CommandId id : kPreviewItems) EXPECT_FALSE(ItemState(app, id).enabled) << id;

  CloseFontPreview(app);
  EXPECT_EQ(app.view.preview.kind, PreviewKind::None);
  EXPECT_FALSE(app.view.preview.windowOpen);
  EXPECT_TRUE(app.shell.requests.closeFontPreview);
  EXPECT_FALSE(app.shell.requests.openFontPreview);
  for (CommandId id : kPreviewItems) EXPECT_TRUE(ItemState(app, id).enabled) << id;

  // Each kind can open it again.
  OpenFontPreview(app, PreviewKind::TwoByTwo);
  EXPECT_EQ(app.view.preview.kind, PreviewKind::TwoByTwo);
  OpenFontPreview(app, PreviewKind::None);
  EXPECT_EQ(app.view.preview.kind, PreviewKind::TwoByTwo);
}

TEST(FontPreview, PictureFollowsTheCharsetWhileOpenOnly) {
  App app;
  app.doc.store.editor = Charset{};
  MarkCharsetChanged(app.view);
  FinishEvent(app);
  OpenFontPreview(app, PreviewKind::OneByTwo);
  ASSERT_EQ(app.view.preview.picture.Width(), 512);
  ASSERT_EQ(app.view.preview.picture.Height(), 128);
  EXPECT_EQ(app.view.preview.picture, Image(512, 128));

  // Glyph 64 (row 2 of the charset) stands right below glyph 0 in the 1 x 2 preview: cell (0, 1),
  // pixels 16..31 high at twice the size.
  PutGlyph(app.doc.store.editor, 64, Glyph{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  const unsigned before = app.view.preview.version;
  MarkCharsetChanged(app.view);
  FinishEvent(app);  // every charset redraw refreshes an open preview
  EXPECT_NE(app.view.preview.version, before);
  const Rgb ink = app.view.palette[app.doc.store.inks[64] % kPaletteSize];
  EXPECT_EQ(app.view.preview.picture.Pixel(8, 24), ink);
  EXPECT_EQ(app.view.preview.picture.Pixel(8, 8), 0u);
  EXPECT_EQ(app.view.preview.picture.Pixel(8, 40), 0u);

  CloseFontPreview(app);
  const unsigned closed = app.view.preview.version;
  MarkCharsetChanged(app.view);
  FinishEvent(app);
  EXPECT_EQ(app.view.preview.version, closed);
}

TEST(FontPreview, ScanlinesDarkenTheEvenRowsWhenChecked) {
  App app;
  app.doc.store.editor.fill(0xFF);
  MarkCharsetChanged(app.view);
  FinishEvent(app);
  OpenFontPreview(app, PreviewKind::TwoByTwo);
  const Image plain = app.view.preview.picture;
  CloseFontPreview(app);

  app.view.options.scanlines = true;
  OpenFontPreview(app, PreviewKind::TwoByTwo);
  const Image& lined = app.view.preview.picture;
  for (int y : {0, 2, 64, 126}) {
    EXPECT_EQ(lined.Pixel(5, y), BlendRgb(plain.Pixel(5, y), 0x000000, kScanlineAlpha)) << y;
    EXPECT_NE(lined.Pixel(5, y), plain.Pixel(5, y)) << y;
  }
  for (int y : {1, 3, 127}) EXPECT_EQ(lined.Pixel(5, y), plain.Pixel(5, y)) << y;
}

TEST(FontPreview, ACharsetPictureOfAnotherSizeLeavesThePreviewBlack) {
  for (const auto& [width, height] : {std::pair{256, 64}, std::pair{256, 63}, std::pair{255, 64}}) {
    FontPreviewState state;
    state.kind = PreviewKind::TwoByTwo;
    ComposeFontPreviewPicture(state, Image(width, height, 0xFFFFFF), false);
    EXPECT_EQ(state.picture, Image(512, 128, width == 256 && height == 64 ? 0xFFFFFF : 0)) << width << "x" << height;
  }
}

}  // namespace
}  // namespace kx
