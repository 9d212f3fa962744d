#include "gui/startup_window.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "gui/plain_label.h"
#include "gui/qt_picture.h"
#include "gui/qt_geometry.h"
#include "windows/startup_window.h"

namespace kx {
namespace {


QLabel* CentredLabel(QWidget* parent, const Rect& r, const char* text) {
  QLabel* label = PlainLabel(parent, QString::fromUtf8(text));
  label->setAlignment(Qt::AlignCenter);
  Place(label, r);
  return label;
}

}  // namespace

StartupWindow::StartupWindow(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool) {
  setFixedSize(kStartupWidth, kStartupHeight);
  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Box | QFrame::Plain);
  Place(frame, kStartupFrame);
  logo_ = new QLabel(this);
  logo_->setPixmap(ToPixmap(LogoPicture(), this));
  Place(logo_, kStartupLogo);
  CentredLabel(this, kStartupVersion, kStartupVersionText);
  progress_ = CentredLabel(this, kStartupProgress, "");

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect r = rect();
    r.moveCenter(screen->geometry().center());
    move(r.topLeft());
  }
}

void StartupWindow::ShowProgress(const char* text) {
  progress_->setText(QString::fromUtf8(text));
  repaint();
}

QString StartupWindow::Progress() const { return progress_->text(); }

}  // namespace kx
