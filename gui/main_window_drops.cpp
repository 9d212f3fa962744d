// Files dropped on the main window go to the drop loader; other windows do not accept drops.

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "app/charset_loading.h"
#include "gui/main_window.h"

namespace kx {
namespace {

// A drop only ever copies: whatever the source proposes, it is told the file was copied, so a file manager
// never deletes what it dragged here. A source that cannot copy (or offers no files) is refused.
bool AcceptAsCopy(QDropEvent* event) {
  if (!event->mimeData()->hasUrls() || !(event->possibleActions() & Qt::CopyAction)) {
    event->ignore();
    return false;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  return true;
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) { AcceptAsCopy(event); }

void MainWindow::dragMoveEvent(QDragMoveEvent* event) { AcceptAsCopy(event); }

void MainWindow::dropEvent(QDropEvent* event) {
  if (!AcceptAsCopy(event)) return;
  std::vector<std::string> paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    // A non-local drop names no file this program can read; keep it so the loader refuses the drop.
    paths.push_back((url.isLocalFile() ? url.toLocalFile() : url.toString()).toStdString());
  }
  DropFiles(app_, paths);
  SyncFromApp();
}

}  // namespace kx
