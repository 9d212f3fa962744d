#pragma once

#include <QLabel>
#include <QString>

namespace kx {

// A label for the program's own texts. They are shown as they stand: a text such as "< Code >" or a file
// name with angle brackets must not be taken for markup, which Qt's automatic format would do.
inline QLabel* PlainLabel(QWidget* parent, const QString& text = {}) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  return label;
}

}  // namespace kx
