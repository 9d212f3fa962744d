#pragma once
// The pictures the program carries: the tool-button icons with their alternate variants, the two swap-button
// pictures and the logo of the start-up and About windows.

#include <cstdint>
#include <vector>

namespace kx {

enum class IconId : int {
  FreeDrawContinuous,
  FreeDrawDotted,
  Line,
  BoxHollow,
  BoxFilled,
  Reverse,
  Fill,
  Clear,
  MirrorTopToBottom,
  MirrorBottomToTop,
  MirrorLeftToRight,
  MirrorRightToLeft,
  SlideRight,
  SlideLeft,
  SlideDown,
  SlideUp,
  FlipVertical,
  FlipHorizontal,
  Rotate,
  ScreenEditor,
  Cut,
  Copy,
  Paste,
  Undo,
  Redo,
  SwapCharset1,  // the swap button while Charset 1 is in the editor
  SwapCharset2,
};

inline constexpr int kIconCount = static_cast<int>(IconId::SwapCharset2) + 1;
inline constexpr int kIconSize = 16;
inline constexpr int kSwapPictureWidth = 44;
inline constexpr int kSwapPictureHeight = 20;
inline constexpr int kLogoSize = 269;

// Pixels as 0xAARRGGBB, row by row. Icons leave their background transparent (alpha 0) so that the button
// face shows through; the swap pictures and the logo are opaque (0xFFRRGGBB).
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// 16x16 for the tool icons, 44x20 for the two swap pictures.
Picture IconPicture(IconId id);

// The kestrel of the logo at one pixel per art pixel, wings spread; transparent (0) around it.
Picture BirdPicture();

// The 269x269 logo: the bird and the program's name on a dark C64 screen.
Picture LogoPicture();

}  // namespace kx
