#include "app/file_dialogs.h"

#include "app/app.h"
#include "app/file_replacing.h"
#include "io/charset_file.h"
#include "io/file_messages.h"
#include "runtime/file_bytes.h"

namespace kx {
namespace {

// A proposal without a folder ("", "untitled") starts in the start folder when there is one.
std::string InStartFolder(const ShellState& shell, const std::string& path) {
  if (shell.startFolder.empty() || (!path.empty() && path.front() == '/')) return path;
  return shell.startFolder + "/" + path;
}

// `tick`, when given, is offered as the requester's tick box and takes the state the user left it in.
std::optional<FileChoice> Ask(App& app, bool save, const RequesterSetup& setup, const std::string& proposedPath,
                              int& remembered, const std::string& replaceableFile, RequesterTick* tick = nullptr) {
  const FileRequest request{setup.title,
                            InStartFolder(app.shell, proposedPath),
                            setup.filters,
                            ClampFilterIndex(remembered, setup.filterCount),
                            save,
                            replaceableFile,
                            tick != nullptr ? tick->text : std::string(),
                            tick != nullptr && *tick->ticked};
  Dialogs& dialogs = *app.shell.dialogs;
  std::optional<FileChoice> choice = save ? dialogs.RequestSaveFile(request) : dialogs.RequestOpenFile(request);
  if (!choice) return std::nullopt;
  if (tick != nullptr && choice->ticked) *tick->ticked = *choice->ticked;
  choice->filterIndex = ClampFilterIndex(choice->filterIndex, setup.filterCount);
  // A requester with a single filter offered no choice, so it leaves the remembered one alone.
  if (setup.filterCount > 1) remembered = choice->filterIndex;
  return choice;
}

}  // namespace

std::optional<FileChoice> AskForFile(App& app, RequesterKind kind, const RequesterSetup& setup,
                                     const std::string& proposedPath) {
  const bool save = kind == RequesterKind::Save;
  int& remembered = save ? app.doc.files.saveFilter : app.doc.files.openFilter;
  // Save As and Export append their filter's extension and replace the charset's own file silently (unless
  // it is the memory charset's file too).
  return Ask(app, save, setup, proposedPath, remembered, save ? ReplaceableWithoutAsking(app.doc) : std::string());
}

std::optional<FileChoice> AskForSourceFile(App& app, const RequesterSetup& setup, const std::string& proposedPath,
                                           RequesterTick tick) {
  return Ask(app, true, setup, proposedPath, app.doc.files.sourceFilter, std::string(), &tick);
}

std::string ProposedSavePath(const Document& doc) {
  return doc.store.lastDirectory + FileNameOf(doc.store.currentName);
}

void ShowFileWarning(ShellState& shell, const std::string& title, const std::string& text) {
  shell.dialogs->ShowMessage(title, text, MessageButtons::Ok, MessageIcon::Warning);
}

void ShowNotFound(App& app, const std::string& path) {
  ShowFileWarning(app.shell, kFileErrorTitle, NotFoundText(path));
}

void ShowUnreadable(App& app, const std::string& path, const std::string& reason) {
  ShowFileWarning(app.shell, kFileErrorTitle, UnreadableText(path, reason));
}

void ShowUnwritable(App& app, const std::string& path, int error) {
  ShowFileWarning(app.shell, kFileErrorTitle, UnwritableText(path, WriteErrorText(error)));
}

}  // namespace kx
