#include "gui/canvas_widget.h"

#include <utility>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWheelEvent>

#include "gui/frame_pacer.h"

namespace kx {
namespace {

// The keys without a letter; the letter keys follow from kKeyCharacters.
constexpr std::pair<int, Key> kKeys[] = {
    {Qt::Key_Home, Key::Home},   {Qt::Key_End, Key::End},     {Qt::Key_Left, Key::Left},
    {Qt::Key_Right, Key::Right}, {Qt::Key_Up, Key::Up},       {Qt::Key_Down, Key::Down},
    {Qt::Key_Plus, Key::Plus},   {Qt::Key_Minus, Key::Minus}, {Qt::Key_Delete, Key::Delete},
    {Qt::Key_BracketLeft, Key::BracketLeft}, {Qt::Key_BracketRight, Key::BracketRight},
    {Qt::Key_Escape, Key::Escape},
    // The main keyboard's "+" and "-" keys, whether or not Shift is held with them.
    {Qt::Key_Equal, Key::Plus},  {Qt::Key_Underscore, Key::Minus},
};

Key KeyOf(const QKeyEvent& event) {
  // Qt's codes of the letter keys are their upper-case letters.
  for (const KeyCharacter& k : kKeyCharacters) {
    if (IsLetterKey(k.key) && event.key() == Qt::Key_A + (k.character - 'A')) return k.key;
  }
  const bool keypad = event.modifiers() & Qt::KeypadModifier;
  for (const auto& [code, key] : kKeys) {
    if (code != event.key()) continue;
    // Zooming belongs to the main keyboard's keys, not the keypad's.
    if (keypad && (key == Key::Plus || key == Key::Minus)) return Key::Other;
    return key;
  }
  return Key::Other;
}

MouseButton ButtonOf(Qt::MouseButton b) {
  if (b == Qt::LeftButton) return MouseButton::Left;
  if (b == Qt::RightButton) return MouseButton::Right;
  return MouseButton::None;
}

}  // namespace

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  moveTimer_.setSingleShot(true);
  moveTimer_.setTimerType(Qt::PreciseTimer);
  connect(&moveTimer_, &QTimer::timeout, this, &CanvasWidget::HandOnHeldMove);
}

void CanvasWidget::PaceMoves(const FramePacer* pacer) {
  pacer_ = pacer;
  if (!pacer_) {
    moveTimer_.stop();
    heldMove_.reset();
  }
}

void CanvasWidget::HandOnHeldMove() {
  moveTimer_.stop();
  if (!heldMove_) return;
  const MouseEvent e = *heldMove_;
  heldMove_.reset();
  sinceMove_.start();
  if (onMouse) onMouse(e);
}

bool CanvasWidget::HoldMove(const MouseEvent& e) {
  if (e.action != MouseAction::Move || e.leftHeld || e.rightHeld || !pacer_) return false;
  if (heldMove_) {
    heldMove_ = e;
    return true;
  }
  const int frame = pacer_->FrameMillis();
  if (frame == 0 || !sinceMove_.isValid() || sinceMove_.elapsed() >= frame) {
    sinceMove_.start();
    return false;
  }
  heldMove_ = e;
  moveTimer_.start(static_cast<int>(frame - sinceMove_.elapsed()));
  return true;
}

// Any other input to the canvas comes after the held move.
bool CanvasWidget::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::Enter:
    case QEvent::Leave:
      if (heldMove_) HandOnHeldMove();
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

void CanvasWidget::SetPicture(const std::uint32_t* pixels, int width, int height, int strideBytes) {
  picture_ = QImage(reinterpret_cast<const uchar*>(pixels), width, height, strideBytes, QImage::Format_RGB32);
  update();
}

void CanvasWidget::UpdatePicture(const std::uint32_t* pixels, int width, int height, int strideBytes,
                                 const std::vector<QRect>& changed) {
  const bool samePicture = !picture_.isNull() && picture_.constBits() == reinterpret_cast<const uchar*>(pixels) &&
                           picture_.width() == width && picture_.height() == height &&
                           picture_.bytesPerLine() == strideBytes;
  if (!samePicture) {
    SetPicture(pixels, width, height, strideBytes);
    return;
  }
  QRegion region;
  for (const QRect& r : changed) region += r;
  update(region);
}

void CanvasWidget::ShowFocusFrame(bool shown) {
  focusFrame_ = shown;
  update();
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // The picture is blitted where it lies; only what it leaves uncovered is filled.
  for (const QRect& r : event->region()) {
    const QRect part = r & picture_.rect();
    if (!part.isEmpty()) painter.drawImage(part.topLeft(), picture_, part);
  }
  for (const QRect& r : event->region() - QRegion(picture_.rect())) painter.fillRect(r, Qt::black);
  // The two-pixel focus frame is drawn only when the repainted region reaches it.
  if (focusFrame_ && hasFocus() && !rect().adjusted(2, 2, -2, -2).contains(event->region().boundingRect())) {
    const QRect inside = rect().adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Highlight));
    painter.drawRect(inside);
    painter.drawRect(inside.adjusted(1, 1, -1, -1));
  }
}

void CanvasWidget::ReportMouse(MouseAction action, QMouseEvent* event) {
  if (!onMouse) return;
  MouseEvent e;
  e.action = action;
  const QPoint p = event->position().toPoint();
  e.x = p.x();
  e.y = p.y();
  e.button = ButtonOf(event->button());
  e.leftHeld = event->buttons() & Qt::LeftButton;
  e.rightHeld = event->buttons() & Qt::RightButton;
  e.ctrl = event->modifiers() & Qt::ControlModifier;
  e.shift = event->modifiers() & Qt::ShiftModifier;
  if (!HoldMove(e)) onMouse(e);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) { ReportMouse(MouseAction::Down, event); }
void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) { ReportMouse(MouseAction::Up, event); }
void CanvasWidget::mouseMoveEvent(QMouseEvent* event) { ReportMouse(MouseAction::Move, event); }

void CanvasWidget::enterEvent(QEnterEvent* event) {
  if (!onMouse) return;
  const QPoint p = event->position().toPoint();
  onMouse(MouseEvent{MouseAction::Enter, p.x(), p.y()});
}

void CanvasWidget::leaveEvent(QEvent*) {
  if (onMouse) onMouse(MouseEvent{MouseAction::Leave});
}

void CanvasWidget::wheelEvent(QWheelEvent* event) {
  if (!onWheel) {
    event->ignore();
    return;
  }
  const QPoint p = event->position().toPoint();
  const QPoint angle = event->angleDelta();
  onWheel(WheelEvent{p.x(), p.y(), angle.x(), angle.y(), bool(event->modifiers() & Qt::ControlModifier),
                     bool(event->modifiers() & Qt::ShiftModifier)});
}

void CanvasWidget::ReportKey(KeyAction action, QKeyEvent* event) {
  const Key key = KeyOf(*event);
  if (!onKey || key == Key::Other) {
    event->ignore();
    return;
  }
  onKey(KeyEvent{action, key, bool(event->modifiers() & Qt::ShiftModifier),
                 bool(event->modifiers() & Qt::ControlModifier), event->isAutoRepeat(),
                 bool(event->modifiers() & Qt::AltModifier)});
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) { ReportKey(KeyAction::Press, event); }
void CanvasWidget::keyReleaseEvent(QKeyEvent* event) { ReportKey(KeyAction::Release, event); }

}  // namespace kx
