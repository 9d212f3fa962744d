#pragma once
// The kestrel icon every window of the program shows.

#include <QIcon>

namespace kx {

// The icon at each of the built-in sizes, drawn from the same art as the installed icon files.
QIcon ProgramIcon();

// Makes ProgramIcon() the icon of every window the application opens.
void UseProgramIconForAllWindows();

}  // namespace kx
