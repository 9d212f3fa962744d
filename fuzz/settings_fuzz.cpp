// The settings file through a whole run: the input is the file, read at start-up, put into a fresh App,
// written back at exit and read again.
//
// Checked: the App only ever holds a zoom of 0..4 and one of the three brightness levels (its palette
// showing that level); the recent entries fill the menu items in order, enabled exactly when they name a
// file, and leave every other menu item alone; the file written at exit still loads and gives back the
// values the run ended with (the placement as read, raised to the window's minimum, since the window is put
// where the file said and never smaller); and a
// second run started from it ends in the same state. An empty file is replaced by a new one. A file that
// would be too large once rewritten is left as it was.
#include <tuple>

#include "app/run_command.h"
#include "app/settings.h"
#include "app/window_placement.h"
#include "fuzz/fuzz_files.h"
#include "runtime/file_bytes.h"
#include "runtime/preference_file.h"

namespace {

using namespace kx;
using fuzz::Require;

auto Fields(const SettingsValues& v) {
  return std::tie(v.fullscreen, v.maximize, v.xpos, v.ypos, v.xsize, v.ysize, v.zoom, v.brightness, v.dir, v.recent);
}

bool IsLevel(Rgb colour) {
  for (Brightness level : {Brightness::High, Brightness::Medium, Brightness::Low}) {
    if (BrightnessColour(level) == colour) return true;
  }
  return false;
}

void CheckApplied(const App& app, const App& fresh, const SettingsValues& values) {
  Require(app.view.editing.zoomIndex >= 0 && app.view.editing.zoomIndex < kZoomLevels, "zoom is 0..4");
  Require(IsLevel(BrightnessColour(app.view.brightness)) && app.view.palette[kInkIndex] == BrightnessColour(app.view.brightness),
          "brightness is one of the levels and the palette shows it");
  Require(app.doc.store.lastDirectory == values.dir && app.doc.files.recent == values.recent, "the paths are taken as read");
  bool anyFile = false;
  for (int slot = 0; slot < cmd::kRecentCount; ++slot) {
    const CommandId item = cmd::RecentFirst + slot;
    const std::string& path = values.recent[static_cast<std::size_t>(slot)];
    const bool filled = path != kEmptyRecent;
    Require(!path.empty(), "a recent slot is a path or empty");
    Require(ItemState(app, item).enabled == filled, "a recent item is enabled when it names a file");
    Require(ItemState(app, item).text == (filled ? path : ItemState(fresh, item).text), "a recent item shows its path");
    anyFile = anyFile || filled;
  }
  Require(ItemState(app, cmd::ClearRecent).enabled == anyFile, "Clear Recent Files List is enabled when there is one");
  for (const auto& [id, info] : fresh.commands.commands) {
    const MenuItemState state = ItemState(fresh, id);
    const bool recentItem = id == cmd::ClearRecent || (id >= cmd::RecentFirst && id <= cmd::RecentLast);
    const bool brightnessItem = id >= cmd::BrightnessHigh && id <= cmd::BrightnessLow;
    if (recentItem || brightnessItem) continue;
    Require(ItemState(app, id) == state,
            "the settings touch no other menu item");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::Folder().Write(kSettingsFileName, fuzz::Input(data, size));
  const SettingsValues values = ReadOrCreateSettings(path);
  if (size == 0) Require(Fields(values) == Fields(StartSettings()), "a created file starts with the built-in values");

  const fuzz::ScriptedApp fresh;
  fuzz::ScriptedApp run;
  ApplySettings(run.app, values);
  CheckApplied(run.app, fresh.app, values);

  if (!WriteSettingsAtExit(path, run.app, run.app.shell.placement)) {
    // Only a file that would outgrow what the reader accepts (8-bit text at most doubles as UTF-8) is kept
    // as it was instead.
    const FileRead kept = ReadFileBytes(path, kMaxPreferenceFileBytes);
    Require(size > kMaxPreferenceFileBytes / 4 && kept.status == FileReadStatus::Ok &&
                kept.bytes == std::string_view(reinterpret_cast<const char*>(data), size),
            "the settings are written at exit, or a file too large to rewrite is left alone");
    return 0;
  }
  Require(LoadPreferenceFile(path).status == PreferenceLoadStatus::Loaded, "the written file loads");
  const SettingsValues reread = ReadOrCreateSettings(path);
  const WindowPlacement normal = FitToScreens(run.app.shell.placement, {}, 0);
  Require(std::tie(reread.xpos, reread.ypos, reread.xsize, reread.ysize) ==
              std::tie(normal.x, normal.y, normal.clientWidth, normal.clientHeight),
          "the placement survives, never below the window's minimum");
  if (size == 0) {
    SettingsValues created = NewFileSettings();
    std::tie(created.fullscreen, created.maximize, created.zoom, created.brightness) =
        std::tie(reread.fullscreen, reread.maximize, reread.zoom, reread.brightness);
    std::tie(created.xpos, created.ypos, created.xsize, created.ysize) =
        std::tie(reread.xpos, reread.ypos, reread.xsize, reread.ysize);
    Require(Fields(reread) == Fields(created), "a created file holds the new-file values");
  } else {
    Require(std::tie(reread.dir, reread.recent) == std::tie(values.dir, values.recent), "the paths survive");
  }
  Require(reread.fullscreen == (values.fullscreen == 1 ? 1 : 0) && reread.maximize == (values.maximize == 1 ? 1 : 0),
          "the window flags are written as 0 or 1");
  Require(reread.zoom == run.app.view.editing.zoomIndex, "the zoom survives");
  Require(reread.brightness == static_cast<int>(BrightnessColour(run.app.view.brightness)), "the brightness survives");

  fuzz::ScriptedApp second;
  ApplySettings(second.app, reread);
  CheckApplied(second.app, fresh.app, reread);
  Require(second.app.view.editing.zoomIndex == run.app.view.editing.zoomIndex && second.app.view.brightness == run.app.view.brightness &&
              second.app.shell.placement.maximize == run.app.shell.placement.maximize &&
              second.app.shell.placement.fullscreen == run.app.shell.placement.fullscreen,
          "a second run starts where the first ended");
  return 0;
}
