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

Picture ProgramIconPicture(int size) {
  Picture p{size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size) * size, kC64LightBlue)};
  const int frame = std::max(1, size / 32);
  FillRect(p, frame, frame, size - 2 * frame, size - 2 * frame, kC64Blue);

  const Picture bird = CroppedToArt(BirdPicture());
  // Whole multiples of the art where the tile allows one; below that the art is sampled down. Large tiles
  // keep some screen between the bird and the frame; small ones give the bird every pixel they have.
  const int gap = size >= 64 ? size / 16 : 0;
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
