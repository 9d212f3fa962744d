#pragma once

namespace kx {

struct App;
class MainWindow;

// Hands the mouse, wheel and key events of the editor view, the charset panes and the Pen Colour swatch, and the
// clicks of the tool column, to the App's input handlers; after each one the window mirrors the App again,
// gives the keyboard focus back to the editor view when asked and shows the hand while the pane pans.
void WireEditorInput(MainWindow& window, App& app);

}  // namespace kx
