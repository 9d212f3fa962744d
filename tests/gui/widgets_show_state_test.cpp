#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <functional>
#include <string>

#include "app/run_command.h"
#include "gui/canvas_widget.h"
#include "gui/main_window.h"
#include "gui/menu_bar.h"
#include "gui/startup.h"
#include "views/render.h"
#include "tests/gui/on_screen.h"

namespace kx {
namespace {

// Every pixel the canvas shows against the picture it should show, but for the focus frame over its edge.
std::string CanvasDiffers(CanvasWidget* canvas, const Image& picture) {
  const QImage shown = OnScreen(canvas);
  if (shown.width() < picture.Width() || shown.height() < picture.Height()) return "canvas smaller than picture";
  const QRect unframed = canvas->FocusFrameShown() && canvas->hasFocus() ? canvas->rect().adjusted(2, 2, -2, -2)
                                                                         : canvas->rect();
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      if (!unframed.contains(x, y)) continue;
      if ((shown.pixel(x, y) & 0xFFFFFF) != picture.Pixel(x, y)) {
        return "first difference at " + std::to_string(x) + "," + std::to_string(y);
      }
    }
  }
  return {};
}

// The pictures composed from scratch for the App's state as it is now: what the user must see.
ViewPictures FreshPictures(const App& app) {
  ViewPictures fresh;
  const ViewSession& v = app.view;
  RebuildCharsetImage(fresh, app.doc.store, v.palette);
  RenderEditorPane(fresh, v.editing, v.layout, v.options);
  RenderEditorView(fresh, v.editing, v.layout, v.palette, v.options);
  RenderPenSwatch(fresh, v.editing, v.palette, v.options);
  return fresh;
}

void ExpectWidgetsShowTheState(MainWindow& window, const App& app, const std::string& event) {
  const ViewPictures fresh = FreshPictures(app);
  EXPECT_EQ(CanvasDiffers(window.EditorCanvas(), fresh.editorView), "") << event << ": editor view";
  EXPECT_EQ(CanvasDiffers(window.EditorPane(), fresh.editorPane), "") << event << ": editor pane";
  EXPECT_EQ(CanvasDiffers(window.PenSwatch(), fresh.penSwatch), "") << event << ": pen swatch";
  EXPECT_EQ(CanvasDiffers(window.MemoryPane(), app.view.pictures.memoryPane), "") << event << ": memory pane";
  EXPECT_EQ(window.windowTitle().toStdString(), app.shell.title) << event;
  EXPECT_EQ(window.StatusField(0)->text().toStdString(), app.shell.status.charNumber) << event;
  EXPECT_EQ(window.StatusField(1)->text().toStdString(), app.shell.status.hexNumber) << event;
  EXPECT_EQ(window.StatusField(3)->text().toStdString(), app.shell.status.charsetInEditor) << event;
}

QAction* Item(MainWindow& window, CommandId id) { return window.Menus()->Actions(id).front(); }

TEST(WidgetsShowTheState, AfterEveryKindOfEventThatChangesAPicture) {
  App app;
  app.shell.placement.maximize = false;
  const auto window = StartUp(app, [](int) {}, "");
  window->resize(1300, 700);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  window->ZoomBox()->setCurrentIndex(3);  // 32x: the scroll bars have room to move
  ExpectWidgetsShowTheState(*window, app, "zoom box");

  QScrollBar* across = window->HorizontalBar();
  QScrollBar* down = window->VerticalBar();
  const std::pair<std::string, std::function<void()>> events[] = {
      {"scroll bar dragged", [&] { across->setSliderPosition(across->maximum() / 2); }},
      {"scroll bar clicked beside the thumb", [&] { down->triggerAction(QAbstractSlider::SliderPageStepAdd); }},
      {"scroll bar arrow", [&] { across->triggerAction(QAbstractSlider::SliderSingleStepAdd); }},
      {"wheel over a scroll bar",
       [&] {
         QWheelEvent wheel(QPointF(5, 5), down->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                           Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
         QApplication::sendEvent(down, &wheel);
       }},
      {"brightness", [&] { Item(*window, cmd::BrightnessLow)->trigger(); }},
      {"key scroll", [&] { QTest::keyClick(window->EditorCanvas(), Qt::Key_Left); }},
      {"zoom key", [&] { QTest::keyClick(window->EditorCanvas(), Qt::Key_Minus); }},
      {"whole-charset transform", [&] { Item(*window, 306)->trigger(); }},  // "Slide Right Row 3"
      {"swap", [&] { Item(*window, cmd::Swap)->trigger(); }},
      {"undo", [&] { Item(*window, cmd::Undo)->trigger(); }},
      {"swap back", [&] { QTest::keyClick(window->EditorCanvas(), Qt::Key_J); }},
      {"swatch clicked (pens swap)", [&] { QTest::mouseClick(window->PenSwatch(), Qt::LeftButton); }},
      // Again, with the focus already on the swatch: no focus change repaints it this time.
      {"swatch clicked again", [&] { QTest::mouseClick(window->PenSwatch(), Qt::LeftButton); }},
  };
  for (const auto& [name, event] : events) {
    event();
    ExpectWidgetsShowTheState(*window, app, name);
  }
  // After the swap and the swap back Charset 1 is in the editor again, as the status bar says.
  EXPECT_EQ(window->StatusField(3)->text(), "CHARSET 1");
  EXPECT_NE(app.view.editing.scrollX, 0);
  EXPECT_NE(app.view.editing.scrollY, 0);

  // Every view option, on and off again.
  for (CommandId id : {cmd::ShowCharGrid, cmd::ShowPixelGrid, cmd::ShowHighlights, cmd::HoverCharHighlight,
                       cmd::HoverPixelHighlight, cmd::PreviewHighlightsEditor, cmd::PreviewOutsideFade,
                       cmd::ScanlineEmulation, cmd::CrtEmulationMain, cmd::CrtEmulationEdge,
                       cmd::CrtEmulationOnGrids}) {
    for (int twice = 0; twice < 2; ++twice) {
      Item(*window, id)->trigger();
      ExpectWidgetsShowTheState(*window, app, "view option " + std::to_string(id));
    }
  }
}

TEST(WidgetsShowTheState, TheSwatchTakesTheNewBrightnessAtOnce) {
  App app;
  app.shell.placement.maximize = false;
  const auto window = StartUp(app, [](int) {}, "");
  Item(*window, cmd::BrightnessMedium)->trigger();
  // The swatch's left pen is the foreground colour: its disc in the middle now shows the medium grey.
  const QImage swatch = OnScreen(window->PenSwatch());
  EXPECT_EQ(swatch.pixel(swatch.width() / 2, swatch.height() / 2) & 0xFFFFFF, 0xBBBBBBu);
}

}  // namespace
}  // namespace kx
