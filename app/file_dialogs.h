#pragma once
// What the file commands ask and tell the user: the open and save requesters with the filter each kind
// preselects, and the warning boxes (fixed titles, "\r\n" line breaks, an OK button).

#include <optional>
#include <string>

#include "runtime/dialogs.h"

namespace kx {

struct App;
struct Document;
struct ShellState;

enum class RequesterKind { Open, Save };

struct RequesterSetup {
  const char* title;
  const char* filters;  // "Description|patterns|" pairs
  int filterCount;
};

// Open: Open, Import, Import Image; they share one remembered filter. Save: Save As and Export share another.
// The remembered filter is preselected (clamped to the filters on offer) and, only when the user picks a
// name in a requester that offers more than one filter, replaced by the filter the user left selected; the
// returned choice carries that clamped index. Save requesters hand back the name with the chosen filter's
// extension completed, and ask before replacing any existing file but the charset's own (see
// ReplaceableWithoutAsking).
std::optional<FileChoice> AskForFile(App& app, RequesterKind kind, const RequesterSetup& setup,
                                     const std::string& proposedPath);

// A tick box a requester offers: its text and the flag it shows and sets.
struct RequesterTick {
  const char* text;
  bool* ticked;
};

// The "Export as Source" requester: it preselects and remembers a filter of its own (app.doc.files.
// sourceFilter), completes the name like the other save requesters and asks before replacing any file, the
// charset's own included, since what it writes is text. It offers `tick`, whose flag follows the user's
// choice when a name is picked.
std::optional<FileChoice> AskForSourceFile(App& app, const RequesterSetup& setup, const std::string& proposedPath,
                                           RequesterTick tick);

// The file part of the current name inside the last directory: what Save As and Export propose.
std::string ProposedSavePath(const Document& doc);

inline constexpr const char* kFileErrorTitle = "File Error!";
inline constexpr const char* kLoadErrorTitle = "Load Error!";

void ShowFileWarning(ShellState& shell, const std::string& title, const std::string& text);

// "File Error! : '<path>' not found!" under "File Error!".
void ShowNotFound(App& app, const std::string& path);
// "Could not read the file!" for a file of an accepted size that could not be read, with the reason.
void ShowUnreadable(App& app, const std::string& path, const std::string& reason);
// "Could not write the file!" for a save or export that could not create or replace its file, with the
// path and the reason for the system's error number `error` (as WriteFileReplacing gives it).
void ShowUnwritable(App& app, const std::string& path, int error);

}  // namespace kx
