#include "app/settings.h"

#include <algorithm>
#include <filesystem>

#include "app/app.h"
#include "app/view_commands.h"
#include "app/file_session.h"
#include "app/window_placement.h"
#include "io/source_export.h"
#include "runtime/file_bytes.h"
#include "runtime/preference_file.h"

namespace kx {
namespace {

constexpr const char* kComment = "Kestrelix v1.0 (x64) Settings";
constexpr const char* kMainWindow = "MAIN WINDOW";
constexpr const char* kEditorView = "EDITOR VIEW";
constexpr const char* kFileHandling = "FILE HANDLING";

struct IntKey {
  const char* group;
  const char* key;
  int SettingsValues::*member;
};

// File order.
constexpr IntKey kIntKeys[] = {
    {kMainWindow, "FULLSCREEN", &SettingsValues::fullscreen},
    {kMainWindow, "MAXIMIZE", &SettingsValues::maximize},
    {kMainWindow, "XPOS", &SettingsValues::xpos},
    {kMainWindow, "YPOS", &SettingsValues::ypos},
    {kMainWindow, "XSIZE", &SettingsValues::xsize},
    {kMainWindow, "YSIZE", &SettingsValues::ysize},
    {kMainWindow, "ZOOM", &SettingsValues::zoom},
    {kEditorView, "BRIGHTNESS", &SettingsValues::brightness},
};

constexpr const char* kSourceFilterKey = "SOURCEFILTER";

// After every other key: how the editor charset was shown.
constexpr const char* kDisplay = "DISPLAY";
constexpr IntKey kDisplayKeys[] = {
    {kDisplay, "MODE", &SettingsValues::displayMode}, {kDisplay, "D021", &SettingsValues::d021},
    {kDisplay, "D022", &SettingsValues::d022},        {kDisplay, "D023", &SettingsValues::d023},
    {kDisplay, "D024", &SettingsValues::d024},
};
constexpr int kDisplayModes = 3;
constexpr int kColours = 16;

// Names why the file there could not be read; it is never replaced.
std::string UnreadableReason(const std::string& why) {
  return "The file there could not be read (" + why + "), so it was left as it is.";
}
constexpr const char* kSettingsErrorTitle = "File Error!";

std::string SettingsNotWrittenText(const std::string& path, const std::string& reason) {
  return "Could not write the settings file!\r\n\r\n" + path + "\r\n\r\n" + reason +
         "\r\n\r\nThe window placement, zoom, brightness, last folder and recent files of this run are not kept.";
}

std::string RecentKey(std::size_t slot) { return "RECENT" + std::to_string(slot + 1); }

void WriteValues(PreferenceFile& file, const SettingsValues& values) {
  for (const IntKey& key : kIntKeys) file.WriteInt(key.group, key.key, values.*key.member);
  file.WriteString(kFileHandling, "DIR", values.dir);
  for (std::size_t slot = 0; slot < values.recent.size(); ++slot) {
    file.WriteString(kFileHandling, RecentKey(slot), values.recent[slot]);
  }
  file.WriteInt(kFileHandling, kSourceFilterKey, values.sourceFilter);
  for (const IntKey& key : kDisplayKeys) file.WriteInt(key.group, key.key, values.*key.member);
}

SettingsValues ReadValues(const PreferenceFile& file) {
  SettingsValues values = NewFileSettings();
  for (const IntKey& key : kIntKeys) values.*key.member = file.ReadInt(key.group, key.key, values.*key.member);
  values.dir = file.ReadString(kFileHandling, "DIR", values.dir);
  for (std::size_t slot = 0; slot < values.recent.size(); ++slot) {
    std::string& recent = values.recent[slot];
    recent = file.ReadString(kFileHandling, RecentKey(slot), recent);
    if (recent.empty()) recent = kEmptyRecent;  // a blank entry names no file
  }
  values.sourceFilter = file.ReadInt(kFileHandling, kSourceFilterKey, values.sourceFilter);
  for (const IntKey& key : kDisplayKeys) values.*key.member = file.ReadInt(key.group, key.key, values.*key.member);
  return values;
}

}  // namespace

SettingsValues StartSettings() { return SettingsValues{}; }

SettingsValues NewFileSettings() {
  SettingsValues values;
  values.xsize = 717;
  values.ysize = 476;
  return values;
}

SettingsValues ReadOrCreateSettings(const std::string& path) {
  const PreferenceLoad load = LoadPreferenceFile(path);
  switch (load.status) {
    case PreferenceLoadStatus::Loaded: return ReadValues(load.file);
    case PreferenceLoadStatus::Absent: {
      PreferenceFile created = PreferenceFile::WithHeader({kComment});
      WriteValues(created, NewFileSettings());
      SavePreferenceFile(path, created);
      break;
    }
    case PreferenceLoadStatus::Unreadable: break;
  }
  return StartSettings();
}

void ApplySettings(App& app, const SettingsValues& values) {
  app.shell.placement = WindowPlacement{values.xpos, values.ypos, values.xsize, values.ysize, values.maximize == 1,
                                  values.fullscreen == 1};
  app.view.editing.zoomIndex = std::clamp(values.zoom, 0, kZoomLevels - 1);
  // The stored number goes into palette entry 1 as it is; only the three levels survive, anything else
  // shows and is written back as High.
  app.view.palette[kInkIndex] = static_cast<Rgb>(values.brightness);
  SetBrightness(app, BrightnessFromColour(app.view.palette[kInkIndex]));
  app.doc.store.lastDirectory = values.dir;
  app.doc.files.recent = values.recent;
  app.doc.files.recentAtStart = values.recent;
  const bool knownFilter = values.sourceFilter >= 0 && values.sourceFilter < kSourceDialectCount;
  app.doc.files.sourceFilter = knownFilter ? values.sourceFilter : SettingsValues{}.sourceFilter;
  // Each value out of range falls back to its own default; the others are kept.
  const SettingsValues defaults;
  const auto inRange = [](int value, int count) { return value >= 0 && value < count; };
  CharsetColours colours;
  colours.mode = static_cast<DisplayMode>(inRange(values.displayMode, kDisplayModes) ? values.displayMode
                                                                                     : defaults.displayMode);
  for (int r = 0; r < kColourRegisters; ++r) {
    const IntKey& key = kDisplayKeys[r + 1];
    const int value = inRange(values.*key.member, kColours) ? values.*key.member : defaults.*key.member;
    colours.registers[static_cast<std::size_t>(r)] = static_cast<std::uint8_t>(value);
  }
  app.doc.store.colours = colours;
  app.doc.store.slotColours.fill(colours);
}

bool WriteSettingsAtExit(const std::string& path, const App& app, const WindowPlacement& window,
                         std::string* reason) {
  PreferenceLoad load = LoadPreferenceFile(path);
  if (load.status == PreferenceLoadStatus::Unreadable) {  // never replace what could not be read
    if (reason != nullptr) *reason = UnreadableReason(load.reason);
    return false;
  }
  if (load.status == PreferenceLoadStatus::Absent) load.file = PreferenceFile::WithHeader({kComment});

  SettingsValues values;
  values.fullscreen = app.shell.placement.fullscreen ? 1 : 0;
  values.maximize = window.maximize ? 1 : 0;
  // The next start restores this size when it is not maximised: never one the window cannot take.
  const WindowPlacement normal = FitToScreens(window, {}, 0);
  values.xpos = normal.x;
  values.ypos = normal.y;
  values.xsize = normal.clientWidth;
  values.ysize = normal.clientHeight;
  values.zoom = app.view.editing.zoomIndex;
  values.brightness = static_cast<int>(BrightnessColour(app.view.brightness));
  values.dir = app.doc.store.lastDirectory;
  // Another editor may have written its recent files since this one started: both runs' files are kept.
  const FileSession& files = app.doc.files;
  values.recent = load.status == PreferenceLoadStatus::Loaded
                      ? MergeRecentFiles(files.recentAtStart, files.recent, ReadValues(load.file).recent)
                      : files.recent;
  values.sourceFilter = app.doc.files.sourceFilter;
  const CharsetColours& colours = app.doc.store.colours;
  values.displayMode = static_cast<int>(colours.mode);
  for (int r = 0; r < kColourRegisters; ++r) {
    values.*kDisplayKeys[r + 1].member = colours.registers[static_cast<std::size_t>(r)];
  }
  WriteValues(load.file, values);
  int error = 0;
  if (SavePreferenceFile(path, load.file, &error)) return true;
  if (reason != nullptr) *reason = WriteErrorText(error);
  return false;
}

void WriteSettingsOrTell(const std::string& path, const App& app, const WindowPlacement& window) {
  std::string reason;
  if (WriteSettingsAtExit(path, app, window, &reason) || app.shell.dialogs == nullptr) return;
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(path, error);
  app.shell.dialogs->ShowMessage(kSettingsErrorTitle, SettingsNotWrittenText(error ? path : full.string(), reason),
                                 MessageButtons::Ok, MessageIcon::Warning);
}

}  // namespace kx
