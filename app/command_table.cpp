#include "app/command_table.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <memory>
#include <utility>

#include "app/app.h"
#include "app/charset_loading.h"
#include "app/charset_saving.h"
#include "app/colour_commands.h"
#include "app/colour_table_commands.h"
#include "app/edit_commands.h"
#include "app/editor_input.h"
#include "app/font_preview_commands.h"
#include "app/help_command.h"
#include "app/image_commands.h"
#include "app/source_import_commands.h"
#include "app/unsaved_prompt.h"
#include "app/file_session.h"
#include "app/tool_commands.h"
#include "app/view_commands.h"
#include "io/charset_file.h"
#include "views/tool_selection.h"

namespace kx {

namespace {

// --- Building blocks of the tree --------------------------------------------------------------------------

// A row's handler with its arguments bound: Bind(RunSlideNoWrap, SlideDirection::Down).
template <class R, class... Args, class... Bound>
CommandHandler Bind(R (*fn)(App&, Args...), Bound... bound) {
  return [fn, bound...](App& app) { fn(app, bound...); };
}

MenuNode Item(CommandRow row) {
  MenuNode n;
  n.text = row.TableText();
  n.id = row.id;
  n.checkable = static_cast<bool>(row.checked);
  n.row = std::make_shared<const CommandRow>(std::move(row));
  return n;
}

CommandRow Row(CommandId id, std::string text, CommandHandler run, CommandKey key = {}) {
  CommandRow r;
  r.id = id;
  r.text = std::move(text);
  r.run = std::move(run);
  r.key = key;
  return r;
}

CommandRow Enabled(CommandRow row, StateRule rule) {
  row.enabled = std::move(rule);
  return row;
}

// The editor view's tool keys: the row's key selects like the key, the item like the menu.
CommandRow ByToolKey(CommandRow row, ToolKey key) {
  row.byKey = [key](App& app) { SelectToolByKey(ToolControlsOf(app), key); };
  return row;
}

CommandRow Focus(CommandRow row) {
  row.focusEditor = true;
  return row;
}

MenuNode Separator() {
  MenuNode n;
  n.kind = MenuNodeKind::Separator;
  return n;
}

void Append(std::vector<MenuNode>& out, MenuNode node) { out.push_back(std::move(node)); }
void Append(std::vector<MenuNode>& out, CommandRow row) { out.push_back(Item(std::move(row))); }
void Append(std::vector<MenuNode>& out, std::vector<MenuNode> nodes) {
  for (MenuNode& n : nodes) out.push_back(std::move(n));
}

// Flattens rows, single nodes and generated runs of nodes into one list.
template <class... Parts>
std::vector<MenuNode> Nodes(Parts&&... parts) {
  std::vector<MenuNode> out;
  (Append(out, std::forward<Parts>(parts)), ...);
  return out;
}

MenuNode Submenu(std::string title, std::vector<MenuNode> children, StateRule enabled = {}) {
  MenuNode n;
  n.kind = MenuNodeKind::Submenu;
  n.text = std::move(title);
  n.enabled = std::move(enabled);
  n.children = std::move(children);
  return n;
}

MenuNode AccessKey(MenuNode title, char letter) {
  title.accessKey = letter;
  return title;
}

// A submenu whose items are one choice: exactly one of them is ticked at a time.
MenuNode ChoiceSubmenu(std::string title, std::vector<MenuNode> children) {
  MenuNode n = Submenu(std::move(title), std::move(children));
  n.oneChoice = true;
  return n;
}

// Eight rows "<label> Row 1" … "<label> Row 8"; row r runs handler(r) with r counted from 0.
template <class Handler>
std::vector<MenuNode> RowItems(CommandId first, std::string_view label, Handler handler) {
  std::vector<MenuNode> out;
  for (int row = 0; row < kGlyphRowCount; ++row) {
    out.push_back(Item(Row(first + row, std::string(label) + " Row " + std::to_string(row + 1), handler(row))));
  }
  return out;
}

// "Import 256 Bytes     (Row 1)" … "Import 1792 Bytes   (Rows 1 -> 7)": the blanks keep the brackets in one
// column for three- and four-digit sizes. Item n runs handler(n) for n = 1..7 rows.
template <class Handler>
std::vector<MenuNode> PartialFileItems(CommandId first, std::string_view verb, Handler handler) {
  std::vector<MenuNode> out;
  for (int rows = 1; rows <= 7; ++rows) {
    const int bytes = 256 * rows;
    std::string text = std::string(verb) + " " + std::to_string(bytes) + " Bytes" +
                       (bytes < 1000 ? "     " : "   ") +
                       (rows == 1 ? std::string("(Row 1)") : "(Rows 1 -> " + std::to_string(rows) + ")");
    out.push_back(Item(Focus(Row(first + rows - 1, std::move(text), handler(rows)))));
  }
  return out;
}

// "Slide Right Entire Charset (No Wrap)" and its three siblings in "No Char Wrap".
CommandRow NoWrapSlideRow(SlideDirection direction) {
  struct Place {
    SlideDirection direction;
    CommandId id;
    const char* text;
  };
  static constexpr Place kPlaces[] = {
      {SlideDirection::Down, cmd::SlideDownNoWrap, "Slide Down Entire Charset (No Wrap)"},
      {SlideDirection::Up, cmd::SlideUpNoWrap, "Slide Up Entire Charset (No Wrap)"},
      {SlideDirection::Left, cmd::SlideLeftNoWrap, "Slide Left Entire Charset (No Wrap)"},
      {SlideDirection::Right, cmd::SlideRightNoWrap, "Slide Right Entire Charset (No Wrap)"},
  };
  const Place& p = *std::find_if(std::begin(kPlaces), std::end(kPlaces),
                                 [&](const Place& place) { return place.direction == direction; });
  return Row(p.id, p.text, Bind(RunSlideNoWrap, direction));
}

// The submenu of the family of `transform`: b, —, the eight rows, —, first 4, last 4, —, entire charset,
// then the family's closing no-wrap slide if it has one.
MenuNode FamilyMenu(Transform transform) {
  const TransformFamily& family = *FamilyOf(transform);
  std::vector<MenuNode> items;
  for (int offset = 0; offset < kFamilySize; ++offset) {
    const CommandId id = family.base + offset;
    const FamilyCommand c = *DecodeFamilyCommand(id);
    if (id == FamilyCommandId(family, FamilyScope::Row) || id == FamilyCommandId(family, FamilyScope::FirstFourRows) ||
        id == FamilyCommandId(family, FamilyScope::Entire)) {
      items.push_back(Separator());
    }
    items.push_back(Item(Row(id, FamilyItemText(family, c.scope, c.firstRow), Bind(RunFamilyCommand, c))));
  }
  if (family.endsWithNoWrapSlide) items.push_back(Item(NoWrapSlideRow(*family.endsWithNoWrapSlide)));
  return Submenu(std::string(family.menuTitle), std::move(items));
}

// --- Rules ------------------------------------------------------------------------------------------------

CommandRow ViewToggle(CommandId id, std::string text, bool ViewOptions::*option, CommandKey key = {}) {
  CommandRow r = Focus(Row(id, std::move(text), Bind(ToggleViewOption, option), key));
  r.checked = [option](const App& app) { return app.view.options.*option; };
  return r;
}

CommandRow BrightnessLevel(CommandId id, std::string text, Brightness level) {
  CommandRow r = Focus(Row(id, std::move(text), Bind(SetBrightness, level)));
  r.checked = [level](const App& app) { return app.view.brightness == level; };
  return r;
}

CommandRow DisplayModeRow(CommandId id, std::string text, DisplayMode mode) {
  CommandRow r = Focus(Row(id, std::move(text), Bind(SetDisplayMode, mode)));
  r.checked = [mode](const App& app) { return app.doc.store.colours.mode == mode; };
  return r;
}

// The four rows choosing the bit pair a button draws in multicolour glyphs.
MenuNode PenPairMenu(std::string title, CommandId first, MouseButton button) {
  static constexpr std::string_view kPairNames[] = {"00 Background", "01 Multicolour 1", "10 Multicolour 2",
                                                    "11 Glyph Ink"};
  std::vector<MenuNode> items;
  for (int pair = 0; pair < 4; ++pair) {
    CommandRow r = Focus(Row(first + pair, std::string(kPairNames[pair]), Bind(ChoosePenPair, button, pair)));
    r.checked = [button, pair](const App& app) { return PenPairOf(app, button) == pair; };
    items.push_back(Item(std::move(r)));
  }
  return ChoiceSubmenu(std::move(title), std::move(items));
}

bool PreviewClosed(const App& app) { return !app.view.preview.windowOpen; }

// --- The menus --------------------------------------------------------------------------------------------

std::vector<MenuNode> RecentItems() {
  std::vector<MenuNode> out;
  for (int slot = 0; slot < cmd::kRecentCount; ++slot) {
    CommandRow r = Enabled(Focus(Row(cmd::RecentFirst + slot, kEmptyRecent, Bind(OpenRecentFile, slot))),
                           [slot](const App& app) { return app.doc.files.recent[slot] != kEmptyRecent; });
    r.label = [slot](const App& app) { return app.doc.files.recent[slot]; };
    out.push_back(Item(std::move(r)));
  }
  return out;
}

MenuNode FileMenu() {
  return Submenu("File", Nodes(
      Focus(Row(cmd::New, "New", NewCharsetFile, WindowKey('N', true))),
      Separator(),
      Focus(Row(cmd::Open, "Open", OpenCharsetFile, WindowKey('O', true))),
      Focus(Row(cmd::Save, "Save", Bind(SaveCharset), WindowKey('S', true))),
      Focus(Row(cmd::SaveAs, "Save As", Bind(SaveCharsetAs), WindowKey('S', true, true))),
      Separator(),
      Submenu("Import...", Nodes(
          PartialFileItems(cmd::ImportFirst, "Import",
                           [](int rows) { return Bind(ImportCharsetBytes, std::uint64_t(rows) * kRowBytes); }),
          Separator(),
          Focus(Row(cmd::ImportBugged, "Import Bugged Morvane (2049 Bytes)",
                    Bind(ImportCharsetBytes, std::uint64_t{kShortPrgFileBytes}))),
          Separator(),
          Focus(Row(cmd::ImportImage, "Import Charset as Image (512x128px)", ImportCharsetImage)),
          Separator(),
          Focus(Row(cmd::ImportFromSource, "Import Charset from Program, Binary, Snapshot or Project...",
                    ImportCharsetFromSource)),
          Focus(Row(cmd::ImportFromSheet, "Import Charset from Font Sheet...", ImportCharsetFromSheet)),
          Separator(),
          Focus(Row(cmd::ImportColourTable, "Import Colour Table (256 Bytes)...", ImportColourTable)))),
      Submenu("Export...", Nodes(
          PartialFileItems(cmd::ExportFirst, "Export", [](int rows) { return Bind(ExportRows, rows); }),
          Separator(),
          Focus(Row(cmd::ExportSource, "Export as Source...", ExportCharsetSource)),
          Focus(Row(cmd::ExportColourTable, "Export Colour Table (256 Bytes)...", ExportColourTable)))),
      Separator(),
      Submenu("Recent Files", Nodes(
          RecentItems(),
          Separator(),
          Enabled(Focus(Row(cmd::ClearRecent, "Clear Recent Files List", [](App& app) { ClearRecentFiles(app.doc); })),
                  [](const App& app) { return app.doc.files.recent != EmptyRecentFiles(); }))),
      Separator(),
      Row(cmd::Quit, "Quit", Bind(RequestQuit, false), {KeyScope::WindowSystem, {0, 4, false, false, true}})));
}

MenuNode EditMenu() {
  const auto copyRow = [](int row) { return Bind(RunCopyRowToMemory, row); };
  const auto pasteRow = [](int row) { return Bind(RunPasteRowFromMemory, row); };
  const auto eraseRow = [](int row) { return Bind(RunByteOperation, ByteOperation::Erase, GlyphRowRange(row)); };
  const auto reverseRow = [](int row) {
    return Bind(RunByteOperation, ByteOperation::Reverse, GlyphRowRange(row));
  };
  return Submenu("Edit", Nodes(
      Enabled(Row(cmd::Undo, "Undo", RunUndo, WindowKey('Z', true)),
              [](const App& app) { return app.doc.history.CanUndo(); }),
      Enabled(Row(cmd::Redo, "Redo", RunRedo, WindowKey('Y', true)),
              [](const App& app) { return app.doc.history.CanRedo(); }),
      Separator(),
      Enabled(Row(cmd::ClearHistory, "Clear Undo/Redo History", RunClearHistory),
              [](const App& app) { return app.doc.history.ClearEnabled(); }),
      Separator(),
      Row(cmd::Cut, "Cut", ChooseCut, WindowKey('X', true)),
      Row(cmd::Copy, "Copy", Bind(ClickToolButton, GadgetId::Copy), WindowKey('C', true)),
      Enabled(Row(cmd::Paste, "Paste", Bind(ClickToolButton, GadgetId::Paste), WindowKey('V', true)),
              [](const App& app) { return app.doc.glyphStores.glyphPasteEnabled; }),
      Separator(),
      Submenu("Batch Copy / Paste Chars", Nodes(
          Row(cmd::CopyTopRowsToBottom, "Copy Top 4 Rows to Bottom 4", Bind(RunHalfCopy, HalfCopy::TopToBottom)),
          Row(cmd::CopyBottomRowsToTop, "Copy Bottom 4 Rows to Top 4", Bind(RunHalfCopy, HalfCopy::BottomToTop)),
          Separator(),
          Submenu("Copy to Row Memory...", RowItems(cmd::CopyRowToMemoryFirst, "...", copyRow)),
          Submenu(std::string(kRowMemoryPasteMenu), RowItems(cmd::PasteRowFromMemoryFirst, "...", pasteRow),
                  [](const App& app) { return app.doc.glyphStores.rowPasteEnabled; }))),
      Submenu("Batch Erase Chars", Nodes(
          Row(cmd::EraseAll, "Erase All Chars", Bind(RunByteOperation, ByteOperation::Erase, kWholeCharset)),
          Row(cmd::EraseFirst128, "Erase First 128 Chars (First 4 Rows)",
              Bind(RunByteOperation, ByteOperation::Erase, kFirst128Glyphs)),
          Row(cmd::EraseLast128, "Erase Last 128 Chars (Last 4 Rows)",
              Bind(RunByteOperation, ByteOperation::Erase, kLast128Glyphs)),
          Submenu("Erase Rows", RowItems(cmd::EraseRowFirst, "Erase", eraseRow)))),
      Submenu("Batch Reverse Chars", Nodes(
          Row(cmd::ReverseFirst128, "Reverse First 128 Chars (First 4 Rows)",
              Bind(RunByteOperation, ByteOperation::Reverse, kFirst128Glyphs)),
          Row(cmd::ReverseLast128, "Reverse Last 128 Chars (Last 4 Rows)",
              Bind(RunByteOperation, ByteOperation::Reverse, kLast128Glyphs)),
          Submenu("Reverse Rows", RowItems(cmd::ReverseRowFirst, "Reverse", reverseRow)))),
      Separator(),
      Submenu("Text Styles", Nodes(FamilyMenu(Transform::Italicise), FamilyMenu(Transform::SlantRight),
                                   FamilyMenu(Transform::SlantLeft), FamilyMenu(Transform::Underline),
                                   FamilyMenu(Transform::Strikethrough))),
      Separator(),
      Row(cmd::Swap, "Swap Charset1 <> Charset2", RunSwap, EditorKey('J'))));
}

MenuNode ViewMenu() {
  CommandRow selectedTile = Row(cmd::SelectedTileHighlight, "Show Selected Tile Editing Chars Highlight", {});
  // Stays greyed and unticked: nothing in the editor enables it.
  selectedTile.enabled = [](const App&) { return false; };
  selectedTile.checked = [](const App&) { return false; };
  return Submenu("View", Nodes(
      ViewToggle(cmd::ShowCharGrid, "Show Char Grid", &ViewOptions::charGrid, WindowKey('G')),
      ViewToggle(cmd::ShowPixelGrid, "Show Pixel Grid", &ViewOptions::pixelGrid, WindowKey('G', false, true)),
      Separator(),
      ViewToggle(cmd::ShowHighlights, "Show Highlights", &ViewOptions::highlights, WindowFunctionKey(12)),
      Submenu("Highlighting Options", Nodes(
          ViewToggle(cmd::HoverCharHighlight, "Show Editor Hover Char Highlight", &ViewOptions::hoverChar),
          ViewToggle(cmd::HoverPixelHighlight, "Show Editor Hover Pixel Highlight", &ViewOptions::hoverPixel),
          Separator(),
          ViewToggle(cmd::PreviewHighlightsEditor, "Preview Window Highlights Editor View",
                     &ViewOptions::paneFrame),
          ViewToggle(cmd::PreviewOutsideFade, "Preview Window Hightlight Outside Fade ", &ViewOptions::paneFade),
          Separator(),
          std::move(selectedTile))),
      Separator(),
      ViewToggle(cmd::ScanlineEmulation, "Scanline Emulation", &ViewOptions::scanlines),
      ViewToggle(cmd::CrtEmulationMain, "CRT Emulation (main)", &ViewOptions::crtMain),
      ViewToggle(cmd::CrtEmulationEdge, "CRT Emulation (edge)", &ViewOptions::crtEdge),
      ViewToggle(cmd::CrtEmulationOnGrids, "Apply CRT Emu to Grids", &ViewOptions::emulationOnGrids),
      Separator(),
      Submenu("Zoom Edit View", Nodes(Row(cmd::ZoomIn, "Zoom In", Bind(StepZoom, 1), EditorKey('+')),
                                      Row(cmd::ZoomOut, "Zoom Out", Bind(StepZoom, -1), EditorKey('-')))),
      Separator(),
      ChoiceSubmenu("Editor Brightness Level", Nodes(
          BrightnessLevel(cmd::BrightnessHigh, "High", Brightness::High),
          BrightnessLevel(cmd::BrightnessMedium, "Medium", Brightness::Medium),
          BrightnessLevel(cmd::BrightnessLow, "Low", Brightness::Low))),
      Separator(),
      ChoiceSubmenu("Display Mode", Nodes(
          DisplayModeRow(cmd::DisplayHiRes, "Hi-res", DisplayMode::HiRes),
          DisplayModeRow(cmd::DisplayMulticolour, "Multicolour", DisplayMode::Multicolour),
          DisplayModeRow(cmd::DisplayExtendedBackground, "Extended Background Colour",
                         DisplayMode::ExtendedBackground))),
      Row(cmd::CharsetColours, "Charset Colours...", EditCharsetColours),
      PenPairMenu("Multicolour Pen (Left Button)", cmd::LeftPenPair00, MouseButton::Left),
      PenPairMenu("Multicolour Pen (Right Button)", cmd::RightPenPair00, MouseButton::Right)));
}

MenuNode SlideCharsMenu() {
  return Submenu("Slide Chars", Nodes(
      FamilyMenu(Transform::SlideDown), FamilyMenu(Transform::SlideUp), FamilyMenu(Transform::SlideLeft),
      FamilyMenu(Transform::SlideRight),
      Separator(),
      Submenu("No Char Wrap", Nodes(NoWrapSlideRow(SlideDirection::Down), NoWrapSlideRow(SlideDirection::Up),
                                    NoWrapSlideRow(SlideDirection::Left), NoWrapSlideRow(SlideDirection::Right)))));
}

MenuNode ToolsMenu() {
  const auto preview = [](CommandId id, std::string text, PreviewKind kind) {
    return Enabled(Row(id, std::move(text), Bind(OpenFontPreview, kind)), PreviewClosed);
  };
  const auto font = [](CommandId id, std::string text, DerivedFontKind kind) {
    return Row(id, std::move(text), Bind(RunDerivedFont, kind));
  };
  const auto restore = [](CommandId id, std::string text, ByteRange range) {
    return Row(id, std::move(text), Bind(RunByteOperation, ByteOperation::RestoreRom, range));
  };
  return Submenu("Tools", Nodes(
      Submenu("Free Draw", Nodes(
          ByToolKey(Row(cmd::DrawContinuous, "Draw Continuous",
                        Bind(SelectButtonTool, Tool::ContinuousDraw, "Continuous Drawing"), EditorKey('D')),
                    ToolKey::Continuous),
          ByToolKey(Row(cmd::DrawDotted, "Draw Dotted", Bind(SelectButtonTool, Tool::DottedDraw, "Dotted Drawing"),
                        EditorKey('D', true)),
                    ToolKey::Dotted))),
      ByToolKey(Row(cmd::LineDraw, "Line Draw", Bind(ClickToolButton, GadgetId::Line), EditorKey('V')), ToolKey::Line),
      Submenu("Draw Box", Nodes(
          Row(cmd::BoxHollow, "Hollow", Bind(SelectButtonTool, Tool::HollowBox, "Draw Box")),
          Row(cmd::BoxFilled, "Filled", Bind(SelectButtonTool, Tool::FilledBox, "Draw Filled Box")))),
      Row(cmd::ReverseChar, "Reverse Char", Bind(ClickToolButton, GadgetId::Reverse)),
      Row(cmd::FillChar, "Fill Char", Bind(ClickToolButton, GadgetId::Fill)),
      Row(cmd::EraseChar, "Erase Char", Bind(ClickToolButton, GadgetId::Clear)),
      Submenu("Flip Char", Nodes(FamilyMenu(Transform::FlipHorizontal), FamilyMenu(Transform::FlipVertical))),
      Submenu("Mirror Char", Nodes(FamilyMenu(Transform::MirrorTopToBottom), FamilyMenu(Transform::MirrorBottomToTop),
                                   FamilyMenu(Transform::MirrorLeftToRight), FamilyMenu(Transform::MirrorRightToLeft))),
      SlideCharsMenu(),
      FamilyMenu(Transform::Rotate90),
      Separator(),
      Submenu("Auto Creation", Nodes(
          font(cmd::Font1x2NoReverse, "1 x 2 Font From Current (No Reverse)", DerivedFontKind::OneByTwo),
          font(cmd::Font1x2WithReverse, "1 x 2 Font From Current (With Reverse)", DerivedFontKind::OneByTwoReversed),
          Separator(),
          font(cmd::Font2x1NoReverse, "2 x 1 Font From Current (No Reverse)", DerivedFontKind::TwoByOne),
          font(cmd::Font2x1WithReverse, "2 x 1 Font From Current (With Reverse)", DerivedFontKind::TwoByOneReversed),
          Separator(),
          font(cmd::Font2x2, "2 x 2 Font From Current", DerivedFontKind::TwoByTwo),
          font(cmd::Font2x2Reversed, "2 x 2 Reversed Font From Current", DerivedFontKind::TwoByTwoReversed))),
      Submenu("Preview Auto Creation", Nodes(
          preview(cmd::Preview1x2, "Preview 1 x 2 Font", PreviewKind::OneByTwo),
          preview(cmd::Preview2x1, "Preview 2 x 1 Font", PreviewKind::TwoByOne),
          preview(cmd::Preview2x2, "Preview 2 x 2 Font", PreviewKind::TwoByTwo))),
      Separator(),
      Row(cmd::ScreenEditor, "Screen Editor / Charset Test",
          [](App& app) { app.shell.requests.openScreenEditor = true; }),
      Row(cmd::Compress, "Compress Current Charset", RunCompress),
      Submenu("Dump Charset...", Nodes(
          Row(cmd::DumpPng, "... as PNG Image", Bind(DumpCharsetToFile, ImageFormat::Png)),
          Row(cmd::DumpJpg, "...as JPG Image", Bind(DumpCharsetToFile, ImageFormat::Jpeg)),
          Row(cmd::DumpBmp, "...as BMP Image", Bind(DumpCharsetToFile, ImageFormat::Bmp)),
          Separator(),
          Row(cmd::DumpClipboard, "...as Image to Clipboard", DumpCharsetToClipboard))),
      Separator(),
      Submenu("Restore C64 ROM Chars", Nodes(
          restore(cmd::RestoreRomAll, "Entire ROM Set", kWholeCharset),
          restore(cmd::RestoreRomFirst128, "First 128 ROM Chars", kFirst128Glyphs),
          restore(cmd::RestoreRomLast128, "Last 128 ROM Chars", kLast128Glyphs),
          Row(cmd::RestoreRomIndividual, "Individual ROM Chars", RunRestoreRomIndividual)))));
}

MenuNode HelpMenu() {
  return Submenu("Help", Nodes(
      Row(cmd::Help, "Help", RunHelp, WindowFunctionKey(1)),
      Row(cmd::SupportForum, "Visit Support Forum", Bind(OpenWebPage, std::string("https://kestrelix.example/forum"))),
      Separator(),
      Row(cmd::WebSite, "Visit Thornvale", Bind(OpenWebPage, std::string("https://kestrelix.example/"))),
      Separator(),
      Row(cmd::About, "About", [](App& app) { app.shell.requests.openAbout = true; })));
}

void IndexItems(CommandTable& table, const std::vector<MenuNode>& nodes, std::vector<std::string>& path,
                std::vector<StateRule>& rules) {
  for (const MenuNode& n : nodes) {
    if (n.kind == MenuNodeKind::Submenu) {
      path.push_back(n.text);
      rules.push_back(n.enabled);
      IndexItems(table, n.children, path, rules);
      rules.pop_back();
      path.pop_back();
      continue;
    }
    if (n.kind != MenuNodeKind::Item) continue;
    CommandInfo& info = table.commands[n.id];
    if (info.places++ > 0) continue;  // the first place describes the command
    info.row = n.row;
    info.path = path;
    for (const StateRule& r : rules) {
      if (r) info.submenuRules.push_back(r);
    }
  }
}

}  // namespace

std::string CommandRow::TableText() const {
  const std::string hint = KeyHintText(key);
  return hint.empty() ? text : text + "\t" + hint;
}

std::string CommandRow::MenuText(const App& app) const {
  const std::string shown = label ? label(app) : text;
  const std::string hint = KeyHintText(key);
  return hint.empty() ? shown : shown + "\t" + hint;
}

const MenuNode* FindSubmenu(const std::vector<MenuNode>& nodes, std::string_view title) {
  for (const MenuNode& n : nodes) {
    if (n.kind != MenuNodeKind::Submenu) continue;
    if (n.text == title) return &n;
    if (const MenuNode* inner = FindSubmenu(n.children, title)) return inner;
  }
  return nullptr;
}

const CommandInfo* CommandTable::Find(CommandId id) const {
  const auto it = commands.find(id);
  return it == commands.end() ? nullptr : &it->second;
}

const CommandRow* CommandTable::FindKey(const CommandKey& key) const {
  if (key.scope == KeyScope::None) return nullptr;  // the rows without a key
  for (const auto& [id, info] : commands) {
    if (info.row->key == key) return info.row.get();
  }
  return nullptr;
}

CommandTable BuildCommandTable() {
  CommandTable table;
  // Alt with a title's letter opens it; no window shortcut uses Alt with a letter.
  table.menuBar = Nodes(AccessKey(FileMenu(), 'F'), AccessKey(EditMenu(), 'E'), AccessKey(ViewMenu(), 'V'),
                        AccessKey(ToolsMenu(), 'T'), AccessKey(HelpMenu(), 'H'));
  std::vector<std::string> path;
  std::vector<StateRule> rules;
  IndexItems(table, table.menuBar, path, rules);
  return table;
}

}  // namespace kx
