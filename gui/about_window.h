#pragma once

#include <string>

#include <QDialog>

#include "windows/about_texts.h"

class QLabel;
class QPlainTextEdit;
class QTabWidget;

namespace kx {

// "About Kestrelix": credits, additional credits and the changelog on three tabs. While it is open the
// other windows of the program take no input.
class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  AboutWindow(QWidget* mainWindow, const std::string& buildDateTime);

  // Shows the Credits tab and the changelog as it is on disk now, centred on the main window.
  void Open(const std::string& changelogPath = kChangelogFile);

  QTabWidget* Tabs() const { return tabs_; }
  QPlainTextEdit* ChangelogBox() const { return changelog_; }
  QLabel* Logo() const { return logo_; }

 private:
  void ShowLogo();  // made for the pixel ratio of the screen the window is on

  QWidget* mainWindow_;
  QTabWidget* tabs_ = nullptr;
  QLabel* logo_ = nullptr;
  QPlainTextEdit* changelog_ = nullptr;
};

}  // namespace kx
