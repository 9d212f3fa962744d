#include "views/status_bar.h"

#include <cstdio>

namespace kx {

void UpdateStatusBar(StatusBarState& status, const EditingState& e) {
  if (e.hoverTarget == HoverTarget::None) {
    status.hexNumber = kEmptyStatusField;
    status.romGlyph.reset();
    status.charNumber = "CHAR NUMBER:  ---";
    return;
  }
  const int n = (e.hoverX / 8 + e.hoverY / 8 * 32) & 0xFF;
  char text[24];
  std::snprintf(text, sizeof text, "CHAR NUMBER: %03d", n);
  status.charNumber = text;  // assigned into the existing buffer: no allocation per mouse move
  std::snprintf(text, sizeof text, "$%02X", n);
  status.hexNumber = text;
  status.romGlyph = n;
}

}  // namespace kx
