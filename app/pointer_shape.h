#pragma once
// The pointer's shape over the editor view, worked out from the editing state on every sync.

namespace kx {

struct App;

enum class PointerShape { Arrow, Crosshair };

// A crosshair while a drawing tool (free hand, line or box) is current, so the pixel it will set is easy to
// aim at; the arrow for the glyph tools, which act on the whole glyph under the pointer.
PointerShape EditorViewPointer(const App& app);

}  // namespace kx
