#pragma once
// Ending the program from the main window's close box (or Alt+F4) or the Quit command.

namespace kx {

struct App;

// Asks about unsaved changes in the editor charset, then in the charset in memory (the close box and Quit
// word it differently) and, when the program may end, sets the quit request and returns true. Cancel, or
// a save chosen in a prompt that fails or is cancelled, keeps the program running.
bool RequestQuit(App& app, bool fromCloseBox);

}  // namespace kx
