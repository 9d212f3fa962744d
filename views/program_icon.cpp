#include "views/program_icon.h"

#include <algorithm>

#include "views/picture_paint.h"

namespace kx {

Picture CroppedToArt(const Picture& p) {
  int left = p.width, top = p.height, right = -1, bottom = -1;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      if (p.At(x, y) == 0) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  Picture out{right - left + 1, bottom - top + 1, {}};
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) out.pixels.push_back(p.At(x, y));
  }
  return out;
}

namespace {

// Whether the pixel (x, y) of a size x size picture lies inside the square from `inset` to size - inset with
// corners rounded by `radius`, all in 256ths of the size as the scalable icon is drawn; judged at the
// pixel's centre, so an edge is a hard step, as the art's blocks are.
bool InsideRoundedSquare(int x, int y, int size, double inset, double radius) {
  const double unit = 256.0 / size;
  const double u = (x + 0.5) * unit;
  const double v = (y + 0.5) * unit;
  if (u < inset || v < inset || u > 256 - inset || v > 256 - inset) return false;
  const double cu = std::clamp(u, inset + radius, 256 - inset - radius);
  const double cv = std::clamp(v, inset + radius, 256 - inset - radius);
  return (u - cu) * (u - cu) + (v - cv) * (v - cv) <= radius * radius;
}

}  // namespace

Picture ProgramIconPicture(int size) {
  // The scalable icon's shape: a tile 8 units in from the edge with corners of radius 30, and a frame 12
  // units wide round a screen with corners of radius 20; what lies outside the tile is transparent.
  constexpr double kTileInset = 8, kTileRadius = 30, kScreenInset = 20, kScreenRadius = 20;
  Picture p{size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size) * size, 0)};
  // The frame stays one pixel wide at least, so the smallest sizes keep it.
  const double screenInset = std::max(kScreenInset, kTileInset + 256.0 / size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      std::uint32_t& pixel = p.pixels[static_cast<std::size_t>(y * size + x)];
      if (InsideRoundedSquare(x, y, size, screenInset, kScreenRadius)) {
        pixel = kC64Blue;
      } else if (InsideRoundedSquare(x, y, size, kTileInset, kTileRadius)) {
        pixel = kC64LightBlue;
      }
    }
  }
  int frame = 0;  // the pixels from the picture's edge to the screen, across its middle
  while (!InsideRoundedSquare(frame, size / 2, size, screenInset, kScreenRadius)) ++frame;

  const Picture bird = CroppedToArt(BirdPicture());
  // Whole multiples of the art where the tile allows one; below that the art is sampled down. Large tiles
  // keep a little screen between the bird and the frame; small ones give the bird every pixel they have.
  const int gap = size / 64;
  const int room = size - 2 * frame - 2 * gap;
  const int width = room >= bird.width ? bird.width * (room / bird.width) : room;
  const int height = std::max(1, bird.height * width / bird.width);
  const int x0 = (size - width) / 2;
  const int y0 = (size - height) / 2;
  // The bird is drawn as a left half and its mirror image, as the art is made, so that sampling it down
  // keeps it symmetric.
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < (width + 1) / 2; ++x) {
      const std::uint32_t colour = bird.At(x * bird.width / width, y * bird.height / height);
      if (colour == 0) continue;
      p.pixels[static_cast<std::size_t>((y0 + y) * size + x0 + x)] = colour;
      p.pixels[static_cast<std::size_t>((y0 + y) * size + x0 + width - 1 - x)] = colour;
    }
  }
  return p;
}

}  // namespace kx
