#pragma once
// Opening and closing the screen editor from the main program.

#include "app/app.h"
#include "runtime/image.h"

namespace kx {

// The 256x64 picture of the editor charset in the display colours, the screen editor's custom glyphs: the
// cell of screen code c shows what a screen cell with code c shows.
Image ScreenEditorCharsetImage(const App& app);

// Starts a fresh screen editor in app.screenEditor. An open font preview is asked to close first.
void OpenScreenEditor(App& app);

// Drops the screen editor and its pictures; the font preview commands can be used again.
void CloseScreenEditor(ViewSession& view);

}  // namespace kx
