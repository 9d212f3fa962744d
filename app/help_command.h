#pragma once
// Help: shows the help file in the working directory or else the installed manual, and says so in a
// message box when neither is there or the desktop will not open it; the web pages likewise.

#include <string>

namespace kx {

struct App;

// Hands the help (see kHelpData in runtime/data_files.h) to the desktop; the installed manual is looked for
// beside app.shell.programDir.
void RunHelp(App& app);

// "Visit Support Forum" and the web-page item: hands `address` to the desktop's browser and, like Help,
// says so in a message box when the desktop has no program that opens it.
void OpenWebPage(App& app, const std::string& address);

// The texts of the message boxes, under the program's name.
std::string HelpMissingText(const std::string& installedManual);
std::string HelpRefusedText(const std::string& target);
std::string WebPageRefusedText(const std::string& address);

}  // namespace kx
