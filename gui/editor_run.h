#pragma once
// The editor's whole run, from the command line to the end: start-up, the recovery offer, the event loop,
// the signals that end it early and the shutdown. main.cpp hands it the arguments; a test program may hand
// it its own recovery box and a step to take once the window is up.

#include <functional>
#include <string>

namespace kx {

struct App;
class MainWindow;
class RecoveryBox;

struct EditorRun {
  std::string buildDateTime;                       // shown in the About window
  RecoveryBox* recoveryBox = nullptr;              // the Qt box when none
  std::function<void(App&, MainWindow&)> started;  // after start-up and the recovery offer
};

// Runs the editor; returns the process's exit status. On SIGHUP, SIGTERM or SIGINT the unsaved charsets
// are written as recovery copies and the settings file is written, then the process ends with status
// 128 + the signal's number.
int RunEditor(int argc, char** argv, const EditorRun& run);

}  // namespace kx
