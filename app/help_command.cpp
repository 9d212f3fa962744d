#include "app/help_command.h"

#include "app/app.h"
#include "app/file_dialogs.h"
#include "runtime/data_files.h"

namespace kx {

std::string HelpMissingText(const std::string& installedManual) {
  std::string text = "No help was found.\r\n\r\nThere is no " + std::string(kHelpData.workingName) +
                     " in the working folder";
  if (installedManual.empty()) return text + ", and the installed manual could not be located.";
  return text + ", and the manual is not installed at\r\n" + installedManual;
}

std::string HelpRefusedText(const std::string& target) {
  return "The help could not be opened:\r\n\r\n" + target + "\r\n\r\nThe desktop has no program that shows it.";
}

std::string WebPageRefusedText(const std::string& address) {
  return "The web page could not be opened:\r\n\r\n" + address +
         "\r\n\r\nThe desktop has no program that shows it.";
}

void OpenWebPage(App& app, const std::string& address) {
  if (!app.shell.dialogs->OpenWithDesktop(address)) {
    ShowFileWarning(app.shell, kProgramTitle, WebPageRefusedText(address));
  }
}

void RunHelp(App& app) {
  const std::optional<std::string> help = FindDataFile(kHelpData, app.shell.programDir);
  if (!help) {
    const std::string manual = InstalledDataPath(app.shell.programDir, kHelpData.installedName);
    ShowFileWarning(app.shell, kProgramTitle, HelpMissingText(manual));
    return;
  }
  if (!app.shell.dialogs->OpenWithDesktop(*help)) ShowFileWarning(app.shell, kProgramTitle, HelpRefusedText(*help));
}

}  // namespace kx
