// The pictures kept up to date piece by piece must equal pictures composed from nothing, after every
// step of random editing sessions; and what a canvas shows after repainting only the damaged rectangles
// must equal the picture.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "model/rom_charset.h"
#include "views/render.h"

namespace kx {
namespace {

// What a canvas shows: its copy of the picture, refreshed only where the damage says.
struct Screen {
  Image shown;

  void Repaint(const Image& picture, Damage& damage) {
    if (shown.Width() != picture.Width() || shown.Height() != picture.Height()) {
      shown = picture;  // a new size is shown whole
    } else {
      for (const Rect& r : damage.rects) {
        const Rect part = Intersect(r, picture.Bounds());
        for (int y = part.y; y < part.y + part.h; ++y) {
          std::copy_n(picture.Row(y) + part.x, part.w, shown.Row(y) + part.x);
        }
      }
    }
    damage.Clear();
  }
};

// Where two pictures of the same size first differ, for the failure message.
std::string FirstDifference(const Image& a, const Image& b) {
  for (int y = 0; y < std::min(a.Height(), b.Height()); ++y) {
    for (int x = 0; x < std::min(a.Width(), b.Width()); ++x) {
      if (a.Pixel(x, y) != b.Pixel(x, y)) return "first difference at " + std::to_string(x) + "," + std::to_string(y);
    }
  }
  return "sizes differ";
}

struct Session {
  std::mt19937 random;
  CharsetStore store = MakeStartupStore();
  Palette palette = MakePalette();
  EditingState editing;
  ViewLayout layout;
  ViewOptions options;
  ViewPictures pictures;
  Screen view, pane;
  int lastEvent = -1;

  Session(unsigned seed, const ViewOptions& start) : random(seed), options(start) {
    Zoom(kDefaultZoomIndex);
    RebuildCharsetImage(pictures, store, palette);
  }

