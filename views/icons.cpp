#include "views/icons.h"

#include <string>
#include <utility>

#include "views/icon_art.h"
#include "views/picture_paint.h"

namespace kx {
namespace {

using icon_art::Art;

// An icon sheet being worked on: 16 rows of 16 colour characters.
using Sheet = std::array<std::string, kIconSize>;

Sheet ToSheet(const Art& art) {
  Sheet s;
  for (int y = 0; y < kIconSize; ++y) s[y] = art[y];
  return s;
}

enum class Step { None, MirrorLeftRight, MirrorTopBottom, Transpose, Dotted, Hollow };

Sheet Apply(Step step, const Sheet& in) {
  Sheet out = in;
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x) {
      char& c = out[y][x];
      switch (step) {
        case Step::None: break;
        case Step::MirrorLeftRight: c = in[y][kIconSize - 1 - x]; break;
        case Step::MirrorTopBottom: c = in[kIconSize - 1 - y][x]; break;
        case Step::Transpose: c = in[x][y]; break;
        case Step::Dotted: if (c == 'L' && (x % 2)) c = '.'; break;
        case Step::Hollow: if (c == 'B') c = '.'; break;
      }
    }
  }
  return out;
}

// How each icon is made: a sheet and up to two steps applied in order.
struct IconRecipe {
  IconId id;
  const Art* art;
  Step first;
  Step second;
};

constexpr IconRecipe kRecipes[] = {
    {IconId::FreeDrawContinuous, &icon_art::kPencil, Step::None, Step::None},
    {IconId::FreeDrawDotted, &icon_art::kPencil, Step::Dotted, Step::None},
    {IconId::Line, &icon_art::kLine, Step::None, Step::None},
    {IconId::BoxHollow, &icon_art::kFilledBox, Step::Hollow, Step::None},
    {IconId::BoxFilled, &icon_art::kFilledBox, Step::None, Step::None},
    {IconId::Reverse, &icon_art::kReverse, Step::None, Step::None},
    {IconId::Fill, &icon_art::kBucket, Step::None, Step::None},
    {IconId::Clear, &icon_art::kEraser, Step::None, Step::None},
    {IconId::MirrorTopToBottom, &icon_art::kMirror, Step::None, Step::None},
    {IconId::MirrorBottomToTop, &icon_art::kMirror, Step::MirrorTopBottom, Step::None},
    {IconId::MirrorLeftToRight, &icon_art::kMirror, Step::Transpose, Step::None},
    {IconId::MirrorRightToLeft, &icon_art::kMirror, Step::Transpose, Step::MirrorLeftRight},
    {IconId::SlideRight, &icon_art::kSlide, Step::None, Step::None},
    {IconId::SlideLeft, &icon_art::kSlide, Step::MirrorLeftRight, Step::None},
    {IconId::SlideDown, &icon_art::kSlide, Step::Transpose, Step::None},
    {IconId::SlideUp, &icon_art::kSlide, Step::Transpose, Step::MirrorTopBottom},
    {IconId::FlipVertical, &icon_art::kFlip, Step::None, Step::None},
    {IconId::FlipHorizontal, &icon_art::kFlip, Step::Transpose, Step::None},
    {IconId::Rotate, &icon_art::kRotate, Step::None, Step::None},
    {IconId::ScreenEditor, &icon_art::kScreen, Step::None, Step::None},
    {IconId::Cut, &icon_art::kScissors, Step::None, Step::None},
    {IconId::Copy, &icon_art::kCopy, Step::None, Step::None},
    {IconId::Paste, &icon_art::kPaste, Step::None, Step::None},
    {IconId::Undo, &icon_art::kUndoArrow, Step::None, Step::None},
    {IconId::Redo, &icon_art::kUndoArrow, Step::MirrorLeftRight, Step::None},
};

constexpr std::uint32_t kTransparent = 0x00000000;

