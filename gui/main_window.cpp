#include "gui/main_window.h"

#include "app/pointer_shape.h"
#include "app/run_command.h"
#include "app/unsaved_prompt.h"

#include <tuple>
#include <utility>
#include <vector>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/auxiliary_windows.h"
#include "gui/canvas_widget.h"
#include "gui/focus_scroll_bar.h"
#include "gui/frame_pacer.h"
#include "gui/input_wiring.h"
#include "gui/menu_bar.h"
#include "gui/qt_geometry.h"
#include "gui/qt_picture.h"
#include "gui/screen_editor_window.h"
#include "gui/status_bar_field.h"
#include "views/picture_paint.h"

namespace kx {
namespace {

constexpr const char* kPanelTitle = "Kestrelix Character Editor";

void Place(QWidget* w, const GadgetSpec& g) { w->setGeometry(g.x, g.y, g.w, g.h); }

template <typename W>
W* MakeGadget(GadgetId id, QWidget* page) {
  const GadgetSpec& g = Gadget(id);
  auto* w = new W(page);
  Place(w, g);
  w->setToolTip(QString::fromUtf8(g.tooltip));
  return w;
}

bool SameButtons(const ToolButtonStates& a, const ToolButtonStates& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].pressed != b[i].pressed || a[i].enabled != b[i].enabled || a[i].icon != b[i].icon ||
        a[i].tooltip != b[i].tooltip) {
      return false;
    }
  }
  return true;
}

}  // namespace

MainWindow::MainWindow(App& app, QWidget* parent) : QMainWindow(parent), app_(app) {
  setWindowTitle(QString::fromStdString(app_.shell.title));
  setMinimumSize(kMinClientWidth, kMinClientHeight);
  setAcceptDrops(true);
  resize(kMinClientWidth, kMinClientHeight);

  // The panel fills the window from 2 pixels below the menu bar down to the status bar.
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 2, 0, 0);
  panel_ = new QTabWidget(central);
  column->addWidget(panel_);
  auto* page = new QWidget;
  panel_->addTab(page, kPanelTitle);
  setCentralWidget(central);

  BuildToolColumn(page);
  BuildViews(page);
  BuildStatusBar();
  ChainFocus();
  menus_ = new MenuBar(app_, *this);
  auxiliary_ = new AuxiliaryWindows(app_, this, [this] { SyncFromApp(); });
  LayOut();
  SyncFromApp();
  WireEditorInput(*this, app_);
  OnScreenChanged(this, [this] { SyncFromApp(); });
  pacer_ = new FramePacer(this);
  for (CanvasWidget* canvas : {editor_, editorPane_, memoryPane_, swatch_}) canvas->PaceMoves(pacer_);
}

// A move still held must not be handed on while the window is taken down.
MainWindow::~MainWindow() {
  for (CanvasWidget* canvas : {editor_, editorPane_, memoryPane_, swatch_}) canvas->PaceMoves(nullptr);
}

void MainWindow::BuildToolColumn(QWidget* page) {
  for (int i = 0; i < kToolColumnButtons; ++i) {
    const GadgetSpec& g = GadgetTable()[i];
    QToolButton* b = MakeGadget<QToolButton>(g.id, page);
    b->setCheckable(g.kind == GadgetKind::Toggle);
    b->setIconSize(g.id == GadgetId::Swap ? QSize(kSwapPictureWidth, kSwapPictureHeight)
                                          : QSize(kIconSize, kIconSize));
    // Reached by Tab, not taken by a click: clicking a tool leaves the keys with the editor view.
    b->setFocusPolicy(Qt::TabFocus);
    buttons_[i] = b;
  }

  zoom_ = MakeGadget<QComboBox>(GadgetId::Zoom, page);
  for (const char* label : kZoomLabels) zoom_->addItem(label);
  zoom_->setFocusPolicy(Qt::TabFocus);
  connect(zoom_, &QComboBox::currentIndexChanged, this, &MainWindow::ZoomChosen);

  swatch_ = MakeGadget<CanvasWidget>(GadgetId::PenSwatch, page);
}

