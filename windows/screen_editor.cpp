#include "windows/screen_editor.h"

#include <algorithm>
#include <span>

#include "model/charset_store.h"
#include "runtime/image_draw.h"

namespace kx {
namespace {

Rect CursorCell(const ScreenEditor& e) { return {e.column * kCellSize, e.row * kCellSize, kCellSize, kCellSize}; }

TextScreen MakeTextScreen(Image glyphs) {
  return {std::move(glyphs), Image(kScreenWidth, kScreenHeight), Image(kCellSize, kCellSize)};
}

// Both screens alike: the cursor block is lifted before anything changes under it and put down after.
template <typename Change>
void ForBothScreens(ScreenEditor& e, Change change) {
  for (TextScreen* s : {&e.custom, &e.rom}) change(*s);
}

void LiftCursor(ScreenEditor& e) {
  const Rect cell = CursorCell(e);
  ForBothScreens(e, [&](TextScreen& s) { DrawImage(s.picture, s.underCursor, cell.x, cell.y); });
}

void PutDownCursor(ScreenEditor& e) {
  const Rect cell = CursorCell(e);
  ForBothScreens(e, [&](TextScreen& s) {
    CutInto(s.picture, cell, s.underCursor);
    FillBox(s.picture, cell, kCursorColour);
  });
}

void MoveTo(ScreenEditor& e, int column, int row) {
  LiftCursor(e);
  e.column = std::clamp(column, 0, kScreenColumns - 1);
  e.row = std::clamp(row, 0, kScreenRows - 1);
  PutDownCursor(e);
}

}  // namespace

ScreenEditor MakeScreenEditor(const Image& charsetImage) {
  ScreenEditor e{MakeTextScreen(DoubledGlyphSheet(charsetImage)), MakeTextScreen(DoubledGlyphSheet(RomCharsetImage()))};
  PutDownCursor(e);
  return e;
}

void TypeScreenCode(ScreenEditor& e, int code) {
  if (e.reverse) code += kReverseOffset;
  const Rect from = GlyphBlock(code, kCellSize);
  // The glyph goes under the cursor block; moving on then uncovers it.
  ForBothScreens(e, [&](TextScreen& s) { CutInto(s.glyphs, from, s.underCursor); });
  MoveTo(e, e.column + 1, e.row);
}

void MoveCursor(ScreenEditor& e, CursorStep step) {
  struct Delta {
    CursorStep step;
    int dx;
    int dy;
  };
  static constexpr Delta kDeltas[] = {
      {CursorStep::Left, -1, 0}, {CursorStep::Right, 1, 0}, {CursorStep::Up, 0, -1}, {CursorStep::Down, 0, 1}};
  for (const Delta& d : kDeltas)
    if (d.step == step) MoveTo(e, e.column + d.dx, e.row + d.dy);
}

void PlaceCursorAt(ScreenEditor& e, int x, int y) { MoveTo(e, x / kCellSize, y / kCellSize); }

void EraseBackwards(ScreenEditor& e) {
  ForBothScreens(e, [](TextScreen& s) { s.underCursor.Fill(0); });
  MoveTo(e, e.column - 1, e.row);
}

void ClearScreen(ScreenEditor& e) {
  ForBothScreens(e, [](TextScreen& s) {
    s.picture.Fill(0);
    s.underCursor.Fill(0);
  });
  e.column = 0;
  e.row = 0;
  PutDownCursor(e);
}

bool PressScreenKey(ScreenEditor& e, int vkCode, bool shift, bool ctrl) {
  static constexpr std::pair<int, CursorStep> kArrows[] = {
      {vk::Left, CursorStep::Left}, {vk::Right, CursorStep::Right}, {vk::Up, CursorStep::Up}, {vk::Down, CursorStep::Down}};
  for (const auto& [code, step] : kArrows) {
    if (code != vkCode) continue;
    MoveCursor(e, step);
    return true;
  }
  if (vkCode == vk::Return) {
    MoveTo(e, 0, e.row + 1);
    return true;
  }
  if (vkCode == vk::Backspace) {
    EraseBackwards(e);
    return true;
  }
  const std::optional<int> code = ScreenCodeForKey(vkCode, shift, ctrl, e.mapping);
  if (!code) return false;
  TypeScreenCode(e, *code);
  return true;
}

void ToggleView(ScreenEditor& e) { e.view = e.view == ScreenView::Custom ? ScreenView::Rom : ScreenView::Custom; }

void ToggleMapping(ScreenEditor& e) { e.mapping = e.mapping == KeyMapping::Us ? KeyMapping::Uk : KeyMapping::Us; }

const TextScreen& ShownScreen(const ScreenEditor& e) { return e.view == ScreenView::Custom ? e.custom : e.rom; }

void DumpScreenToClipboard(const ScreenEditor& e, Dialogs& dialogs) {
  const Image& picture = ShownScreen(e).picture;
  dialogs.CopyImageToClipboard(
      picture.Width(), picture.Height(),
      std::span<const std::uint32_t>(picture.Data(), static_cast<std::size_t>(picture.Stride()) * picture.Height()));
  dialogs.ShowMessage(kProgramTitle, kDumpConfirmation, MessageButtons::Ok, MessageIcon::None);
}

}  // namespace kx
