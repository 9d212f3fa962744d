#include "app/command_table.h"

#include <utility>

namespace kx {

namespace {

MenuNode Item(CommandId id, std::string text, bool enabled = true) {
  MenuNode n;
  n.text = std::move(text);
  n.id = id;
  n.enabled = enabled;
  return n;
}

// An item with a check mark that the command itself toggles or moves.
MenuNode Toggle(CommandId id, std::string text, bool checked, bool enabled = true) {
  MenuNode n = Item(id, std::move(text), enabled);
  n.checkable = true;
  n.checked = checked;
  return n;
}

MenuNode Separator() {
  MenuNode n;
  n.kind = MenuNodeKind::Separator;
  return n;
}

void Append(std::vector<MenuNode>& out, MenuNode node) { out.push_back(std::move(node)); }
void Append(std::vector<MenuNode>& out, std::vector<MenuNode> nodes) {
  for (MenuNode& n : nodes) out.push_back(std::move(n));
}

// Flattens single nodes and generated runs of nodes into one list.
template <class... Parts>
std::vector<MenuNode> Nodes(Parts&&... parts) {
  std::vector<MenuNode> out;
  (Append(out, std::forward<Parts>(parts)), ...);
  return out;
}

MenuNode Submenu(std::string title, std::vector<MenuNode> children, bool enabled = true) {
  MenuNode n;
  n.kind = MenuNodeKind::Submenu;
  n.text = std::move(title);
  n.enabled = enabled;
  n.children = std::move(children);
  return n;
}

// Eight items "<label> Row 1" … "<label> Row 8" on consecutive ids.
std::vector<MenuNode> RowItems(CommandId first, std::string_view label) {
  std::vector<MenuNode> out;
  for (int row = 1; row <= kGlyphRowCount; ++row) {
    out.push_back(Item(first + row - 1, std::string(label) + " Row " + std::to_string(row)));
  }
  return out;
}

// "Import 256 Bytes     (Row 1)" … "Import 1792 Bytes   (Rows 1 -> 7)": the blanks keep the
// brackets in one column for three- and four-digit sizes.
std::vector<MenuNode> PartialFileItems(CommandId first, std::string_view verb) {
  std::vector<MenuNode> out;
  for (int rows = 1; rows <= 7; ++rows) {
    const int bytes = 256 * rows;
    std::string text = std::string(verb) + " " + std::to_string(bytes) + " Bytes" +
                       (bytes < 1000 ? "     " : "   ") +
                       (rows == 1 ? std::string("(Row 1)") : "(Rows 1 -> " + std::to_string(rows) + ")");
    out.push_back(Item(first + rows - 1, std::move(text)));
  }
  return out;
}

// A family's twelve items: b, —, the eight rows, —, first 4, last 4, —, entire charset.
MenuNode FamilyMenu(CommandId base) {
  const TransformFamily& family = *FamilyWithBase(base);
  std::vector<MenuNode> items;
  for (int offset = 0; offset < kFamilySize; ++offset) {
    if (offset == 1 || offset == 9 || offset == 11) items.push_back(Separator());
    const FamilyCommand c = *DecodeFamilyCommand(base + offset);
    items.push_back(Item(base + offset, FamilyItemText(family, c.scope, c.row)));
  }
  return Submenu(std::string(family.menuTitle), std::move(items));
}

struct LabelledCommand {
  CommandId id;
  const char* text;
};

// The charset-wide slides in the order of the "No Char Wrap" submenu; the last also ends "Right".
constexpr LabelledCommand kNoWrapSlides[] = {
    {cmd::SlideDownNoWrap, "Slide Down Entire Charset (No Wrap)"},
    {cmd::SlideUpNoWrap, "Slide Up Entire Charset (No Wrap)"},
    {cmd::SlideLeftNoWrap, "Slide Left Entire Charset (No Wrap)"},
    {cmd::SlideRightNoWrap, "Slide Right Entire Charset (No Wrap)"},
};

MenuNode Item(const LabelledCommand& c) { return Item(c.id, c.text); }

std::vector<MenuNode> NoWrapSlideItems() {
  std::vector<MenuNode> out;
  for (const LabelledCommand& c : kNoWrapSlides) out.push_back(Item(c));
  return out;
}

MenuNode FileMenu() {
  std::vector<MenuNode> recent;
  for (CommandId id = cmd::RecentFirst; id <= cmd::RecentLast; ++id) recent.push_back(Item(id, "<Empty>"));
  return Submenu("File", Nodes(
      Item(cmd::New, "New\tCtrl+N"),
      Separator(),
      Item(cmd::Open, "Open\tCtrl+O"),
      Item(cmd::Save, "Save\tCtrl+S"),
      Item(cmd::SaveAs, "Save As\tCtrl+Shift+S"),
      Separator(),
      Submenu("Import...", Nodes(
          PartialFileItems(cmd::ImportFirst, "Import"),
          Separator(),
          Item(cmd::ImportBugged, "Import Bugged Morvane (2049 Bytes)"),
          Separator(),
          Item(cmd::ImportImage, "Import Charset as Image (512x128px)"))),
      Submenu("Export...", PartialFileItems(cmd::ExportFirst, "Export")),
      Separator(),
      Submenu("Recent Files", Nodes(
          std::move(recent),
          Separator(),
          Item(cmd::ClearRecent, "Clear Recent Files List", false))),
      Separator(),
      Item(cmd::Quit, "Quit\tAlt+F4")));
}

MenuNode EditMenu() {
  return Submenu("Edit", Nodes(
      Item(cmd::Undo, "Undo\tCtrl+Z", false),
      Item(cmd::Redo, "Redo\tCtrl+Y", false),
      Separator(),
      Item(cmd::ClearHistory, "Clear Undo/Redo History", false),
      Separator(),
      Item(cmd::Cut, "Cut\tCtrl+X"),
      Item(cmd::Copy, "Copy\tCtrl+C"),
      Item(cmd::Paste, "Paste\tCtrl+V", false),
      Separator(),
      Submenu("Batch Copy / Paste Chars", Nodes(
          Item(cmd::CopyTopRowsToBottom, "Copy Top 4 Rows to Bottom 4"),
          Item(cmd::CopyBottomRowsToTop, "Copy Bottom 4 Rows to Top 4"),
          Separator(),
          Submenu("Copy to Row Memory...", RowItems(cmd::CopyRowToMemoryFirst, "...")),
          Submenu(std::string(kRowMemoryPasteMenu), RowItems(cmd::PasteRowFromMemoryFirst, "..."), false))),
      Submenu("Batch Erase Chars", Nodes(
          Item(cmd::EraseAll, "Erase All Chars"),
          Item(cmd::EraseFirst128, "Erase First 128 Chars (First 4 Rows)"),
          Item(cmd::EraseLast128, "Erase Last 128 Chars (Last 4 Rows)"),
          Submenu("Erase Rows", RowItems(cmd::EraseRowFirst, "Erase")))),
      Submenu("Batch Reverse Chars", Nodes(
          Item(cmd::ReverseFirst128, "Reverse First 128 Chars (First 4 Rows)"),
          Item(cmd::ReverseLast128, "Reverse Last 128 Chars (Last 4 Rows)"),
          Submenu("Reverse Rows", RowItems(cmd::ReverseRowFirst, "Reverse")))),
      Separator(),
      Submenu("Text Styles", Nodes(FamilyMenu(66), FamilyMenu(78), FamilyMenu(90), FamilyMenu(102),
                                   FamilyMenu(114))),
      Separator(),
      Item(cmd::Swap, "Swap Charset1 <> Charset2\tJ")));
}

MenuNode ViewMenu() {
  return Submenu("View", Nodes(
      Toggle(cmd::ShowCharGrid, "Show Char Grid\tG", true),
      Toggle(cmd::ShowPixelGrid, "Show Pixel Grid\tShift+G", true),
      Separator(),
      Toggle(cmd::ShowHighlights, "Show Highlights\tF12", true),
      Submenu("Highlighting Options", Nodes(
          Toggle(cmd::HoverCharHighlight, "Show Editor Hover Char Highlight", true),
          Toggle(cmd::HoverPixelHighlight, "Show Editor Hover Pixel Highlight", true),
          Separator(),
          Toggle(cmd::PreviewHighlightsEditor, "Preview Window Highlights Editor View", true),
          Toggle(cmd::PreviewOutsideFade, "Preview Window Hightlight Outside Fade ", true),
          Separator(),
          // Stays greyed: nothing in the editor enables it.
          Toggle(cmd::SelectedTileHighlight, "Show Selected Tile Editing Chars Highlight", false, false))),
      Separator(),
      Toggle(cmd::ScanlineEmulation, "Scanline Emulation", false),
      Toggle(cmd::CrtEmulationMain, "CRT Emulation (main)", false),
      Toggle(cmd::CrtEmulationEdge, "CRT Emulation (edge)", false),
      Toggle(cmd::CrtEmulationOnGrids, "Apply CRT Emu to Grids", true),
      Separator(),
      Submenu("Zoom Edit View", Nodes(Item(cmd::ZoomIn, "Zoom In\t+"), Item(cmd::ZoomOut, "Zoom Out\t-"))),
      Separator(),
      Submenu("Editor Brightness Level", Nodes(
          Toggle(cmd::BrightnessHigh, "High", true),
          Toggle(cmd::BrightnessMedium, "Medium", false),
          Toggle(cmd::BrightnessLow, "Low", false)))));
}

MenuNode SlideCharsMenu() {
  MenuNode right = FamilyMenu(303);
  right.children.push_back(Item(kNoWrapSlides[3]));
  return Submenu("Slide Chars", Nodes(
      FamilyMenu(267), FamilyMenu(279), FamilyMenu(291), std::move(right),
      Separator(),
      Submenu("No Char Wrap", NoWrapSlideItems())));
}

MenuNode ToolsMenu() {
  return Submenu("Tools", Nodes(
      Submenu("Free Draw", Nodes(Item(cmd::DrawContinuous, "Draw Continuous\tD"),
                                 Item(cmd::DrawDotted, "Draw Dotted\tShift D"))),
      Item(cmd::LineDraw, "Line Draw\tV"),
      Submenu("Draw Box", Nodes(Item(cmd::BoxHollow, "Hollow"), Item(cmd::BoxFilled, "Filled"))),
      Item(cmd::ReverseChar, "Reverse Char"),
      Item(cmd::FillChar, "Fill Char"),
      Item(cmd::EraseChar, "Erase Char"),
      Submenu("Flip Char", Nodes(FamilyMenu(195), FamilyMenu(207))),
      Submenu("Mirror Char", Nodes(FamilyMenu(219), FamilyMenu(231), FamilyMenu(243), FamilyMenu(255))),
      SlideCharsMenu(),
      FamilyMenu(319),
      Separator(),
      Submenu("Auto Creation", Nodes(
          Item(cmd::Font1x2NoReverse, "1 x 2 Font From Current (No Reverse)"),
          Item(cmd::Font1x2WithReverse, "1 x 2 Font From Current (With Reverse)"),
          Separator(),
          Item(cmd::Font2x1NoReverse, "2 x 1 Font From Current (No Reverse)"),
          Item(cmd::Font2x1WithReverse, "2 x 1 Font From Current (With Reverse)"),
          Separator(),
          Item(cmd::Font2x2, "2 x 2 Font From Current"),
          Item(cmd::Font2x2Reversed, "2 x 2 Reversed Font From Current"))),
      Submenu("Preview Auto Creation", Nodes(
          Item(cmd::Preview1x2, "Preview 1 x 2 Font"),
          Item(cmd::Preview2x1, "Preview 2 x 1 Font"),
          Item(cmd::Preview2x2, "Preview 2 x 2 Font"))),
      Separator(),
      Item(cmd::ScreenEditor, "Screen Editor / Charset Test"),
      Item(cmd::Compress, "Compress Current Charset"),
      Submenu("Dump Charset...", Nodes(
          Item(cmd::DumpPng, "... as PNG Image"),
          Item(cmd::DumpJpg, "...as JPG Image"),
          Item(cmd::DumpBmp, "...as BMP Image"),
          Separator(),
          Item(cmd::DumpClipboard, "...as Image to Clipboard"))),
      Separator(),
      Submenu("Restore C64 ROM Chars", Nodes(
          Item(cmd::RestoreRomAll, "Entire ROM Set"),
          Item(cmd::RestoreRomFirst128, "First 128 ROM Chars"),
          Item(cmd::RestoreRomLast128, "Last 128 ROM Chars"),
          Item(cmd::RestoreRomIndividual, "Individual ROM Chars")))));
}

MenuNode HelpMenu() {
  return Submenu("Help", Nodes(
      Item(cmd::Help, "Help"),
      Item(cmd::SupportForum, "Visit Support Forum"),
      Separator(),
      Item(cmd::WebSite, "Visit Thornvale"),
      Separator(),
      Item(cmd::About, "About")));
}

}  // namespace

std::vector<MenuNode> BuildMenuBar() { return Nodes(FileMenu(), EditMenu(), ViewMenu(), ToolsMenu(), HelpMenu()); }

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

CommandTable BuildCommandTable() {
  CommandTable table;
  table.menuBar = BuildMenuBar();
  ForEachMenuItem(table.menuBar, [&](const MenuNode& item, const std::vector<std::string>& path) {
    CommandInfo& info = table.commands[item.id];
    if (info.places++ > 0) return;  // the first place describes the command
    info.id = item.id;
    info.text = item.text;
    info.checkable = item.checkable;
    info.checked = item.checked;
    info.enabled = item.enabled;
    info.path = path;
    info.family = DecodeFamilyCommand(item.id);
  });
  return table;
}

}  // namespace kx
