#pragma once
// The open and save requesters of the file commands, with the filter each kind preselects.

#include <optional>
#include <string>

#include "runtime/dialogs.h"

namespace kx {

struct App;
struct Document;
struct ShellState;
struct ViewSession;

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
// extension completed, and ask before replacing any existing file but the charset's own.
std::optional<FileChoice> AskForFile(App& app, RequesterKind kind, const RequesterSetup& setup,
                                     const std::string& proposedPath);

// The file part of the current name inside the last directory: what Save As and Export propose.
std::string ProposedSavePath(const Document& doc);

}  // namespace kx
