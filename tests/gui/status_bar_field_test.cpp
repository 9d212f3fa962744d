#include <gtest/gtest.h>

#include <functional>

#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPixmap>

#include "gui/status_bar_field.h"

namespace kx {
namespace {

// The field keeps each text it painted but must show every text exactly where and how a plain label shows
// it, also after each thing its look follows changed alone (a field kept from before would show the old
// face, colour or place), and a picture as the label shows one.
TEST(StatusBarField, ShowsEachTextAsAPlainLabelDoes) {
  const std::function<void(QLabel*)> looks[] = {
      [](QLabel*) {},
      [](QLabel* l) {
        QFont face = l->font();
        face.setPixelSize(15);
        l->setFont(face);
      },
      [](QLabel* l) {
        QPalette colours = l->palette();
        colours.setColor(QPalette::WindowText, Qt::darkRed);
        l->setPalette(colours);
      },
      [](QLabel* l) { l->setAlignment(Qt::AlignCenter); },
      [](QLabel* l) { l->setFixedSize(90, 24); },
  };
  const char* texts[] = {"CHAR NUMBER: 035", "$23", "CHAR NUMBER:  ---", "CHARSET 1", "$23"};
  StatusBarField field(nullptr);
  QLabel label;
  label.setTextFormat(Qt::PlainText);
  for (QLabel* l : {static_cast<QLabel*>(&field), &label}) {
    l->setFixedSize(120, 30);
    QFont face = l->font();
    face.setPixelSize(11);
    l->setFont(face);
  }
  for (std::size_t look = 0; look < std::size(looks); ++look) {
    for (QLabel* l : {static_cast<QLabel*>(&field), &label}) looks[look](l);
    for (const char* text : texts) {
      field.setText(text);
      label.setText(text);
      EXPECT_EQ(field.grab().toImage(), label.grab().toImage()) << text << ", look " << look;
    }
  }
  QPixmap glyph(16, 16);
  glyph.fill(Qt::black);
  field.setPixmap(glyph);
  label.setPixmap(glyph);
  EXPECT_EQ(field.grab().toImage(), label.grab().toImage());
}

}  // namespace
}  // namespace kx
