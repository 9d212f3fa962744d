#include "gui/qt_picture.h"

#include <algorithm>
#include <utility>

#include <QEvent>
#include <QImage>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "views/crisp_picture.h"

namespace kx {
namespace {

// Connects to the window's screen changes once the widget has its native window (on its first show).
class ScreenFollower : public QObject {
 public:
  ScreenFollower(QWidget* window, std::function<void()> remake)
      : QObject(window), window_(window), remake_(std::move(remake)) {
    window->installEventFilter(this);
    Connect();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show) Connect();
    return false;
  }

 private:
  void Connect() {
    QWindow* handle = window_->windowHandle();
    if (connected_ || !handle) return;
    connected_ = true;
    connect(handle, &QWindow::screenChanged, this, [this] { remake_(); });
  }

  QWidget* window_;
  std::function<void()> remake_;
  bool connected_ = false;
};

}  // namespace

QPixmap ToPixmap(const Picture& picture, qreal ratio) {
  const Picture crisp = CrispPicture(picture, ratio);
  const QImage wrapped(reinterpret_cast<const uchar*>(crisp.pixels.data()), crisp.width, crisp.height,
                       crisp.width * 4, QImage::Format_ARGB32);
  QPixmap pixmap = QPixmap::fromImage(wrapped.copy());
  pixmap.setDevicePixelRatio(std::max<qreal>(ratio, 1.0));
  return pixmap;
}

QPixmap ToPixmap(const Picture& picture, const QWidget* widget) {
  return ToPixmap(picture, widget->devicePixelRatioF());
}

void OnScreenChanged(QWidget* window, std::function<void()> remake) {
  new ScreenFollower(window, std::move(remake));
}

}  // namespace kx
