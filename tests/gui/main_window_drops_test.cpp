#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <array>
#include <fstream>
#include <memory>
#include <string>

#include "io/temp_files.h"
#include "gui/main_window.h"
#include "tests/support/scripted_app.h"

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

  ScriptedApp scripted;
  App& app = scripted.app;
  MainWindow window(app);
  EXPECT_TRUE(window.acceptDrops());
  Drop(window, {QUrl::fromLocalFile(QString::fromStdString(path))});
  EXPECT_EQ(app.doc.store.editor[0], 0x5A);
  EXPECT_EQ(app.doc.store.fileType, FileType::Prg);
  EXPECT_EQ(window.windowTitle().toStdString(), "Kestrelix 1.0 (x64) - " + path);

  ScriptedDialogs& dialogs = scripted.dialogs;
  const std::size_t before = dialogs.calls.size();
  Drop(window, {QUrl::fromLocalFile(QString::fromStdString(path)), QUrl::fromLocalFile(QString::fromStdString(path))});
  ASSERT_EQ(dialogs.calls.size(), before + 1);
  EXPECT_EQ(dialogs.calls.back().title, "File Error!");
}

// The three events of a drag from a file manager that proposes moving the file (Shift held), in order.
struct MoveProposingDrag {
  explicit MoveProposingDrag(const std::string& path, Qt::DropActions offered) {
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    enter = std::make_unique<QDragEnterEvent>(QPoint(200, 200), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    move = std::make_unique<QDragMoveEvent>(QPoint(210, 200), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    drop = std::make_unique<QDropEvent>(QPointF(210, 200), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
  }
  std::array<QDropEvent*, 3> Events() const { return {enter.get(), move.get(), drop.get()}; }
  void SendTo(QWidget& window) {
    for (QDropEvent* e : Events()) {
      ASSERT_EQ(e->proposedAction(), Qt::MoveAction);
      QCoreApplication::sendEvent(&window, e);
    }
  }
  QMimeData data;
  std::unique_ptr<QDragEnterEvent> enter;
  std::unique_ptr<QDragMoveEvent> move;
  std::unique_ptr<QDropEvent> drop;
};

TEST(MainWindowDrops, AMoveProposedBySourceIsAcceptedAsACopyAndAMoveOnlySourceIsRefused) {
  testing_files::TempDir dir;
  const std::string path = dir.Path("font.chr");
  std::ofstream(path, std::ios::binary) << std::string(2048, '\x3C');

  App app;
  MainWindow window(app);
  MoveProposingDrag copyOrMove(path, Qt::CopyAction | Qt::MoveAction);
  copyOrMove.SendTo(window);
  for (QDropEvent* e : copyOrMove.Events()) {
    EXPECT_TRUE(e->isAccepted());
    EXPECT_EQ(e->dropAction(), Qt::CopyAction);
  }
  EXPECT_EQ(app.doc.store.editor[0], 0x3C);

  app.doc.store.editor.fill(0);
  MoveProposingDrag moveOnly(path, Qt::MoveAction);
  moveOnly.SendTo(window);
  EXPECT_FALSE(moveOnly.enter->isAccepted());
  EXPECT_FALSE(moveOnly.drop->isAccepted());
  EXPECT_EQ(app.doc.store.editor[0], 0);
}

}  // namespace
}  // namespace kx
