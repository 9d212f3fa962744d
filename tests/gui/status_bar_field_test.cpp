#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPixmap>

#include "gui/status_bar_field.h"

namespace kx {
namespace {

// The field keeps each text's layout but must show every text exactly where and how a plain label shows
// it, in each alignment the status bar uses, after its text changed back and forth and after its face
// changed (a layout kept from the old face would be drawn in the wrong size).
TEST(StatusBarField, ShowsEachTextAsAPlainLabelDoes) {
  const Qt::Alignment alignments[] = {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignCenter};
  const char* texts[] = {"CHAR NUMBER: 035", "$23", "CHAR NUMBER:  ---", "CHARSET 1", "$23"};
  for (const Qt::Alignment alignment : alignments) {
    StatusBarField field(nullptr);
    QLabel label;
    label.setTextFormat(Qt::PlainText);
    for (QLabel* l : {static_cast<QLabel*>(&field), &label}) {
      l->setFixedSize(120, 30);
      l->setAlignment(alignment);
    }
    for (const int pixelSize : {11, 15}) {
      for (QLabel* l : {static_cast<QLabel*>(&field), &label}) {
        QFont face = l->font();
        face.setPixelSize(pixelSize);
        l->setFont(face);
      }
      for (const char* text : texts) {
        field.setText(text);
        label.setText(text);
        EXPECT_EQ(field.grab().toImage(), label.grab().toImage()) << text << " at " << pixelSize << " px";
      }
    }
    // A picture is shown as the label shows it, and a text after it again.
    QPixmap glyph(16, 16);
    glyph.fill(Qt::black);
    field.setPixmap(glyph);
    label.setPixmap(glyph);
    EXPECT_EQ(field.grab().toImage(), label.grab().toImage());
    field.setText("$41");
    label.setText("$41");
    EXPECT_EQ(field.grab().toImage(), label.grab().toImage());
  }
}

}  // namespace
}  // namespace kx