std::uint32_t SheetColour(char c) {
  switch (c) {
    case 'K': return kOpaqueWord | 0x202020;  // outline
    case 'L': return kOpaqueWord | 0x101010;  // drawn stroke
    case 'W': return kOpaqueWord | 0xFFFFFF;
    case 'w': return kOpaqueWord | 0xE8C898;  // bare wood, eraser body
    case 'g': return kOpaqueWord | 0x8A8A8A;
    case 'B': return kOpaqueWord | 0x3060D0;
    case 'b': return kOpaqueWord | 0xA0A0FF;
    case 'R': return kOpaqueWord | 0xD03030;
    case 'r': return kOpaqueWord | 0xF0A8A8;  // the mirrored copy
    case 'Y': return kOpaqueWord | 0xF0C040;
    case 'O': return kOpaqueWord | 0xC08030;
    case 'G': return kOpaqueWord | 0x30A040;
    case 'P': return kOpaqueWord | 0xF090B0;
    case 'C': return kOpaqueWord | 0x352879;  // C64 screen
    case 'c': return kOpaqueWord | 0x6C5EB5;  // C64 border
    default: return kTransparent;
  }
}

// A light, partly transparent rim: on a light button face it all but vanishes, on a dark one it outlines
// the dark strokes and edges that would vanish there.
constexpr std::uint32_t kHalo = 0xC0E0E0E0;

bool IsDark(std::uint32_t pixel) {
  if ((pixel >> 24) == 0) return false;
  const std::uint32_t r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  return r * 299 + g * 587 + b * 114 < 80 * 1000;
}

// Every transparent pixel touching a dark one (sideways or diagonally) becomes the halo.
void AddHalo(Picture& p) {
  const Picture drawn = p;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      if (drawn.At(x, y) != kTransparent) continue;
      bool touches = false;
      for (int dy = -1; dy <= 1 && !touches; ++dy) {
        for (int dx = -1; dx <= 1 && !touches; ++dx) {
          const int nx = x + dx, ny = y + dy;
          touches = nx >= 0 && ny >= 0 && nx < p.width && ny < p.height && IsDark(drawn.At(nx, ny));
        }
      }
      if (touches) p.pixels[static_cast<std::size_t>(y) * p.width + x] = kHalo;
    }
  }
}

Picture SheetPicture(const Sheet& sheet) {
  Picture p{kIconSize, kIconSize, std::vector<std::uint32_t>(kIconSize * kIconSize)};
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x) p.pixels[y * kIconSize + x] = SheetColour(sheet[y][x]);
  }
  AddHalo(p);
  return p;
}

constexpr int kScreenCodeDigitOne = 0x31;

// "1 <-> 2" on a C64 screen, the digit of the charset in the editor lit up.
Picture SwapPicture(int slotInEditor) {
  Picture p{kSwapPictureWidth, kSwapPictureHeight,
            std::vector<std::uint32_t>(kSwapPictureWidth * kSwapPictureHeight, kC64LightBlue)};
  FillRect(p, 1, 1, kSwapPictureWidth - 2, kSwapPictureHeight - 2, kC64Blue);
  for (int slot = 0; slot < 2; ++slot) {
    const int x = slot == 0 ? 2 : kSwapPictureWidth - 18;
    const bool lit = slot == slotInEditor;
    if (lit) FillRect(p, x, 2, 16, 16, kC64LightBlue);
    DrawRomGlyph(p, kScreenCodeDigitOne + slot, x, 2, 2, lit ? kWhite : kC64LightBlue);
  }
  // A double-headed arrow between the digits.
  const int mid = kSwapPictureHeight / 2;
  FillRect(p, 18, mid - 1, 8, 2, kWhite);
  for (int d = 0; d < 3; ++d) {
    FillRect(p, 18 + d, mid - 1 - d, 1, 2 + 2 * d, kWhite);
    FillRect(p, 25 - d, mid - 1 - d, 1, 2 + 2 * d, kWhite);
  }
  return p;
}

}  // namespace

Picture IconPicture(IconId id) {
  if (id == IconId::SwapCharset1 || id == IconId::SwapCharset2) return SwapPicture(id == IconId::SwapCharset1 ? 0 : 1);
  for (const IconRecipe& r : kRecipes) {
    if (r.id == id) return SheetPicture(Apply(r.second, Apply(r.first, ToSheet(*r.art))));
  }
  return Picture{kIconSize, kIconSize, std::vector<std::uint32_t>(kIconSize * kIconSize, kTransparent)};
}

}  // namespace kx
