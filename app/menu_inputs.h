#pragma once
// Everything the menu items' rules read (app/command_table.cpp): ticks, greys and the recent entries'
// texts follow from these alone. The menu bar works its items out again only when this value changed,
// so a mouse move that changes only the hover costs the menus one comparison. A new rule that reads
// anything else adds it here.

#include "app/file_session.h"
#include "model/palette.h"
#include "views/view_pictures.h"

namespace kx {

struct App;

struct MenuInputs {
  bool canUndo = false;
  bool canRedo = false;
  bool historyClearable = false;
  bool glyphPaste = false;     // the glyph clipboard holds something
  bool rowPaste = false;       // the row memory holds something
  bool previewOpen = false;    // the font preview window is open
  ViewOptions options;
  Brightness brightness = Brightness::High;
  RecentFiles recent;
  bool operator==(const MenuInputs&) const = default;
};

MenuInputs CurrentMenuInputs(const App& app);

}  // namespace kx
