#pragma once

#include <array>
#include <functional>
#include <vector>

#include <QWidget>

#include "app/app.h"
#include "runtime/image.h"
#include "gui/canvas_widget.h"
#include "windows/screen_editor_layout.h"

class QLabel;
class QPushButton;

namespace kx {

// The screen's canvas: every key press goes to `onKeyPress` as it came, Tab included.
class ScreenCanvas : public CanvasWidget {
  Q_OBJECT
 public:
  using CanvasWidget::CanvasWidget;
  std::function<void(QKeyEvent*)> onKeyPress;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};

// "Screen Editor / Charset Test": an application-modal window over the main window that shows the App's
// screen editor and hands keys, clicks on the screen (which place the cursor) and button clicks to it.
// Escape closes it like the close box. Opening starts a fresh editor; closing drops it and deletes the
// window.
class ScreenEditorWindow : public QWidget {
  Q_OBJECT
 public:
  ScreenEditorWindow(App& app, QWidget* mainWindow);
  ~ScreenEditorWindow() override;

  ScreenCanvas* Screen() const { return screen_; }
  CanvasWidget* GlyphSheet() const { return sheet_; }
  QPushButton* Button(ScreenButton id) const { return buttons_[static_cast<int>(id)]; }
  const std::vector<QLabel*>& StatusLabels() const { return status_; }

  // Called once the window has closed and the editor is gone.
  std::function<void()> onClosed;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void BuildRulers();
  void BuildButtons();
  void BuildStatusLine();
  void KeyPressed(QKeyEvent* event);
  void ButtonClicked(ScreenButton id);
  // Shows the editor's state and gives the keyboard back to the screen.
  void SyncFromEditor();

  App& app_;
  ScreenCanvas* screen_ = nullptr;
  CanvasWidget* sheet_ = nullptr;
  std::array<Image, kRulers.size()> rulerPictures_;
  std::array<QPushButton*, kScreenButtons.size()> buttons_{};
  std::vector<QLabel*> status_;
};

}  // namespace kx
