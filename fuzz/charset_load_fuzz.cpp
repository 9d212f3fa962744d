// Every command that fills the editor charset from a file, driven as the user drives it: the input is the
// file, written to disk, then chosen in Open (both filters), in each import of bytes, dropped on the window
// and opened as a recent entry, each starting from the state of a fresh App.
//
// Checked against the table of layouts below, which is written out here rather than taken from the
// program: a refused file leaves the charset, the names, the flags and the title as they were and says so; a
// loaded file gives exactly the bytes its layout places, keeps the bytes it does not reach, and sets the file
// type, the unsaved flag, the name and the title.
#include <optional>
#include <vector>

#include "app/charset_loading.h"
#include "app/run_command.h"
#include "app/file_session.h"
#include "fuzz/fuzz_files.h"

namespace {

using namespace kx;

// Where a file's bytes land when a command accepts it.
struct Placement {
  std::size_t skip;  // header bytes never read
  std::size_t fill;  // charset bytes 0..fill-1 come from the file, zero past its end
  FileType type;
  bool modified;
};

using Acceptance = std::optional<Placement> (*)(std::uint64_t size);

enum class Route { Requester, Drop, Recent };

struct Flow {
  const char* name;
  Route route;
  CommandId id;  // Requester: the command; its answer picks `filter`
  int filter;
  Acceptance accept;
};

std::optional<Placement> Raw(std::uint64_t size) {
  if (size != 2048) return std::nullopt;
  return Placement{0, 2048, FileType::Chr, false};
}

// Any file of 2048 bytes or more, a header skipped only when it is exactly 2050 bytes long.
std::optional<Placement> Morvane(std::uint64_t size) {
  if (size < 2048) return std::nullopt;
  return Placement{size == 2050 ? 2u : 0u, 2048, FileType::Prg, false};
}

std::optional<Placement> BySize(std::uint64_t size) {
  if (size == 2048) return Placement{0, 2048, FileType::Chr, false};
  if (size == 2050) return Placement{2, 2048, FileType::Prg, false};
  return std::nullopt;
}

template <std::uint64_t Rows>
std::optional<Placement> ImportRows(std::uint64_t size) {
  if (size != Rows * 256) return std::nullopt;
  return Placement{0, Rows * 256, FileType::Chr, true};
}

// The short load-address file: its 2047 bytes after the header leave the last charset byte zero.
std::optional<Placement> ImportShort(std::uint64_t size) {
  if (size != 2049) return std::nullopt;
  return Placement{2, 2048, FileType::Chr, true};
}

const Flow kFlows[] = {
    {"open raw", Route::Requester, cmd::Open, 0, Raw},
    {"open Morvane", Route::Requester, cmd::Open, 1, Morvane},
    {"import 1 row", Route::Requester, cmd::ImportFirst + 0, 0, ImportRows<1>},
    {"import 2 rows", Route::Requester, cmd::ImportFirst + 1, 0, ImportRows<2>},
    {"import 3 rows", Route::Requester, cmd::ImportFirst + 2, 0, ImportRows<3>},
    {"import 4 rows", Route::Requester, cmd::ImportFirst + 3, 0, ImportRows<4>},
    {"import 5 rows", Route::Requester, cmd::ImportFirst + 4, 0, ImportRows<5>},
    {"import 6 rows", Route::Requester, cmd::ImportFirst + 5, 0, ImportRows<6>},
    {"import 7 rows", Route::Requester, cmd::ImportLast, 0, ImportRows<7>},
    {"import short file", Route::Requester, cmd::ImportBugged, 0, ImportShort},
    {"drop", Route::Drop, 0, 0, BySize},
    {"recent entry", Route::Recent, cmd::RecentFirst, 0, BySize},
};

void Run(App& app, ScriptedDialogs& dialogs, const Flow& flow, const std::string& path) {
  switch (flow.route) {
    case Route::Requester:
      dialogs.fileAnswers.push_back(FileChoice{path, flow.filter});
      RunCommand(app, flow.id);
      break;
    case Route::Drop: DropFiles(app, {path}); break;
    case Route::Recent:
      app.doc.files.recent[0] = path;
      RunCommand(app, flow.id);
      break;
  }
}

Charset Expected(const Charset& before, const Placement& p, std::span<const std::uint8_t> file) {
  Charset charset = before;
  for (std::size_t i = 0; i < p.fill; ++i) charset[i] = i + p.skip < file.size() ? file[i + p.skip] : 0;
  return charset;
}

// The parts of a fresh App that a load reads or writes; put back before each command so that every command
// starts as on a fresh App without the cost of building one per command.
struct FreshState {
  explicit FreshState(const App& app) : store(app.doc.store), files(app.doc.files), title(app.shell.title) {}
  void Restore(fuzz::ScriptedApp& scripted) const {
    scripted.app.doc.store = store;
    scripted.app.doc.files = files;
    scripted.app.shell.title = title;
    scripted.dialogs.calls.clear();
  }
  CharsetStore store;
  FileSession files;
  std::string title;
};

void CheckFlow(fuzz::ScriptedApp& scripted, const Flow& flow, const std::string& path,
               std::span<const std::uint8_t> file) {
  // Names the command before the broken invariant.
  const auto Require = [&flow](bool holds, const char* what) {
    if (!holds) std::fprintf(stderr, "%s: ", flow.name);
    fuzz::Require(holds, what);
  };
  App& app = scripted.app;
  const CharsetStore before = app.doc.store;
  const std::string titleBefore = app.shell.title;
  Run(app, scripted.dialogs, flow, path);

  const CharsetStore& after = app.doc.store;
  Require(scripted.dialogs.fileAnswers.empty(), "the requester was asked");
  Require(after.slots == before.slots && after.editorSlot == before.editorSlot, "the memory charset is untouched");
  const std::optional<Placement> placed = flow.accept(file.size());
  if (!placed) {
    Require(after.editor == before.editor, "a refused file leaves the charset");
    Require(after.currentName == before.currentName && after.slotNames == before.slotNames,
            "a refused file leaves the names");
    Require(after.modified == before.modified && after.hasFile == before.hasFile && after.fileType == before.fileType,
            "a refused file leaves the flags and the file type");
    Require(app.shell.title == titleBefore, "a refused file leaves the title");
    const bool told = !scripted.dialogs.calls.empty() && scripted.dialogs.calls.back().kind == DialogKind::Message;
    Require(told, "a refused file is reported");
    return;
  }
  Require(after.editor == Expected(before.editor, *placed, file), "a loaded file places its layout's bytes");
  Require(after.fileType == placed->type, "a loaded file sets its layout's type");
  Require(after.modified == placed->modified, "only an import counts as an unsaved change");
  Require(after.hasFile && after.currentName == path && after.slotNames[after.editorSlot & 1] == path,
          "a loaded file names the charset");
  Require(app.shell.title == fuzz::ExpectedTitle(after), "the title follows the load");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file = fuzz::Input(data, size);
  const std::string path = fuzz::Folder().Write("charset.bin", file);
  fuzz::ScriptedApp scripted;
  const FreshState fresh(scripted.app);
  for (const Flow& flow : kFlows) {
    fresh.Restore(scripted);
    CheckFlow(scripted, flow, path, file);
  }
  return 0;
}
