#pragma once

#include <QHash>
#include <QLabel>
#include <QSizeF>
#include <QStaticText>
#include <QString>

namespace kx {

// A status bar field: a plain-text label that lays out each text it is given once. The pointer changes the
// fields' texts many times a second among a few hundred texts ("CHAR NUMBER: 035", "$23", ...), and a
// label lays out and shapes its text again on every paint; this one keeps each text's layout and draws it
// where the label would. A picture is shown as the label shows it.
class StatusBarField : public QLabel {
 public:
  explicit StatusBarField(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct LaidOutText {
    QStaticText text;
    QSizeF size;  // its advance and the font's line height
  };
  const LaidOutText& LaidOut(const QString& text);

  QHash<QString, LaidOutText> laidOut_;
};

}  // namespace kx
