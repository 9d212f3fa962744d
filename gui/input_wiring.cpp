#include "gui/input_wiring.h"

#include <functional>
#include <utility>

#include <QCursor>
#include <QToolButton>

#include "app/app.h"
#include "app/editor_input.h"
#include "gui/canvas_widget.h"
#include "gui/main_window.h"

namespace kx {
namespace {

void AfterEvent(MainWindow& window, App& app, int zoomBefore) {
  if (app.view.editing.zoomIndex != zoomBefore) window.LayOut();
  if (std::exchange(app.shell.requests.focusEditor, false)) window.EditorCanvas()->setFocus();
  if (app.shell.requests.handPointer) {
    window.EditorPane()->setCursor(Qt::PointingHandCursor);
  } else {
    window.EditorPane()->unsetCursor();
  }
  window.SyncFromApp();
}

// Runs `handler` on the event, then brings the window up to date.
template <typename Event, typename Handler>
std::function<void(const Event&)> Then(MainWindow& window, App& app, Handler handler) {
  return [&window, &app, handler](const Event& e) {
    const int zoomBefore = app.view.editing.zoomIndex;
    handler(e);
    AfterEvent(window, app, zoomBefore);
  };
}

}  // namespace

void WireEditorInput(MainWindow& window, App& app) {
  CanvasWidget* editor = window.EditorCanvas();
  CanvasWidget* pane = window.EditorPane();
  editor->onMouse = Then<MouseEvent>(window, app, [&app](const MouseEvent& e) { OnEditorMouse(app, e); });
  editor->onKey = Then<KeyEvent>(window, app, [&app, editor](const KeyEvent& e) {
    const QPoint p = editor->mapFromGlobal(QCursor::pos());
    OnEditorKey(app, e, p.x(), p.y());
  });
  pane->onMouse = Then<MouseEvent>(window, app, [&app, pane](const MouseEvent& e) {
    if (e.action == MouseAction::Enter) pane->setFocus();
    OnPaneMouse(app, e);
  });
  pane->onKey = Then<KeyEvent>(window, app, [&app](const KeyEvent& e) { OnPaneKey(app, e); });
  window.MemoryPane()->onMouse =
      Then<MouseEvent>(window, app, [&app](const MouseEvent& e) { OnMemoryPaneMouse(app, e); });
  window.PenSwatch()->onMouse = Then<MouseEvent>(window, app, [&app](const MouseEvent& e) { OnSwatchMouse(app, e); });
  for (int i = 0; i < kToolColumnButtons; ++i) {
    const auto id = static_cast<GadgetId>(i);
    QObject::connect(window.Button(id), &QToolButton::clicked, &window, [&window, &app, id] {
      const int zoomBefore = app.view.editing.zoomIndex;
      OnToolButton(app, id);
      AfterEvent(window, app, zoomBefore);
    });
  }
}

}  // namespace kx
