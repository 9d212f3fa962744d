#pragma once
// The charset colours dialog: the four colour registers and the ink of a glyph chosen by its number, each
// picked from the 16 C64 colours. Inks picked for several glyphs in turn are all kept.

#include <QDialog>

#include <array>

#include "runtime/dialogs.h"

class QComboBox;
class QSpinBox;

namespace kx {

class ColoursDialog : public QDialog {
 public:
  ColoursDialog(const ColourChoice& current, QWidget* parent);
  // The values shown now: the chosen ones after OK.
  ColourChoice Choice() const;

  // Object names of the pickers, for tests: "register0".."register3" and "ink"; the glyph number is "glyph".
  static QString PickerName(int picker);

 private:
  ColourChoice choice_;
  std::array<QComboBox*, 5> pickers_{};
  QSpinBox* glyph_ = nullptr;
};

}  // namespace kx
