#pragma once

#include <string>

#include <QDialog>

#include "windows/about_texts.h"

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

 private:
  QWidget* mainWindow_;
  QTabWidget* tabs_ = nullptr;
  QPlainTextEdit* changelog_ = nullptr;
};

}  // namespace kx
