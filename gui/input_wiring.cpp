#include "gui/input_wiring.h"

#include <functional>
#include <utility>

#include <QCursor>
#include <QToolButton>

#include "app/app.h"
#include "app/editor_input.h"
#include "app/wheel_input.h"
#include "gui/canvas_widget.h"
#include "gui/main_window.h"

namespace kx {
namespace {

// Runs `handler` on the event (which finishes it in the core), then shows the result.
template <typename Event, typename Handler>
std::function<void(const Event&)> Then(MainWindow& window, Handler handler) {
  return [&window, handler](const Event& e) {
    handler(e);
    window.SyncFromApp();
  };
}

}  // namespace

void WireEditorInput(MainWindow& window, App& app) {
  CanvasWidget* editor = window.EditorCanvas();
  CanvasWidget* pane = window.EditorPane();
  editor->onMouse = Then<MouseEvent>(window, [&app](const MouseEvent& e) { OnEditorMouse(app, e); });
  editor->onKey = Then<KeyEvent>(window, [&app, editor](const KeyEvent& e) {
    const QPoint p = editor->mapFromGlobal(QCursor::pos());
    OnEditorKey(app, e, p.x(), p.y());
  });
  pane->onMouse = Then<MouseEvent>(window, [&app, pane](const MouseEvent& e) {
    if (e.action == MouseAction::Enter) pane->setFocus();
    OnPaneMouse(app, e);
  });
  pane->onKey = Then<KeyEvent>(window, [&app](const KeyEvent& e) { OnPaneKey(app, e); });
  editor->onWheel = Then<WheelEvent>(window, [&app](const WheelEvent& e) { OnEditorWheel(app, e); });
  for (CanvasWidget* p : {pane, window.MemoryPane()}) {
    p->onWheel = Then<WheelEvent>(window, [&app](const WheelEvent& e) { OnPaneWheel(app, e); });
  }
  window.MemoryPane()->onMouse =
      Then<MouseEvent>(window, [&app](const MouseEvent& e) { OnMemoryPaneMouse(app, e); });
  window.PenSwatch()->onMouse = Then<MouseEvent>(window, [&app](const MouseEvent& e) { OnSwatchMouse(app, e); });
  for (int i = 0; i < kToolColumnButtons; ++i) {
    const auto id = static_cast<GadgetId>(i);
    QObject::connect(window.Button(id), &QToolButton::clicked, &window, [&window, &app, id] {
      OnToolButton(app, id);
      window.SyncFromApp();
    });
  }
}

}  // namespace kx
