#include "app/file_commands.h"

#include "app/app.h"
#include "app/charset_loading.h"
#include "app/charset_saving.h"
#include "app/quit.h"
#include "app/recent_files.h"
#include "io/charset_file.h"

namespace kx {
namespace {

bool InRange(CommandId id, CommandId first, CommandId last) { return id >= first && id <= last; }

bool RunFileCommandBody(App& app, CommandId id) {
  switch (id) {
    case cmd::New: NewCharsetFile(app); return true;
    case cmd::Open: OpenCharsetFile(app); return true;
    case cmd::Save: SaveCharset(app); return true;
    case cmd::SaveAs: SaveCharsetAs(app); return true;
    case cmd::ImportBugged: ImportCharsetBytes(app, kShortPrgFileBytes); return true;
    case cmd::ClearRecent: ClearRecentFiles(app); return true;
    case cmd::Quit: RequestQuit(app, false); return true;
    default: break;
  }
  if (InRange(id, cmd::ImportFirst, cmd::ImportLast)) {
    ImportCharsetBytes(app, static_cast<std::uint64_t>(id - cmd::ImportFirst + 1) * kRowBytes);
  } else if (InRange(id, cmd::ExportFirst, cmd::ExportLast)) {
    ExportRows(app, id - cmd::ExportFirst + 1);
  } else if (InRange(id, cmd::RecentFirst, cmd::RecentLast)) {
    OpenRecentFile(app, id - cmd::RecentFirst);
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool RunFileCommand(App& app, CommandId id) {
  if (!RunFileCommandBody(app, id)) return false;
  app.requests.focusEditor = true;
  return true;
}

void DropFiles(App& app, const std::vector<std::string>& paths) {
  LoadDroppedFiles(app, paths);
  app.requests.focusEditor = true;
}

}  // namespace kx
