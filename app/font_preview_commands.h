#pragma once
// The "Preview Auto Creation" commands: opening, refreshing and closing the font preview window.

#include "ops/derived_font.h"

namespace kx {

struct App;
struct Document;
struct ShellState;
struct ViewSession;

// Preview 1 x 2 / 2 x 1 / 2 x 2: sets the kind, composes the picture, greys the three Preview items and
// asks the adapter for the window. PreviewKind::None does nothing.
void OpenFontPreview(App& app, PreviewKind kind);

// Recomposes the picture from the current charset while the window is open; does nothing otherwise.
// Called after every rebuild of the charset picture, so the window follows the editing.
void RefreshFontPreview(ViewSession& view);

// The window was closed (close box, or the screen editor opening): the Preview items are enabled again,
// the kind goes back to none and the adapter is asked to hide the window if it still shows.
void CloseFontPreview(App& app);

}  // namespace kx
