#pragma once
// Ending the program from the main window's close box (or Alt+F4) or the Quit command.

namespace kx {

struct App;

// Asks about unsaved changes (the close box and Quit word it differently) and, when the program may end,
// sets the quit request and returns true. A save chosen in the prompt that fails or is cancelled keeps
// the program running.
bool RequestQuit(App& app, bool fromCloseBox);

}  // namespace kx
