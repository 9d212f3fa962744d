#include "gui/desktop_opener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace kx {

bool OpenWithDesktopOpener(const QUrl& url, int waitMs) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return QDesktopServices::openUrl(url);

  // Parented to the application so that an opener still running when the wait ends is cleaned up later.
  auto* process = new QProcess(QCoreApplication::instance());
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->start(opener, {url.isLocalFile() ? url.toLocalFile() : url.toString()});
  if (!process->waitForStarted()) {
    process->deleteLater();
    return false;
  }
  QEventLoop loop;
  QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
  QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
  if (process->state() != QProcess::NotRunning) loop.exec(QEventLoop::ExcludeUserInputEvents);
  if (process->state() != QProcess::NotRunning) {
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return true;
  }
  const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
  process->deleteLater();
  return opened;
}

}  // namespace kx
