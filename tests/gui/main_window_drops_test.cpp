#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <fstream>
#include <string>

#include "io/temp_files.h"
#include "gui/main_window.h"

namespace kx {
namespace {

void Drop(MainWindow& window, const QList<QUrl>& urls) {
  QMimeData data;
  data.setUrls(urls);
  // As the desktop delivers it: the drag enters the window, then drops.
  QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &enter);
  QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &drop);
}

TEST(MainWindowDrops, ADropped2050ByteFileLoadsAndTwoFilesAreRefused) {
  testing_files::TempDir dir;
  const std::string path = dir.Path("font.chr");
  std::string bytes(2050, '\0');
  bytes[2] = '\x5A';  // first charset byte after the two-byte header
  std::ofstream(path, std::ios::binary) << bytes;

  App app;
  MainWindow window(app);
  EXPECT_TRUE(window.acceptDrops());
  Drop(window, {QUrl::fromLocalFile(QString::fromStdString(path))});
  EXPECT_EQ(app.store.editor[0], 0x5A);
  EXPECT_EQ(app.store.fileType, FileType::Prg);
  EXPECT_EQ(window.windowTitle().toStdString(), "Kestrelix 1.0 (x64) - " + path);

  auto& dialogs = static_cast<ScriptedDialogs&>(*app.dialogs);
  const std::size_t before = dialogs.calls.size();
  Drop(window, {QUrl::fromLocalFile(QString::fromStdString(path)), QUrl::fromLocalFile(QString::fromStdString(path))});
  ASSERT_EQ(dialogs.calls.size(), before + 1);
  EXPECT_EQ(dialogs.calls.back().title, "File Error!");
}

}  // namespace
}  // namespace kx
