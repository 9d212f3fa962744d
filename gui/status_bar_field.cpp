#include "gui/status_bar_field.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace kx {
namespace {

// More than the texts a field shows (257 at most); a field given unforeseen ones starts over.
constexpr int kMostPaintedFields = 600;

}  // namespace

StatusBarField::StatusBarField(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

// The field showing `text` as the label paints it: its background, its frame and the text aligned in its
// contents.
const QPixmap& StatusBarField::Painted(const QString& text) {
  const qreal ratio = devicePixelRatioF();
  if (size() != paintedSize_ || alignment() != paintedAlignment_ || ratio != paintedRatio_ ||
      painted_.size() >= kMostPaintedFields) {
    painted_.clear();
    paintedSize_ = size();
    paintedAlignment_ = alignment();
    paintedRatio_ = ratio;
  }
  auto found = painted_.find(text);
  if (found == painted_.end()) {
    QPixmap field(size() * ratio);
    field.setDevicePixelRatio(ratio);
    field.fill(palette().color(backgroundRole()));
    QPainter painter(&field);
    painter.setFont(font());  // a painter on a pixmap starts with the application's face, not the field's
    if (frameShape() != QFrame::NoFrame) drawFrame(&painter);
    const int direction = text.isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()) | direction,
                          palette(), isEnabled(), text, foregroundRole());
    found = painted_.insert(text, field);
  }
  return found.value();
}

void StatusBarField::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QString shown = text();
  if (!shown.isEmpty() && pixmap().isNull()) {
    painter.drawPixmap(0, 0, Painted(shown));
    return;
  }
  // A picture, or nothing: the label paints it over the background.
  painter.fillRect(rect(), palette().brush(backgroundRole()));
  painter.end();
  QLabel::paintEvent(event);
}

// In another face, colour, style or state every field looks different.
void StatusBarField::changeEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
      painted_.clear();
      break;
    default:
      break;
  }
  QLabel::changeEvent(event);
}

}  // namespace kx
