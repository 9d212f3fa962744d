#pragma once
// The charset colours dialog: the four colour registers and one glyph's ink, each picked from the 16 C64
// colours.

#include <QDialog>

#include <array>

#include "runtime/dialogs.h"

class QComboBox;

namespace kx {

class ColoursDialog : public QDialog {
 public:
  ColoursDialog(const ColourChoice& current, QWidget* parent);
  // The values shown now: the chosen ones after OK.
  ColourChoice Choice() const;

  // Object names of the pickers, for tests: "register0".."register3" and "ink".
  static QString PickerName(int picker);

 private:
  ColourChoice current_;
  std::array<QComboBox*, 5> pickers_{};
};

}  // namespace kx
