#include "views/crisp_picture.h"

#include <algorithm>
#include <cmath>

namespace kx {
namespace {

// Ratios come from floating-point scale factors (1.1 · 20 = 22.000000000000004): a product this close to a
// whole number counts as that number.
constexpr double kRatioSlack = 1e-6;

double UsableRatio(double ratio) { return std::isfinite(ratio) && ratio > 1.0 ? ratio : 1.0; }

}  // namespace

int DeviceExtent(int logical, double ratio) {
  return static_cast<int>(std::ceil(logical * UsableRatio(ratio) - kRatioSlack));
}

int WholeFactor(double ratio) { return static_cast<int>(std::floor(UsableRatio(ratio) + kRatioSlack)); }

Picture CrispPicture(const Picture& picture, double ratio) {
  const int factor = WholeFactor(ratio);
  Picture out;
  out.width = std::max(DeviceExtent(picture.width, ratio), picture.width * factor);
  out.height = std::max(DeviceExtent(picture.height, ratio), picture.height * factor);
  out.pixels.assign(static_cast<std::size_t>(out.width) * out.height, 0u);
  const int left = (out.width - picture.width * factor) / 2;
  const int top = (out.height - picture.height * factor) / 2;
  for (int y = 0; y < picture.height * factor; ++y) {
    std::uint32_t* row = out.pixels.data() + static_cast<std::size_t>(top + y) * out.width + left;
    for (int x = 0; x < picture.width * factor; ++x) row[x] = picture.At(x / factor, y / factor);
  }
  return out;
}

}  // namespace kx