void MainWindow::BuildViews(QWidget* page) {
  editor_ = MakeGadget<CanvasWidget>(GadgetId::EditorCanvas, page);
  verticalBar_ = MakeGadget<FocusScrollBar>(GadgetId::VerticalBar, page);
  horizontalBar_ = MakeGadget<FocusScrollBar>(GadgetId::HorizontalBar, page);
  verticalBar_->setOrientation(Qt::Vertical);
  horizontalBar_->setOrientation(Qt::Horizontal);
  for (QScrollBar* bar : {verticalBar_, horizontalBar_}) {
    bar->setTracking(true);  // the view follows the thumb while it is dragged
    bar->setFocusPolicy(Qt::TabFocus);
    connect(bar, &QScrollBar::valueChanged, this, &MainWindow::ScrollBarMoved);
  }
  editorPane_ = MakeGadget<CanvasWidget>(GadgetId::EditorPane, page);
  memoryPane_ = MakeGadget<CanvasWidget>(GadgetId::MemoryPane, page);
  memoryPane_->setFocusPolicy(Qt::NoFocus);
}

// Tab walks the tool column top to bottom, then the zoom box, the pen swatch, the editor view with its two
// scroll bars and the editor's charset pane. The panel's single tab and the containers around the gadgets
// are no stops of their own. The canvases and the scroll bars draw a highlight frame while they have the
// focus.
void MainWindow::ChainFocus() {
  panel_->setFocusPolicy(Qt::NoFocus);
  panel_->tabBar()->setFocusPolicy(Qt::NoFocus);
  for (CanvasWidget* canvas : {swatch_, editor_, editorPane_}) canvas->ShowFocusFrame(true);
  std::vector<QWidget*> chain(buttons_.begin(), buttons_.end());
  chain.insert(chain.end(), {zoom_, swatch_, editor_, verticalBar_, horizontalBar_, editorPane_});
  for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::BuildStatusBar() {
  // The fields have fixed widths; a compact face lets "CHAR NUMBER: 255" fit the first one.
  QFont face = statusBar()->font();
  face.setPixelSize(11);
  statusBar()->setFont(face);
  for (int i = 0; i < 4; ++i) {
    QLabel* field = new StatusBarField(this);
    field->setFixedWidth(kStatusFieldWidths[i]);
    if (i == 1 || i == 3) field->setAlignment(Qt::AlignCenter);
    statusBar()->addWidget(field);
    statusFields_[i] = field;
  }
  toolField_ = new StatusBarField(this);
  toolField_->setFixedWidth(kToolFieldWidth);
  statusBar()->addWidget(toolField_);
  pixelField_ = new StatusBarField(this);
  pixelField_->setFixedWidth(kPixelFieldWidth);
  statusBar()->addWidget(pixelField_);
  noticeField_ = new StatusBarField(this);
  statusBar()->addWidget(noticeField_, 1);
}

WindowMetrics MainWindow::CurrentMetrics() const {
  WindowMetrics m;
  m.clientWidth = width();
  m.clientHeight = height();
  const QWidget* menu = menuWidget();
  m.menuBarHeight = menu && !menu->isHidden() ? menu->sizeHint().height() : 0;
  // Everything of the panel that is not its page: the 2 pixels above it, its tab bar and the frame around the
  // page (the page, holding no layout, asks for no room of its own). The panes stand at the page's bottom.
  m.tabHeight = 2 + panel_->minimumSizeHint().height();
  m.statusBarHeight = statusBar()->sizeHint().height();
  return m;
}

void MainWindow::LayOut() {
  ResizeWindow(app_, CurrentMetrics());
  SyncFromApp();
}

void MainWindow::PlaceViews() {
  const ViewLayout& l = app_.view.layout;
  if (placedLayout_ == l) return;
  placedLayout_ = l;
  Place(editor_, l.editorView);
  Place(verticalBar_, l.verticalBar);
  Place(horizontalBar_, l.horizontalBar);
  Place(editorPane_, l.editorPane);
  Place(memoryPane_, l.memoryPane);
}

void MainWindow::SyncScrollBars() {
  const bool wasSyncing = std::exchange(syncing_, true);
  const ViewLayout& l = app_.view.layout;
  // A scroll bar repaints whenever its page step is set, changed or not.
  for (auto [bar, range] : {std::pair{horizontalBar_, l.horizontal}, std::pair{verticalBar_, l.vertical}}) {
    bar->setRange(0, range.MaxPosition());
    if (bar->pageStep() != range.page) bar->setPageStep(range.page);
  }
  horizontalBar_->setValue(app_.view.editing.scrollX);
  verticalBar_->setValue(app_.view.editing.scrollY);
  syncing_ = wasSyncing;
}

// A mouse move changes no tool button, so the buttons' texts, greys and icons are worked out again only
// when what they follow from changed. Whether a button is pressed is compared on every event: Qt flips a
// checkable button on its own when it is clicked, also when the App then leaves the tool as it was.
void MainWindow::SyncToolColumn(qreal pixelRatio) {
  const ToolButtonStates& buttons = app_.shell.tools.buttons;
  for (int i = 0; i < kToolColumnButtons; ++i) {
    if (buttons_[i]->isChecked() != buttons[i].pressed) buttons_[i]->setChecked(buttons[i].pressed);
  }
  const ToolColumnInputs inputs{app_.doc.history.CanUndo(), app_.doc.history.CanRedo(),
                                app_.doc.glyphStores.glyphPasteEnabled, pixelRatio};
  if (syncedTools_ && syncedTools_->inputs == inputs && SameButtons(syncedTools_->buttons, buttons)) return;
  syncedTools_ = SyncedTools{buttons, inputs};
  for (int i = 0; i < kToolColumnButtons; ++i) {
    const ToolButtonState s = ShownToolButton(app_, i);
    QToolButton* b = buttons_[i];
    if (b->isEnabled() != s.enabled) b->setEnabled(s.enabled);
    if (shownTooltips_[i] != s.tooltip) {
      shownTooltips_[i] = s.tooltip;
      b->setToolTip(QString::fromStdString(s.tooltip));
    }
    // Only a button whose icon changed gets a new pixmap.
    if (shownIcons_[i] != s.icon) {
      b->setIcon(QIcon(ToPixmap(IconPicture(s.icon), pixelRatio)));
      shownIcons_[i] = s.icon;
    }
  }
}

// A label whose width or height may change relays the whole status bar out whenever its text is set, even
// to the same text. So a field is told only a text that changed, and once the bar has placed the fields
// (when the window first shows) each keeps the height it was given: a label fixed in both directions
// leaves the bar's layout alone.
void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  std::vector<QLabel*> fields(statusFields_.begin(), statusFields_.end());
  fields.insert(fields.end(), {toolField_, pixelField_, noticeField_});
  for (QLabel* field : fields) {
    if (field->minimumHeight() != field->maximumHeight()) field->setFixedHeight(field->height());
  }
}