  int Next(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
  bool Chance(int percent) { return Next(100) < percent; }

  void Zoom(int index) {
    editing.zoomIndex = index;
    layout = LayoutViews(WindowMetrics{}, index);
    ClampScroll(layout, editing);
  }

  // One event: the state changes it makes, then the render steps the program runs after it.
  void Step() { Step(Next(12)); }
  void Step(int event) {
    bool charset = false;
    lastEvent = event;
    switch (lastEvent) {
      case 0:  // a mouse move over the view, mostly to a neighbouring pixel as a hand moves
        if (editing.hoverTarget == HoverTarget::EditorView && Chance(70)) {
          editing.hoverX = std::clamp(editing.hoverX + Next(3) - 1, editing.scrollX,
                                      std::min(kCharsetWidth, editing.scrollX + layout.ColumnsVisible()) - 1);
          editing.hoverY = std::clamp(editing.hoverY + Next(3) - 1, editing.scrollY,
                                      std::min(kCharsetHeight, editing.scrollY + layout.RowsVisible()) - 1);
        } else {
          editing.hoverTarget = HoverTarget::EditorView;
          editing.hoverX = editing.scrollX + Next(layout.ColumnsVisible());
          editing.hoverY = editing.scrollY + Next(layout.RowsVisible());
        }
        break;
      case 1:  // ... over the pane
        editing.hoverTarget = HoverTarget::EditorPane;
        editing.hoverX = Next(kCharsetWidth);
        editing.hoverY = Next(kCharsetHeight);
        break;
      case 2:
        editing.hoverTarget = HoverTarget::None;
        break;
      case 3:  // a drawn pixel, often under the pointer, mostly where the view shows it
        if (Chance(50)) {
          SetCharsetPixel(store.editor, editing.hoverX, editing.hoverY, Chance(50));
        } else {
          SetCharsetPixel(store.editor, editing.scrollX + Next(layout.ColumnsVisible() + 8),
                          editing.scrollY + Next(layout.RowsVisible()), Chance(50));
        }
        charset = true;
        break;
      case 4:  // a whole-charset change or a swap
        if (Chance(50)) {
          store.editor = RomCharset();
        } else {
          for (auto& byte : store.editor) byte = static_cast<std::uint8_t>(Next(256));
        }
        charset = true;
        break;
      case 5:  // an ink, or the display mode (multicolour glyphs, double-wide hover cells)
        if (Chance(20)) {
          store.colours.mode = static_cast<DisplayMode>(Next(3));
        } else {
          store.inks[static_cast<std::size_t>(Next(kGlyphCount))] = static_cast<std::uint8_t>(Next(kPaletteSize));
        }
        charset = true;
        break;
      case 6:
        editing.scrollX = Next(kCharsetWidth);
        editing.scrollY = Next(kCharsetHeight);
        ClampScroll(layout, editing);
        break;
      case 7:
        Zoom(Next(kZoomLevels));
        break;
      case 8:
        palette = MakePalette(static_cast<Brightness>(Next(3)));
        charset = true;
        break;
      case 9: {
        bool* flags[] = {&options.charGrid,  &options.pixelGrid,  &options.hoverChar, &options.hoverPixel,
                         &options.paneFrame, &options.paneFade,   &options.highlights, &options.scanlines,
                         &options.crtMain,   &options.crtEdge,    &options.emulationOnGrids};
        bool& flag = *flags[Next(11)];
        flag = !flag;
        break;
      }
      case 10:
        if (Chance(30)) {
          editing.selection = {};
        } else if (Chance(50)) {  // around the hovered glyph, its outline through the hover cell
          editing.selection = {editing.hoverX / 8 - Next(2), editing.hoverY / 8 - Next(2), editing.hoverX / 8,
                               editing.hoverY / 8};
        } else {
          editing.selection = {Next(kGlyphsPerRow), Next(kGlyphRows), Next(kGlyphsPerRow), Next(kGlyphRows)};
        }
        break;
      default:
        editing.leftPen.index = Next(kPaletteSize);
        editing.leftPen.pair = Next(5) - 1;
        break;
    }
    if (charset || Chance(10)) RebuildCharsetImage(pictures, store, palette);
    RenderEditorPane(pictures, editing, layout, options);
    RenderEditorView(pictures, editing, layout, palette, options);
    view.Repaint(pictures.editorView, pictures.damage.editorView);
    pane.Repaint(pictures.editorPane, pictures.damage.editorPane);
  }

  ViewPictures FromNothing() const {
    ViewPictures fresh;
    RebuildCharsetImage(fresh, store, palette);
    RenderEditorPane(fresh, editing, layout, options);
    RenderEditorView(fresh, editing, layout, palette, options);
    return fresh;
  }
};

TEST(IncrementalPictures, EqualPicturesComposedFromNothingAfterEveryEvent) {
  // Every combination of the display emulation settings to start from; the sessions toggle them too.
  for (int combo = 0; combo < 16; ++combo) {
    const ViewOptions start{.scanlines = (combo & 1) != 0, .crtMain = (combo & 2) != 0,
                            .crtEdge = (combo & 4) != 0, .emulationOnGrids = (combo & 8) != 0};
    Session s(1234u + static_cast<unsigned>(combo), start);
    s.editing.hoverTarget = HoverTarget::EditorView;
    for (int step = 0; step < 120; ++step) {
      s.Step();
      const ViewPictures fresh = s.FromNothing();
      SCOPED_TRACE(testing::Message() << "emulation " << combo << ", step " << step << ", event " << s.lastEvent
                                      << ", zoom " << s.editing.zoomIndex);
      ASSERT_EQ(s.pictures.charset, fresh.charset);
      ASSERT_EQ(s.pictures.editorPane, fresh.editorPane);
      ASSERT_EQ(s.pictures.editorView, fresh.editorView) << FirstDifference(s.pictures.editorView, fresh.editorView);
      ASSERT_EQ(s.view.shown, fresh.editorView) << FirstDifference(s.view.shown, fresh.editorView);
      ASSERT_EQ(s.pane.shown, fresh.editorPane);
    }
  }
}

// A hand moving over the view between other events: the pixels under the hover cell, kept to be put back
// when it moves on, must not outlive a drawn pixel, an outline or an option that changed them.
TEST(IncrementalPictures, EqualPicturesComposedFromNothingAlongAHoverWalk) {
  constexpr int kEvents[] = {0, 0, 0, 0, 0, 3, 5, 9, 10, 11};  // moves, drawing, inks, options, selections, pens
  for (int combo = 0; combo < 8; ++combo) {
    Session s(99u + static_cast<unsigned>(combo),
              ViewOptions{.scanlines = (combo & 1) != 0, .crtMain = (combo & 2) != 0, .crtEdge = (combo & 4) != 0});
    s.store.colours.mode = static_cast<DisplayMode>(combo % 3);
    for (auto& ink : s.store.inks) ink = static_cast<std::uint8_t>(8 + s.Next(8));  // multicolour where the mode has it
    RebuildCharsetImage(s.pictures, s.store, s.palette);
    s.editing.hoverTarget = HoverTarget::EditorView;
    s.editing.hoverX = s.editing.scrollX + 9;
    s.editing.hoverY = s.editing.scrollY + 3;
    for (int step = 0; step < 150; ++step) {
      s.Step(kEvents[s.Next(std::size(kEvents))]);
      SCOPED_TRACE(testing::Message() << "emulation " << combo << ", step " << step << ", event " << s.lastEvent);
      const ViewPictures fresh = s.FromNothing();
      ASSERT_EQ(s.pictures.editorView, fresh.editorView) << FirstDifference(s.pictures.editorView, fresh.editorView);
      ASSERT_EQ(s.view.shown, fresh.editorView) << FirstDifference(s.view.shown, fresh.editorView);
    }
  }
}

TEST(IncrementalPictures, AHoverMoveRecomposesOnlyTheOutlinesThatMoved) {
  Session s(7u, ViewOptions{.crtMain = true, .crtEdge = true});
  s.Zoom(3);  // 32x: a glyph is 256 pixels
  s.editing.hoverTarget = HoverTarget::EditorView;
  s.editing.hoverX = 9;
  s.editing.hoverY = 3;
  RenderEditorView(s.pictures, s.editing, s.layout, s.palette, s.options);
  s.pictures.damage.editorView.Clear();

  s.editing.hoverX = 10;  // the same glyph: only the hover cell moves
  RenderEditorView(s.pictures, s.editing, s.layout, s.palette, s.options);
  const Damage& damage = s.pictures.damage.editorView;
  ASSERT_EQ(damage.rects.size(), 2u);
  EXPECT_EQ(damage.rects[0], (Rect{9 * 32, 3 * 32, 32, 32}));
  EXPECT_EQ(damage.rects[1], (Rect{10 * 32, 3 * 32, 32, 32}));
}

TEST(IncrementalPictures, ADrawnPixelRecomposesItsBlockInTheViewAndItsGlyphInThePane) {
  Session s(8u, ViewOptions{});
  s.editing.hoverTarget = HoverTarget::None;
  RenderEditorPane(s.pictures, s.editing, s.layout, s.options);
  RenderEditorView(s.pictures, s.editing, s.layout, s.palette, s.options);
  s.pictures.damage = {};

  SetCharsetPixel(s.store.editor, 8 + 3, 8 + 2, !GetCharsetPixel(s.store.editor, 11, 10));  // glyph 33
  RebuildCharsetImage(s.pictures, s.store, s.palette);
  RenderEditorPane(s.pictures, s.editing, s.layout, s.options);
  RenderEditorView(s.pictures, s.editing, s.layout, s.palette, s.options);
  EXPECT_EQ(s.pictures.damage.editorPane.rects, (std::vector<Rect>{{16, 16, 16, 16}}));
  EXPECT_EQ(s.pictures.damage.editorView.rects, (std::vector<Rect>{{88, 80, 8, 8}}));  // pixel (11, 10) at 8x
}

// A scroll of the view moves the pane's frame and the edge of its lit part: those are recomposed, not the
// whole pane, with the frame drawn and the rest dimmed as well as without either.
TEST(IncrementalPictures, AScrollRecomposesOnlyThePaneFrameAndTheLightThatMoved) {
  for (const bool fade : {true, false}) {
    Session s(9u, ViewOptions{.paneFade = fade});
    s.editing.hoverTarget = HoverTarget::None;
    RenderEditorPane(s.pictures, s.editing, s.layout, s.options);
    s.pictures.damage = {};
    s.editing.scrollX += 8;
    s.editing.scrollY += 1;
    ClampScroll(s.layout, s.editing);
    RenderEditorPane(s.pictures, s.editing, s.layout, s.options);
    long long area = 0;
    for (const Rect& r : s.pictures.damage.editorPane.rects) area += static_cast<long long>(r.w) * r.h;
    EXPECT_GT(area, 0) << fade;
    EXPECT_LT(area, kPaneWidth * kPaneHeight / 8) << fade;
    EXPECT_EQ(s.pictures.editorPane, s.FromNothing().editorPane) << fade;
  }
}

}  // namespace
}  // namespace kx
