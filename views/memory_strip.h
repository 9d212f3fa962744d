#pragma once
// The import dialog's strip of a 64 KiB memory (a snapshot's RAM, a RAM dump): one small preview per 2 KiB
// charset position, $0000, $0800 ... $F800, eight to a row, so that a user finds the font by eye instead
// of by its address. Each preview shows the position's first 64 glyphs (the upper-case letters, digits
// and signs by which a font is known) as 8 rows of 8 at one screen pixel per glyph pixel, in the look of
// the dialog's preview; the position the dialog shows has a frame.

#include <cstdint>
#include <optional>
#include <span>

#include "runtime/image.h"
#include "views/charset_preview.h"

namespace kx {

inline constexpr int kStripPositions = 32;          // 64 KiB in 2 KiB steps
inline constexpr std::uint32_t kStripStep = 0x800;  // bytes from one position to the next
inline constexpr int kStripColumns = 8;
inline constexpr int kStripGlyphsShown = 64;
inline constexpr int kStripThumbnail = 64;  // pixels: 8 glyphs of 8
inline constexpr int kStripFrame = 2;       // pixels around each preview, in the frame colour when selected
inline constexpr int kStripPitch = kStripThumbnail + 2 * kStripFrame;
inline constexpr int kStripWidth = kStripColumns * kStripPitch;
inline constexpr int kStripHeight = (kStripPositions / kStripColumns) * kStripPitch;

// `memory` holds the 65536 bytes (anything shorter shows as zeros past its end); `selected` is the
// position framed, if any.
Image ComposeMemoryStrip(std::span<const std::uint8_t> memory, std::optional<int> selected, const PreviewLook& look);

// The position under strip pixel (x, y); none outside the strip.
std::optional<int> StripPositionAt(int x, int y);

}  // namespace kx
