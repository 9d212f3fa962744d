#include "app/file_messages.h"

#include "app/app.h"

namespace kx {

void ShowFileWarning(App& app, const std::string& title, const std::string& text) {
  app.shell.dialogs->ShowMessage(title, text, MessageButtons::Ok, MessageIcon::Warning);
}

void ShowNotFound(App& app, const std::string& path) {
  ShowFileWarning(app, kFileErrorTitle, "File Error! : '" + path + "' not found!");
}

void ShowUnreadable(App& app, const std::string& path) {
  ShowFileWarning(app, kFileErrorTitle, "Could not read the file!\r\n\r\n" + path);
}

void ShowUnwritable(App& app, const std::string& path) {
  ShowFileWarning(app, kFileErrorTitle, "Could not write the file!\r\n\r\n" + path);
}

}  // namespace kx
