#pragma once
// The warning boxes of the file commands: fixed titles, "\r\n" line breaks, an OK button.

#include <string>

namespace kx {

struct App;
struct Document;
struct ShellState;
struct ViewSession;

inline constexpr const char* kFileErrorTitle = "File Error!";
inline constexpr const char* kLoadErrorTitle = "Load Error!";

void ShowFileWarning(ShellState& shell, const std::string& title, const std::string& text);

// "File Error! : '<path>' not found!" under "File Error!".
void ShowNotFound(App& app, const std::string& path);
// "Could not read the file!" for a file of an accepted size that could not be read.
void ShowUnreadable(App& app, const std::string& path);
// "Could not write the file!" for a save or export that could not create or replace its file.
void ShowUnwritable(App& app, const std::string& path);

}  // namespace kx