void MainWindow::SyncStatusTexts() {
  const StatusBarState& st = app_.shell.status;
  const std::array<const std::string*, 4> texts{&st.charNumber, &st.hexNumber, nullptr, &st.charsetInEditor};
  for (int i = 0; i < 4; ++i) {
    if (!texts[i] || shownStatus_[i] == *texts[i]) continue;
    shownStatus_[i] = *texts[i];
    statusFields_[i]->setText(QString::fromStdString(shownStatus_[i]));
  }
  for (auto [field, shown, text] : {std::tuple{toolField_, &shownTool_, &st.tool},
                                    std::tuple{pixelField_, &shownPixel_, &st.pixel},
                                    std::tuple{noticeField_, &shownNotice_, &st.notice}}) {
    if (*shown == *text) continue;
    *shown = *text;
    field->setText(QString::fromStdString(*shown));
  }
}

// A drag or click hands the keys back to the editor view; a bar moved by its own keys keeps them, so that
// every PageDown, arrow, Home or End pressed there moves the same bar.
void MainWindow::ScrollBarMoved() {
  if (syncing_) return;
  OnScrollBars(app_, horizontalBar_->value(), verticalBar_->value());
  SyncFromApp();
  if (!verticalBar_->hasFocus() && !horizontalBar_->hasFocus()) editor_->setFocus();
}

