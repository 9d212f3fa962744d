#include "gui/auxiliary_windows.h"

#include <utility>

#include "gui/about_window.h"
#include "gui/font_preview_window.h"
#include "windows/about_texts.h"

namespace kx {

AuxiliaryWindows::AuxiliaryWindows(App& app, QWidget* mainWindow, std::function<void()> resync)
    : QObject(mainWindow), app_(app) {
  preview_ = new FontPreviewWindow(app, mainWindow);
  preview_->onClosed = std::move(resync);
  about_ = new AboutWindow(mainWindow, app.shell.buildDateTime);
}

void AuxiliaryWindows::Sync() {
  preview_->Sync();
  if (std::exchange(app_.shell.requests.openAbout, false)) about_->Open(ChangelogPath(app_.shell.programDir));
}

}  // namespace kx
