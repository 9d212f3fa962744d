#pragma once

#include <QHash>
#include <QLabel>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace kx {

// A status bar field: a plain-text label that paints each text it shows once. The pointer changes the
// fields many times a second among a few hundred texts ("CHAR NUMBER: 035", "$23"), and a label shapes and
// draws its text again on every paint; this one keeps the painted field of each text and blits it. The
// field is opaque: it paints its own background, so the bar under it is not painted again either.
class StatusBarField : public QLabel {
 public:
  explicit StatusBarField(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  const QPixmap& Painted(const QString& text);

  QHash<QString, QPixmap> painted_;  // by text, for this size, alignment and pixel ratio
  QSize paintedSize_;
  Qt::Alignment paintedAlignment_;
  qreal paintedRatio_ = 0;
};

}  // namespace kx
