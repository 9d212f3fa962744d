#pragma once
// The question asked before a command replaces or abandons a modified editor charset.

namespace kx {

struct App;
struct Document;
struct ShellState;
struct ViewSession;

// Which command asks; it decides the title and wording.
enum class PromptFor { CloseBox, Quit, New, Open, ImportImage, OpenRecent, Drop };

// True when the command may go on. Unmodified: at once. Otherwise Yes/No/Cancel:
// - Yes with a file saves to the current name; only quitting goes on after that (and only when the save
//   worked), every other command stops and the user repeats it.
// - Yes without a file runs Save As; the command goes on only when a name was chosen and the write worked.
// - No goes on without saving; Cancel (or closing the box) stops.
bool ConfirmUnsavedChanges(App& app, PromptFor command);

// The same question about the charset in memory, for quitting (CloseBox or Quit): its own name in the same
// wording. Yes saves it (Save As when it has no file) and goes on only when that worked; the editor shows
// what it showed before either way.
bool ConfirmUnsavedMemoryCharset(App& app, PromptFor command);

// Ending the program from the main window's close box (or Alt+F4) or the Quit command.
// Asks about unsaved changes in the editor charset, then in the charset in memory (the close box and Quit
// word it differently) and, when the program may end, sets the quit request and returns true. Cancel, or
// a save chosen in a prompt that fails or is cancelled, keeps the program running.
bool RequestQuit(App& app, bool fromCloseBox);

}  // namespace kx