void MainWindow::ZoomChosen(int index) {
  if (syncing_) return;
  OnZoomChosen(app_, index);
  SyncFromApp();
  editor_->setFocus();
}

void MainWindow::SyncFromApp() {
  const bool wasSyncing = std::exchange(syncing_, true);
  if (shownTitle_ != app_.shell.title) {
    shownTitle_ = app_.shell.title;
    setWindowTitle(QString::fromStdString(shownTitle_));
  }
  menus_->Sync();
  // The icons and the status glyph are made for the screen's pixel ratio; on a screen with another ratio
  // they are made again.
  const qreal pixelRatio = devicePixelRatioF();
  if (pixelRatio != shownPixelRatio_) {
    shownPixelRatio_ = pixelRatio;
    shownIcons_.fill(std::nullopt);
    romGlyphPixmaps_.fill(QPixmap());
    shownRomGlyph_ = -2;
  }
  SyncToolColumn(pixelRatio);
  if (zoom_->currentIndex() != app_.view.editing.zoomIndex) zoom_->setCurrentIndex(app_.view.editing.zoomIndex);
  PlaceViews();
  SyncScrollBars();

  SyncStatusTexts();
  const Qt::CursorShape viewPointer =
      EditorViewPointer(app_) == PointerShape::Crosshair ? Qt::CrossCursor : Qt::ArrowCursor;
  if (editor_->cursor().shape() != viewPointer) editor_->setCursor(viewPointer);
  // Setting or unsetting a pointer shape asks the window system each time, changed or not.
  if (app_.shell.requests.handPointer != editorPane_->testAttribute(Qt::WA_SetCursor)) {
    if (app_.shell.requests.handPointer) {
      editorPane_->setCursor(Qt::PointingHandCursor);
    } else {
      editorPane_->unsetCursor();
    }
  }
  auxiliary_->Sync();
  SyncPictures();
  syncing_ = wasSyncing;
  HandleRequests();
}

// Carries out what the core asked of the window system during the last event.
void MainWindow::HandleRequests() {
  UiRequests& r = app_.shell.requests;
  if (std::exchange(r.focusEditor, false)) editor_->setFocus();
  // The prompts already ran (Quit command). Qt's quit sends this window a close event, which must not ask
  // again, whenever the platform delivers it.
  if (std::exchange(r.quit, false)) {
    quitConfirmed_ = true;
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
  }
  OpenRequestedScreenEditor();
}

ScreenEditorWindow* MainWindow::ScreenEditor() const { return screenEditor_; }

void MainWindow::OpenRequestedScreenEditor() {
  if (!std::exchange(app_.shell.requests.openScreenEditor, false) || screenEditor_) return;
  screenEditor_ = new ScreenEditorWindow(app_, this);
  screenEditor_->onClosed = [this] { SyncFromApp(); };
  SyncFromApp();  // acts on what opening asked for (an open font preview closes first)
  screenEditor_->show();
}

WindowPlacement MainWindow::CurrentPlacement() const {
  WindowPlacement p = app_.shell.placement;
  p.maximize = isMaximized();
  if (!p.maximize) NoteNormalGeometry(p);
  return p;
}

// The normal geometry is the one a maximised window goes back to: kept in the App's placement while the
// window shows in it, so that a maximised window records its last normal place and size, not the screen's.
void MainWindow::NoteNormalGeometry(WindowPlacement& p) const {
  if (!isVisible() || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))) return;
  p.x = x();
  p.y = y();
  p.clientWidth = width();
  p.clientHeight = height();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  NoteNormalGeometry(app_.shell.placement);
  LayOut();
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  NoteNormalGeometry(app_.shell.placement);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (quitConfirmed_ || RequestQuit(app_, true)) {
    event->accept();
  } else {
    event->ignore();
    SyncFromApp();  // a save chosen in a prompt may have renamed the charset before the quit stopped
  }
}

}  // namespace kx
