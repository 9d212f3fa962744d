#include "app/file_messages.h"

#include "app/app.h"

namespace kx {

void ShowFileWarning(ShellState& shell, const std::string& title, const std::string& text) {
  shell.dialogs->ShowMessage(title, text, MessageButtons::Ok, MessageIcon::Warning);
}

void ShowNotFound(App& app, const std::string& path) {
  ShowFileWarning(app.shell, kFileErrorTitle, "File Error! : '" + path + "' not found!");
}

void ShowUnreadable(App& app, const std::string& path) {
  ShowFileWarning(app.shell, kFileErrorTitle, "Could not read the file!\r\n\r\n" + path);
}

void ShowUnwritable(App& app, const std::string& path) {
  ShowFileWarning(app.shell, kFileErrorTitle, "Could not write the file!\r\n\r\n" + path);
}

}  // namespace kx
