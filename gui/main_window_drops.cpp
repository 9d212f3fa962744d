// Files dropped on the main window go to the drop loader; other windows do not accept drops.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "app/charset_loading.h"
#include "gui/main_window.h"

namespace kx {

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  std::vector<std::string> paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    // A non-local drop names no file this program can read; keep it so the loader refuses the drop.
    paths.push_back((url.isLocalFile() ? url.toLocalFile() : url.toString()).toStdString());
  }
  event->acceptProposedAction();
  DropFiles(app_, paths);
  SyncFromApp();
}

}  // namespace kx
