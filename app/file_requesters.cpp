#include "app/file_requesters.h"

#include "app/app.h"
#include "io/charset_file.h"

namespace kx {

std::optional<FileChoice> AskForFile(App& app, RequesterKind kind, const RequesterSetup& setup,
                                     const std::string& proposedPath) {
  int& remembered = kind == RequesterKind::Open ? app.files.openFilter : app.files.saveFilter;
  const FileRequest request{setup.title, proposedPath, setup.filters,
                            ClampFilterIndex(remembered, setup.filterCount)};
  std::optional<FileChoice> choice = kind == RequesterKind::Open ? app.dialogs->RequestOpenFile(request)
                                                                 : app.dialogs->RequestSaveFile(request);
  if (!choice) return std::nullopt;
  choice->filterIndex = ClampFilterIndex(choice->filterIndex, setup.filterCount);
  remembered = choice->filterIndex;
  return choice;
}

std::string ProposedSavePath(const App& app) {
  return app.store.lastDirectory + FileNameOf(app.store.currentName);
}

}  // namespace kx
