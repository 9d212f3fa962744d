#include "views/status_bar.h"

namespace kx {

void UpdateStatusBar(StatusBarState& status, const EditingState& e) {
  if (e.hoverTarget == HoverTarget::None) {
    status.hexNumber = kEmptyStatusField;
    status.romGlyph.reset();
    status.charNumber = "CHAR NUMBER:  ---";
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
}

}  // namespace kx
