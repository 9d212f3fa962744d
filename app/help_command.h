#pragma once
// Help: shows the help file in the working directory or else the installed manual, and says so in a
// message box when neither is there or the desktop will not open it.

#include <string>

namespace kx {

struct App;

// Hands the help (see kHelpData in runtime/data_files.h) to the desktop; the installed manual is looked for
// beside app.shell.programDir.
void RunHelp(App& app);

// The texts of the two message boxes, under the program's name.
std::string HelpMissingText(const std::string& installedManual);
std::string HelpRefusedText(const std::string& target);

}  // namespace kx
