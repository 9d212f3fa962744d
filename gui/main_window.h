#pragma once

#include <array>
#include <optional>
#include <cstdint>
#include <vector>

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>

#include "app/app.h"
#include "views/gadgets.h"

class QComboBox;
class QLabel;
class QScrollBar;
class QTabWidget;
class QToolButton;

namespace kx {

using ToolButtonStates = std::array<ToolButtonState, kToolColumnButtons>;

class AuxiliaryWindows;
class CanvasWidget;
class FramePacer;
class MenuBar;
class ScreenEditorWindow;

// The main window: a Qt shell that shows what the App says and hands user actions back to it. Every gadget
// stands on the single page of a tab panel at the position the gadget table gives; the editor view, its
// scroll bars and the charset panes are moved by the view layout whenever the window size or zoom changes.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(App& app, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The one place that hands the App's state to the widgets after an event: title, menus, tool buttons,
  // zoom box, view gadgets' places, scroll bars, status bar, pictures, pointer shape and the requests to the
  // window system. Each widget is told only what changed since it was last told.
  void SyncFromApp();

  // Reports the current window size to the App (an event of its own) and shows the result.
  void LayOut();

  // Where the window is now, as the settings file records it at exit: while maximised, the last normal
  // position and size with `maximize` set.
  WindowPlacement CurrentPlacement() const;

  CanvasWidget* EditorCanvas() const { return editor_; }
  QTabWidget* Panel() const { return panel_; }
  QToolButton* Button(GadgetId id) const { return buttons_[static_cast<int>(id)]; }
  QComboBox* ZoomBox() const { return zoom_; }
  QScrollBar* HorizontalBar() const { return horizontalBar_; }
  QScrollBar* VerticalBar() const { return verticalBar_; }
  CanvasWidget* EditorPane() const { return editorPane_; }
  CanvasWidget* MemoryPane() const { return memoryPane_; }
  CanvasWidget* PenSwatch() const { return swatch_; }
  AuxiliaryWindows* Auxiliary() const { return auxiliary_; }
  QLabel* StatusField(int i) const { return statusFields_[i]; }
  QLabel* NoticeField() const { return noticeField_; }
  QLabel* ToolField() const { return toolField_; }
  QLabel* PixelField() const { return pixelField_; }
  MenuBar* Menus() const { return menus_; }
  FramePacer* Pacer() const { return pacer_; }
  ScreenEditorWindow* ScreenEditor() const;  // the open screen editor, or null

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Files dropped from the desktop (main_window_drops.cpp).
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildToolColumn(QWidget* page);
  void BuildViews(QWidget* page);
  void BuildStatusBar();
  void ChainFocus();
  void PlaceViews();
  void SyncScrollBars();
  void SyncToolColumn(qreal pixelRatio);
  void SyncStatusTexts();
  // Writes the window's geometry into `p` while it shows neither maximised, full screen nor minimised.
  void NoteNormalGeometry(WindowPlacement& p) const;
  void HandleRequests();
  // Hands the composed pictures whose change counters moved to their canvases (main_window_pictures.cpp).
  void SyncPictures();
  void ScrollBarMoved();
  void ZoomChosen(int index);
  WindowMetrics CurrentMetrics() const;
  void OpenRequestedScreenEditor();

  App& app_;
  QTabWidget* panel_ = nullptr;
  std::array<QToolButton*, kToolColumnButtons> buttons_{};
  // What the tool column's texts, greys and icons were last worked out from.
  struct ToolColumnInputs {
    bool canUndo = false;
    bool canRedo = false;
    bool glyphPaste = false;
    qreal pixelRatio = 0;
    bool operator==(const ToolColumnInputs&) const = default;
  };
  struct SyncedTools {
    ToolButtonStates buttons;
    ToolColumnInputs inputs;
  };
  std::optional<SyncedTools> syncedTools_;
  std::array<std::optional<IconId>, kToolColumnButtons> shownIcons_{};  // what each button shows now
  std::optional<ViewLayout> placedLayout_;        // where the view gadgets were last put
  std::array<std::string, 4> shownStatus_{};     // the status fields' texts as last handed to Qt
  std::array<std::optional<std::string>, kToolColumnButtons> shownTooltips_{};  // as last handed to Qt
  std::string shownTitle_;                       // the window title as last handed to Qt
  qreal shownPixelRatio_ = 0;                    // the screen pixel ratio the shown pixmaps were made for
  QComboBox* zoom_ = nullptr;
  CanvasWidget* swatch_ = nullptr;
  CanvasWidget* editor_ = nullptr;
  QScrollBar* verticalBar_ = nullptr;
  QScrollBar* horizontalBar_ = nullptr;
  CanvasWidget* editorPane_ = nullptr;
  CanvasWidget* memoryPane_ = nullptr;
  std::array<QLabel*, 4> statusFields_{};
  QLabel* pixelField_ = nullptr;   // the multicolour pixel under the pointer
  QLabel* noticeField_ = nullptr;  // the status notice, in the room the fields leave
  std::string shownNotice_;
  QLabel* toolField_ = nullptr;  // the tool in hand when no button shows it
  std::string shownTool_;
  std::string shownPixel_;
  MenuBar* menus_ = nullptr;  // the menu bar and the window's shortcuts
  AuxiliaryWindows* auxiliary_ = nullptr;  // font preview and About
  FramePacer* pacer_ = nullptr;  // repaints the window at most once per screen frame
  QPointer<ScreenEditorWindow> screenEditor_;
  bool syncing_ = false;  // set while SyncFromApp writes into widgets, so their signals are not acted on
  bool quitConfirmed_ = false;  // the user let the program end: closing asks nothing more

  PictureVersions shownVersions_{~0ull, ~0ull, ~0ull, ~0ull, ~0ull, ~0ull};  // what the canvases show
  int shownRomGlyph_ = -2;                                            // status field 2; -1 for "---"
  std::array<QPixmap, kGlyphCount> romGlyphPixmaps_;  // made for the shown pixel ratio, when first shown
};

}  // namespace kx
