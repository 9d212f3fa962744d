#include "app/tool_commands.h"

#include "app/app.h"
#include "views/tool_selection.h"

namespace kx {

void SelectButtonTool(App& app, Tool tool, std::string_view tooltip) {
  ShowToolVariant(ToolControlsOf(app), tool);
  const ToolButtonSpec* holder = ButtonOfTool(tool);
  if (holder && !tooltip.empty()) app.shell.tools[holder->button].tooltip = tooltip;
}

void SelectButtonlessTool(App& app, Tool tool) { SelectToolWithoutButton(ToolControlsOf(app), tool); }

void ClickToolButton(App& app, GadgetId button) { SelectToolButton(ToolControlsOf(app), button); }

void EnableGlyphPaste(App& app) {
  app.doc.glyphStores.glyphPasteEnabled = true;
}

void ChooseCut(App& app) {
  // Cut makes Paste available at once, before anything was cut.
  EnableGlyphPaste(app);
  ClickToolButton(app, GadgetId::Cut);
}

}  // namespace kx
