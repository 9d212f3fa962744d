#pragma once

namespace kx {

struct App;

// "Swap Charset1 <> Charset2": the swap button, the memory pane, command 332 and the J key all run this.
// The picture of the leaving charset goes to the memory pane, the bytes change places, the swap button and
// status field 3 name the charset now in the editor, and the views and title are redrawn. The modified flag,
// file state and undo history stay as they are.
void RunSwap(App& app);

}  // namespace kx
