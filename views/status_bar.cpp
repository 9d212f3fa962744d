#include "views/status_bar.h"

#include "model/charset_colours.h"

namespace kx {
namespace {

// "PIXEL x,y  PAIR bb" for the multicolour pixel at charset pixel (px, py) of glyph n, or nothing when that
// glyph is drawn hi-res.
void DescribeMulticolourPixel(std::string& text, const CharsetStore& store, int n, int px, int py) {
  if (!IsMulticolourGlyph(store.colours.mode, store.inks[static_cast<std::size_t>(n)])) {
    text.clear();
    return;
  }
  const int column = px % 8 / 2, row = py % 8;
  const int pair = store.editor[static_cast<std::size_t>(n) * kGlyphBytes + row] >> (6 - 2 * column) & 3;
  char pixel[] = "PIXEL 0,0  PAIR 00";
  pixel[6] = static_cast<char>('0' + column);
  pixel[8] = static_cast<char>('0' + row);
  pixel[16] = static_cast<char>('0' + (pair >> 1));
  pixel[17] = static_cast<char>('0' + (pair & 1));
  text.assign(pixel, sizeof pixel - 1);
}

}  // namespace

void UpdateStatusBar(StatusBarState& status, const EditingState& e, const CharsetStore& store) {
  if (e.hoverTarget == HoverTarget::None) {
    status.hexNumber = kEmptyStatusField;
    status.romGlyph.reset();
    status.charNumber = "CHAR NUMBER:  ---";
    status.pixel.clear();
    return;
  }
  const int n = (e.hoverX / 8 + e.hoverY / 8 * 32) & 0xFF;
  // Written into the existing buffers: no allocation and no formatting machinery per mouse move.
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  char number[] = "CHAR NUMBER: 000";
  number[13] = static_cast<char>('0' + n / 100);
  number[14] = static_cast<char>('0' + n / 10 % 10);
  number[15] = static_cast<char>('0' + n % 10);
  status.charNumber.assign(number, sizeof number - 1);
  const char hex[] = {'$', kHexDigits[n >> 4], kHexDigits[n & 15]};
  status.hexNumber.assign(hex, sizeof hex);
  status.romGlyph = n;
  DescribeMulticolourPixel(status.pixel, store, n, e.hoverX, e.hoverY);
}

}  // namespace kx
