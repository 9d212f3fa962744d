#include "gui/status_bar_field.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPaintEvent>

namespace kx {
namespace {

// Far more than the texts the fields show; only a field given unforeseen texts ever starts over.
constexpr int kMostLaidOutTexts = 1024;

}  // namespace

StatusBarField::StatusBarField(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

const StatusBarField::LaidOutText& StatusBarField::LaidOut(const QString& text) {
  if (laidOut_.size() >= kMostLaidOutTexts) laidOut_.clear();
  auto found = laidOut_.find(text);
  if (found == laidOut_.end()) {
    LaidOutText laid{QStaticText(text), {}};
    laid.text.setTextFormat(Qt::PlainText);
    laid.text.setPerformanceHint(QStaticText::AggressiveCaching);
    const QFontMetricsF metrics(font());
    laid.size = QSizeF(metrics.horizontalAdvance(text), metrics.height());
    found = laidOut_.insert(text, laid);
  }
  return found.value();
}

void StatusBarField::changeEvent(QEvent* event) {
  // Laid out in another face, every text takes another shape.
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) laidOut_.clear();
  QLabel::changeEvent(event);
}

void StatusBarField::paintEvent(QPaintEvent* event) {
  const QString shown = text();
  if (shown.isEmpty() || !pixmap().isNull()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  if (frameShape() != QFrame::NoFrame) drawFrame(&painter);
  // Placed as a label places one line: aligned in the contents by its advance and the font's line height.
  const QRectF area = contentsRect();
  const LaidOutText& laid = LaidOut(shown);
  const QSizeF size = laid.size;
  const Qt::Alignment a = alignment();
  qreal x = area.left();
  if (a & Qt::AlignHCenter) x += (area.width() - size.width()) / 2;
  if (a & Qt::AlignRight) x += area.width() - size.width();
  qreal y = area.top();
  if (a & Qt::AlignVCenter) y += (area.height() - size.height()) / 2;
  if (a & Qt::AlignBottom) y += area.height() - size.height();
  painter.setPen(palette().color(foregroundRole()));
  painter.drawStaticText(QPointF(x, y), laid.text);
}

}  // namespace kx
