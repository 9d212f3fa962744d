#pragma once
// The redraw steps the commands, tools and file flows end with. They live in one place so that every
// path that changes the charset redraws in the same order.

namespace kx {

struct App;

// After any change of the editor charset bytes: RebuildCharsetImage, RenderEditorPane, RenderEditorView.
void RedrawAfterCharsetChange(App& app);

// Marks the edit as an unsaved change and updates the title.
void MarkModified(App& app);

}  // namespace kx
