#include "gui/screen_editor_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/screen_editor_session.h"
#include "gui/plain_label.h"
#include "gui/qt_geometry.h"
#include "gui/screen_key_codes.h"
#include "windows/screen_rulers.h"

namespace kx {
namespace {

constexpr int kDialogFontPixels = 11;

void ShowImage(CanvasWidget* canvas, const Image& image) {
  canvas->SetPicture(image.Data(), image.Width(), image.Height(), image.StrideBytes());
}

// Centres a window of the given client size on `over`.
void CentreOn(QWidget* window, const QWidget* over) {
  if (!over) return;
  const QRect frame = over->frameGeometry();
  window->move(frame.center() - QPoint(window->width() / 2, window->height() / 2));
}

}  // namespace

// Tab and Backtab would move the focus before they reach keyPressEvent.
bool ScreenCanvas::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    keyPressEvent(static_cast<QKeyEvent*>(event));
    return true;
  }
  return CanvasWidget::event(event);
}

void ScreenCanvas::keyPressEvent(QKeyEvent* event) {
  if (onKeyPress) onKeyPress(event);
}

void ScreenCanvas::keyReleaseEvent(QKeyEvent*) {}

ScreenEditorWindow::ScreenEditorWindow(App& app, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      app_(app) {
  OpenScreenEditor(app_);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowModality(Qt::ApplicationModal);  // the main window takes no input while this is open
  setWindowTitle(kScreenEditorTitle);
  setFixedSize(kScreenEditorWidth, kScreenEditorHeight);
  setAutoFillBackground(true);
  // The buttons and the status line are laid out for a small dialog font.
  QFont small = font();
  small.setPixelSize(kDialogFontPixels);
  setFont(small);

  screen_ = new ScreenCanvas(this);
  Place(screen_, kScreenArea);
  screen_->onKeyPress = [this](QKeyEvent* e) { KeyPressed(e); };
  screen_->onMouse = [this](const MouseEvent& e) {
    if (e.action != MouseAction::Down || e.button != MouseButton::Left) return;
    PlaceCursorAt(*app_.view.screenEditor, e.x, e.y);
    SyncFromEditor();
  };

  auto* border = new QFrame(this);
  border->setFrameShape(QFrame::Box);
  border->setGeometry(kGlyphSheetArea.x - 1, kGlyphSheetArea.y - 1, kGlyphSheetArea.w + 2, kGlyphSheetArea.h + 2);
  sheet_ = new CanvasWidget(this);
  sheet_->setFocusPolicy(Qt::NoFocus);
  Place(sheet_, kGlyphSheetArea);

  BuildRulers();
  BuildButtons();
  BuildStatusLine();
  CentreOn(this, mainWindow);
  SyncFromEditor();
}

ScreenEditorWindow::~ScreenEditorWindow() {
  if (app_.view.screenEditor) CloseScreenEditor(app_.view);
}

void ScreenEditorWindow::BuildRulers() {
  for (std::size_t i = 0; i < kRulers.size(); ++i) {
    rulerPictures_[i] = RulerPicture(kRulers[i].side);
    auto* ruler = new CanvasWidget(this);
    ruler->setFocusPolicy(Qt::NoFocus);
    Place(ruler, kRulers[i].area);
    ShowImage(ruler, rulerPictures_[i]);
  }
}

void ScreenEditorWindow::BuildButtons() {
  for (std::size_t i = 0; i < kScreenButtons.size(); ++i) {
    const ScreenButtonSpec& entry = kScreenButtons[i];
    auto* b = new QPushButton(this);
    Place(b, entry.area);
    b->setCheckable(entry.toggle);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QPushButton::clicked, this, [this, id = entry.id] { ButtonClicked(id); });
    buttons_[i] = b;
  }
}

void ScreenEditorWindow::BuildStatusLine() {
  for (const StatusLabel& l : ScreenStatusLine(*app_.view.screenEditor)) {
    QLabel* label = PlainLabel(this);
    label->move(l.x, kStatusLineY);
    status_.push_back(label);
  }
}

void ScreenEditorWindow::KeyPressed(QKeyEvent* event) {
  // Escape closes the window like its close box; nothing on the C64 screen answers to it.
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  ScreenEditor& e = *app_.view.screenEditor;
  const int code = VirtualKeyOf(*event, e.mapping);
  const Qt::KeyboardModifiers mods = event->modifiers();
  if (code) PressScreenKey(e, code, mods & Qt::ShiftModifier, mods & Qt::ControlModifier);
  SyncFromEditor();
}

void ScreenEditorWindow::ButtonClicked(ScreenButton id) {
  PressScreenButton(*app_.view.screenEditor, id, Button(id)->isChecked(), *app_.shell.dialogs);
  SyncFromEditor();
}

void ScreenEditorWindow::SyncFromEditor() {
  const ScreenEditor& e = *app_.view.screenEditor;
  const TextScreen& shown = ShownScreen(e);
  ShowImage(screen_, shown.picture);
  ShowImage(sheet_, shown.glyphs);
  for (const ScreenButtonSpec& entry : kScreenButtons)
    Button(entry.id)->setText(QString::fromStdString(ScreenButtonText(e, entry.id)));
  Button(ScreenButton::Reverse)->setChecked(e.reverse);
  const std::vector<StatusLabel> line = ScreenStatusLine(e);
  for (std::size_t i = 0; i < line.size() && i < status_.size(); ++i) {
    status_[i]->setText(QString::fromStdString(line[i].text));
    status_[i]->adjustSize();
  }
  screen_->setFocus();
}

void ScreenEditorWindow::closeEvent(QCloseEvent* event) {
  // The canvases wrap the editor's pictures: they are emptied before the pictures go.
  for (CanvasWidget* canvas : {static_cast<CanvasWidget*>(screen_), sheet_}) canvas->SetPicture(nullptr, 0, 0, 0);
  CloseScreenEditor(app_.view);
  event->accept();
  if (onClosed) onClosed();
}

bool ScreenEditorWindow::focusNextPrevChild(bool) { return false; }

}  // namespace kx
