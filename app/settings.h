#pragma once
// The settings file "kstr.ini": window placement, zoom, brightness, last directory, the recent files, the
// filter the "Export as Source" requester preselects, and the display mode and colour registers.
// Read (or created) once at start-up, written once at exit; nothing in between touches it.

#include <string>

#include "app/file_session.h"
#include "app/window_placement.h"

namespace kx {

struct App;

inline constexpr const char* kSettingsFileName = "kstr.ini";

struct SettingsValues {
  int fullscreen = 0;  // 1: a borderless maximised window
  int maximize = 1;
  int xpos = 50;
  int ypos = 50;
  int xsize = 1110;  // client size
  int ysize = 514;
  int zoom = 1;                // zoom index, 0..4 once applied
  int brightness = 0xFFFFFF;   // palette entry 1 as stored (16777215, 12303291 or 7829367)
  std::string dir;             // last directory
  RecentFiles recent = EmptyRecentFiles();
  int sourceFilter = 0;        // "Export as Source" filter index, 0..4 once applied
  // The editor charset's display mode (0 hi-res, 1 multicolour, 2 extended background) and its registers
  // $D021-$D024 (colours 0-15), as the run ended.
  int displayMode = 0;
  int d021 = 0;
  int d022 = 11;
  int d023 = 12;
  int d024 = 15;
};

// The values a run starts with when there is no settings file.
SettingsValues StartSettings();
// The values written into a newly created file, which are also the defaults for keys missing from a file.
SettingsValues NewFileSettings();

// Reads the file at `path`. A missing or empty file is created with NewFileSettings() and the run keeps
// StartSettings(); an unreadable one is left alone and the run keeps StartSettings() too.
SettingsValues ReadOrCreateSettings(const std::string& path);

// Puts the values into the App: window placement, zoom (clamped to 0..4), brightness (anything but the
// three levels becomes High), last directory, the recent-files list with its menu and the source export
// filter (an index outside the five filters becomes the first), and the display mode and registers, which
// both charsets start with (a mode or colour out of range is the default one).
void ApplySettings(App& app, const SettingsValues& values);

// Rewrites the settings from the App and `window`, the main window as it is when the program ends (its
// fullscreen field is not used: FULLSCREEN keeps the value the run started with, `App::placement`). Its
// position and size are the normal ones, also when `maximize` is set (the last normal geometry of a maximised
// window), and are written raised to the window's minimum, so a file's size below it (as a new file has)
// is not carried on. Keys and
// comments the program does not write survive. False (and the file untouched) when it cannot be read or
// written, or when the rewritten file would be larger than the reader accepts; `reason`, when given, then
// says why in words.
bool WriteSettingsAtExit(const std::string& path, const App& app, const WindowPlacement& window,
                         std::string* reason = nullptr);

// WriteSettingsAtExit, and when the settings cannot be written the user is told, in one message box with the
// file's full path and the reason, that this run's settings are not kept.
void WriteSettingsOrTell(const std::string& path, const App& app, const WindowPlacement& window);

}  // namespace kx
