#pragma once
// Hands a file or web address to the desktop's opener (xdg-open) and reports whether it took it: the window
// system's own request only says that the opener started, so an opener that finds no program to show the
// target (xdg-open ends with status 3 then) would otherwise fail without a word.

#include <QUrl>

namespace kx {

// Runs the opener found on PATH and waits up to `waitMs` for it to end, drawing but taking no input
// meanwhile. False when it cannot be started or ends with a failure; true when it succeeds or is still
// running then (an opener may wait for the program it started). Without an opener on PATH the window
// system's request is used.
bool OpenWithDesktopOpener(const QUrl& url, int waitMs = 2000);

}  // namespace kx
