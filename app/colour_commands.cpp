#include "app/colour_commands.h"

#include <algorithm>

#include "app/app.h"
#include "app/edit_commands.h"
#include "app/event_flow.h"
#include "model/palette.h"
#include "ops/glyph_tools.h"

namespace kx {

void SetDisplayMode(App& app, DisplayMode mode) {
  if (app.doc.store.colours.mode == mode) return;
  BeginEdit(app, RedoEntries::Drop);
  app.doc.store.colours.mode = mode;
  EndEdit(app);
}

void EditCharsetColours(App& app) {
  CharsetStore& store = app.doc.store;
  const int glyph = GlyphAtPixel(app.view.editing.hoverX, app.view.editing.hoverY);
  const ColourChoice current{store.colours.registers, glyph, store.inks};
  const std::optional<ColourChoice> chosen = app.shell.dialogs->ChooseColours(current);
  if (!chosen || (chosen->registers == current.registers && chosen->inks == current.inks)) return;
  const auto valid = [](std::uint8_t colour) { return colour < kPaletteSize; };
  if (!std::ranges::all_of(chosen->registers, valid) || !std::ranges::all_of(chosen->inks, valid)) return;
  BeginEdit(app, RedoEntries::Drop);
  store.colours.registers = chosen->registers;
  store.inks = chosen->inks;
  EndEdit(app);
}

void ToggleMulticolourGlyph(App& app, int glyph) {
  if (app.doc.store.colours.mode != DisplayMode::Multicolour) return;
  BeginEdit(app, RedoEntries::Keep);
  for (int g : GlyphsForKey(app.view.editing.selection, glyph)) {
    app.doc.store.inks[static_cast<std::size_t>(g)] ^= kMulticolourBit;
  }
  EndEdit(app);
}

namespace {

template <class View>
auto& PenOfButton(View& view, MouseButton button) {
  return button == MouseButton::Left ? view.editing.leftPen : view.editing.rightPen;
}

}  // namespace

void ChoosePenPair(App& app, MouseButton button, int pair) {
  PenOfButton(app.view, button).pair = pair & 3;
  MarkPensChanged(app.view);
}

int PenPairOf(const App& app, MouseButton button) { return DrawnPair(PenOfButton(app.view, button)); }

}  // namespace kx
