#include "gui/colours_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPixmap>
#include <QSpinBox>

#include "model/palette.h"

namespace kx {
namespace {

constexpr const char* kColourNames[kPaletteSize] = {
    "Black", "White", "Red", "Cyan", "Purple", "Green", "Blue", "Yellow",
    "Orange", "Brown", "Light red", "Dark grey", "Grey", "Light green", "Light blue", "Light grey"};

constexpr int kInkPicker = 4;

QComboBox* ColourPicker(int colour, const QString& name, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  const Palette palette = MakePalette();
  for (int n = 0; n < kPaletteSize; ++n) {
    QPixmap swatch(16, 16);
    swatch.fill(QColor::fromRgb(palette[static_cast<std::size_t>(n)]));
    box->addItem(QIcon(swatch), QStringLiteral("%1  %2").arg(n).arg(QString::fromLatin1(kColourNames[n])));
  }
  box->setCurrentIndex(colour & (kPaletteSize - 1));
  return box;
}

}  // namespace

QString ColoursDialog::PickerName(int picker) {
  return picker == kInkPicker ? QStringLiteral("ink") : QStringLiteral("register%1").arg(picker);
}

ColoursDialog::ColoursDialog(const ColourChoice& current, QWidget* parent) : QDialog(parent), choice_(current) {
  setWindowTitle(QStringLiteral("Charset Colours"));
  auto* form = new QFormLayout(this);
  const char* labels[] = {"Background ($D021)", "Multicolour 1 / background 1 ($D022)",
                          "Multicolour 2 / background 2 ($D023)", "Background 3 ($D024)"};
  for (std::size_t r = 0; r < 4; ++r) {
    pickers_[r] = ColourPicker(current.registers[r], PickerName(static_cast<int>(r)), this);
    form->addRow(QString::fromLatin1(labels[r]), pickers_[r]);
  }
  glyph_ = new QSpinBox(this);
  glyph_->setObjectName(QStringLiteral("glyph"));
  glyph_->setRange(0, static_cast<int>(current.inks.size()) - 1);
  glyph_->setValue(current.glyph);
  form->addRow(QStringLiteral("Glyph"), glyph_);
  // Inks 8-15 make a glyph multicolour in multicolour mode: its pair 11 then shows ink - 8.
  const auto inkOf = [this](int glyph) -> std::uint8_t& { return choice_.inks[static_cast<std::size_t>(glyph)]; };
  pickers_[kInkPicker] = ColourPicker(inkOf(glyph_->value()), PickerName(kInkPicker), this);
  form->addRow(QStringLiteral("Ink"), pickers_[kInkPicker]);
  connect(glyph_, &QSpinBox::valueChanged, this,
          [this, inkOf](int glyph) { pickers_[kInkPicker]->setCurrentIndex(inkOf(glyph) & (kPaletteSize - 1)); });
  connect(pickers_[kInkPicker], &QComboBox::currentIndexChanged, this,
          [this, inkOf](int ink) { inkOf(glyph_->value()) = static_cast<std::uint8_t>(ink); });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

ColourChoice ColoursDialog::Choice() const {
  ColourChoice choice = choice_;
  for (std::size_t r = 0; r < 4; ++r) choice.registers[r] = static_cast<std::uint8_t>(pickers_[r]->currentIndex());
  choice.glyph = glyph_->value();
  return choice;
}

}  // namespace kx
