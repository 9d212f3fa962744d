#pragma once
// Composing the main window's pictures from the charset, the editing state and the view options.
// Each step replaces one picture of ViewPictures and counts the change.

#include "model/charset_store.h"
#include "model/editing_state.h"
#include "model/palette.h"
#include "views/layout.h"
#include "views/view_pictures.h"

namespace kx {

inline constexpr Rgb kHoverPixelOutline = 0xFF00FF;
inline constexpr Rgb kHoverGlyphOutline = 0xFF0000;
inline constexpr Rgb kPaneHoverOutline = 0xFF00FF;
inline constexpr Rgb kSelectionOutline = 0x00FFFF;  // the glyph selection, in both views
inline constexpr Rgb kPaneFadeColour = 0x404040;
inline constexpr int kPaneFadeAlpha = 128;
inline constexpr Rgb kPaneFrameColour = 0xE0E0E0;
inline constexpr int kPaneFrameAlpha = 192;

// The 256 ROM glyphs at twice their size, set pixels in palette entry 1 and clear ones in entry 0.
void BuildRomReferenceImages(ViewPictures& pictures, const Palette& palette);

// The charset image: every glyph's set pixels in its ink, clear pixels in the paper colour.
void RebuildCharsetImage(ViewPictures& pictures, const CharsetStore& store, const Palette& palette);

// The editor view: the enlarged visible part of the charset image with its grids and display emulation,
// then the hover cell, the hover outlines and the glyph selection's outline.
void RenderEditorView(ViewPictures& pictures, const EditingState& editing, const ViewLayout& layout,
                      const Palette& palette, const ViewOptions& options);

// The editor charset pane: the charset image doubled, with the visible-part frame, the dimmed outside, the
// hovered glyph's outline and the glyph selection's outline, and the scanlines. The selection is outlined
// whatever the highlight options say: the glyph keys act on it, so it never goes unseen.
void RenderEditorPane(ViewPictures& pictures, const EditingState& editing, const ViewLayout& layout,
                      const ViewOptions& options);

// The Pen Colour swatch: the right pen's colour behind a disc of the left pen's colour. A pen's colour is
// its palette entry, or while the glyph under the pointer (the one last pointed at) is a multicolour glyph
// of the charset image, the colour its bit pair shows in that glyph.
void RenderPenSwatch(ViewPictures& pictures, const EditingState& editing, const Palette& palette,
                     const ViewOptions& options);

// The pens' colours RenderPenSwatch would use now.
PenSwatchSource PenSwatchColours(const EditingState& editing, const CharsetImageSource& glyphs);

// Whether the swatch shows other colours than the pens have now: the pointer crossed onto a glyph of
// another mode or ink, or that glyph's colours changed.
bool PenSwatchStale(const ViewPictures& pictures, const EditingState& editing);

// The swatch's disc, the left pen's colour: centre and radius in swatch pixels.
inline constexpr int kSwatchDiscX = 21;
inline constexpr int kSwatchDiscY = 10;
inline constexpr int kSwatchDiscRadius = 7;
constexpr bool OnSwatchDisc(int x, int y) {
  return (x - kSwatchDiscX) * (x - kSwatchDiscX) + (y - kSwatchDiscY) * (y - kSwatchDiscY) <=
         kSwatchDiscRadius * kSwatchDiscRadius;
}

// The memory pane picture becomes the charset image as it is now, smoothed to the pane's size.
void CaptureMemoryPane(ViewPictures& pictures);

}  // namespace kx
