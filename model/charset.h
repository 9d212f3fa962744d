#pragma once
// Glyphs and charsets in the byte layout the C64 video chip reads.
//
// A Glyph is 8 bytes, byte 0 the top pixel row; in each byte bit 7 is the leftmost pixel.
// A Charset is 256 glyphs, glyph n at bytes 8n..8n+7. Seen as a picture it is 256x64 pixels:
// 32 glyphs across, 8 glyph rows down.

#include <array>
#include <cstddef>
#include <cstdint>

namespace kx {

inline constexpr int kGlyphCount = 256;
inline constexpr int kGlyphBytes = 8;
inline constexpr int kCharsetBytes = kGlyphCount * kGlyphBytes;  // 2048
inline constexpr int kGlyphsPerRow = 32;
inline constexpr int kGlyphRows = 8;
inline constexpr int kRowBytes = kGlyphsPerRow * kGlyphBytes;  // 256
inline constexpr int kCharsetWidth = 256;                      // pixels
inline constexpr int kCharsetHeight = 64;                      // pixels

using Glyph = std::array<std::uint8_t, kGlyphBytes>;
using Charset = std::array<std::uint8_t, kCharsetBytes>;

// Glyph n is in glyph row n / 32 and glyph column n % 32; out-of-range numbers are wrapped into 0..255
// so no caller can index past the 2048 bytes.
constexpr int ClampGlyphIndex(int n) { return n & (kGlyphCount - 1); }
constexpr int GlyphRowOf(int n) { return ClampGlyphIndex(n) / kGlyphsPerRow; }
constexpr int GlyphColumnOf(int n) { return ClampGlyphIndex(n) % kGlyphsPerRow; }
constexpr int GlyphAtCell(int column, int row) { return ClampGlyphIndex(row * kGlyphsPerRow + column); }

// Pixel (x, y) of a glyph (x, y in 0..7) is bit 7 - x of byte y.
constexpr bool GlyphPixel(const Glyph& g, int x, int y) { return (g[y & 7] >> (7 - (x & 7))) & 1; }

Glyph GetGlyph(const Charset& charset, int n);
void PutGlyph(Charset& charset, int n, const Glyph& g);

// Charset-pixel space: x 0..255, y 0..63. Pixel (x, y) is bit 7 - (x mod 8) of byte
// (x div 8)*8 + (y div 8)*256 + (y mod 8). Coordinates outside the bitmap are not touched / read as clear.
constexpr bool InCharset(int x, int y) { return x >= 0 && x < kCharsetWidth && y >= 0 && y < kCharsetHeight; }
constexpr int CharsetPixelByte(int x, int y) { return (x / 8) * 8 + (y / 8) * kRowBytes + (y % 8); }
constexpr int CharsetPixelBit(int x) { return 7 - (x % 8); }
bool GetCharsetPixel(const Charset& charset, int x, int y);
void SetCharsetPixel(Charset& charset, int x, int y, bool on);

}  // namespace kx
