#pragma once

#include <QWidget>

class QLabel;

namespace kx {

// The borderless window that stays on top, centred on the screen, while the program starts.
class StartupWindow : public QWidget {
  Q_OBJECT
 public:
  explicit StartupWindow(QWidget* parent = nullptr);

  // Shows `text` in the progress line and paints it at once.
  void ShowProgress(const char* text);
  QString Progress() const;
  QLabel* Logo() const { return logo_; }

 private:
  QLabel* logo_ = nullptr;
  QLabel* progress_ = nullptr;
};

}  // namespace kx
