#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <vector>

#include "gui/canvas_widget.h"
#include "gui/main_window.h"

namespace kx {
namespace {

class KeyboardRoute : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
  }
  void TearDown() override {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  }

  QWidget* Gadget(GadgetId id) const {
    switch (id) {
      case GadgetId::Zoom: return window.ZoomBox();
      case GadgetId::PenSwatch: return window.PenSwatch();
      case GadgetId::EditorCanvas: return window.EditorCanvas();
      case GadgetId::VerticalBar: return window.VerticalBar();
      case GadgetId::HorizontalBar: return window.HorizontalBar();
      case GadgetId::EditorPane: return window.EditorPane();
      case GadgetId::MemoryPane: return window.MemoryPane();
      default: return window.Button(id);
    }
  }

  App app;
  MainWindow window{app};
};

// Whether the canvas or scroll bar as drawn now has the highlight colour in its top-left corner.
bool FrameShows(QWidget* gadget) {
  const QImage drawn = gadget->grab().toImage();
  return drawn.pixelColor(0, 0) == gadget->palette().color(QPalette::Highlight);
}

TEST_F(KeyboardRoute, TabWalksTheGadgetsInOrderAndTheViewKeysWorkWhenItIsBack) {
  using G = GadgetId;
  // Paste, Undo and Redo start disabled and are passed over; the memory picture takes no focus.
  const std::vector<G> order{G::VerticalBar, G::HorizontalBar, G::EditorPane, G::FreeDraw, G::Line, G::Box,
                             G::Reverse, G::Fill, G::Clear, G::MirrorVertical, G::MirrorHorizontal,
                             G::SlideHorizontal, G::SlideVertical, G::Flip, G::Rotate, G::ScreenEditor, G::Cut,
                             G::Copy, G::Swap, G::Zoom, G::PenSwatch, G::EditorCanvas};
  CanvasWidget* editor = window.EditorCanvas();
  editor->setFocus();
  ASSERT_TRUE(editor->hasFocus());
  EXPECT_TRUE(FrameShows(editor));
  for (G expected : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Gadget(expected)) << static_cast<int>(expected);
    if (expected == G::PenSwatch) {
      EXPECT_FALSE(FrameShows(editor));
    }
    // The scroll bars show the focus as the canvases do, and only while they have it.
    if (expected == G::VerticalBar || expected == G::HorizontalBar) {
      EXPECT_TRUE(FrameShows(Gadget(expected))) << static_cast<int>(expected);
    }
    if (expected == G::EditorPane) {
      EXPECT_FALSE(FrameShows(window.HorizontalBar()));
    }
  }
  ASSERT_TRUE(editor->hasFocus());
  EXPECT_TRUE(FrameShows(editor));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), window.PenSwatch());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

  // Back in the view after a full round, its keys act again: Right scrolls by one pixel, End to the end.
  const int before = app.view.editing.scrollX;
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
  EXPECT_EQ(app.view.editing.scrollX, before + 1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus);
  EXPECT_EQ(app.view.editing.zoomIndex, 2);
}

TEST_F(KeyboardRoute, F10OpensTheFirstMenuAndALoneAltHighlightsIt) {
  QMenuBar* bar = window.menuBar();
  window.EditorCanvas()->setFocus();
  QTest::keyClick(window.EditorCanvas(), Qt::Key_F10);
  ASSERT_EQ(bar->activeAction(), bar->actions().first());
  EXPECT_TRUE(bar->actions().first()->menu()->isVisible());
  QApplication::activePopupWidget()->close();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == nullptr; }));

  window.EditorCanvas()->setFocus();
  QTest::keyPress(window.EditorCanvas(), Qt::Key_Alt, Qt::AltModifier);
  QTest::keyRelease(window.EditorCanvas(), Qt::Key_Alt);
  EXPECT_EQ(bar->activeAction(), bar->actions().first());
  EXPECT_EQ(QApplication::focusWidget(), bar);
  QTest::keyClick(bar, Qt::Key_Escape);  // leaves the menu bar, the keys go back to the view
  EXPECT_EQ(QApplication::focusWidget(), window.EditorCanvas());
}

// Alt with a title's letter opens that menu over the canvas, and the canvas's own F (fill) does nothing.
TEST_F(KeyboardRoute, AltWithATitlesLetterOpensItsMenuAndLeavesTheCharset) {
  QMenuBar* bar = window.menuBar();
  const std::string title = window.windowTitle().toStdString();
  const Charset before = app.doc.store.editor;
  window.EditorCanvas()->setFocus();
  QTest::mouseMove(window.EditorCanvas(), QPoint(20, 20));
  QTest::keyClick(window.EditorCanvas(), Qt::Key_F, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() != nullptr; }));
  EXPECT_EQ(QApplication::activePopupWidget(), bar->actions().first()->menu());
  EXPECT_EQ(app.doc.store.editor, before);
  EXPECT_EQ(window.windowTitle().toStdString(), title);
}

}  // namespace
}  // namespace kx
