#include "runtime/image_scale.h"

#include <algorithm>
#include <cstring>

namespace kx {
namespace {

// How one axis is resampled: target pixel j is the weighted sum of `count[j]` source pixels from
// `first[j]` on, with weights taken in order from `weights`, divided by `total[j]`.
struct AxisTaps {
  std::vector<int> first, count, total, weights;
};

// Shrinking: target j covers [j*src, (j+1)*src) in a scale where source pixel i covers
// [i*dst, (i+1)*dst); each source pixel weighs its overlap, so the weights add up to `src`.
AxisTaps AreaTaps(int src, int dst) {
  AxisTaps t;
  for (long long j = 0; j < dst; ++j) {
    const long long lo = j * src, hi = (j + 1) * src;
    const long long firstPixel = lo / dst, lastPixel = (hi - 1) / dst;
    t.first.push_back(static_cast<int>(firstPixel));
    t.count.push_back(static_cast<int>(lastPixel - firstPixel + 1));
    t.total.push_back(src);
    for (long long i = firstPixel; i <= lastPixel; ++i) {
      t.weights.push_back(static_cast<int>(std::min((i + 1) * dst, hi) - std::max(i * dst, lo)));
    }
  }
  return t;
}

// Enlarging: linear interpolation between the two source pixel centres around each target pixel
// centre, in steps of 1/256; beyond the outer centres the border pixel repeats.
AxisTaps LinearTaps(int src, int dst) {
  AxisTaps t;
  for (long long j = 0; j < dst; ++j) {
    const long long pos = (2 * j + 1) * src * 256 / (2LL * dst) - 128;  // source coordinate * 256
    const long long i = pos <= 0 ? 0 : pos >> 8;
    const int frac = pos <= 0 ? 0 : static_cast<int>(pos & 255);
    t.total.push_back(256);
    if (i >= src - 1 || frac == 0) {
      t.first.push_back(static_cast<int>(std::min<long long>(i, src - 1)));
      t.count.push_back(1);
      t.weights.push_back(256);
    } else {
      t.first.push_back(static_cast<int>(i));
      t.count.push_back(2);
      t.weights.push_back(256 - frac);
      t.weights.push_back(frac);
    }
  }
  return t;
}

AxisTaps TapsFor(int src, int dst) { return dst <= src ? AreaTaps(src, dst) : LinearTaps(src, dst); }

std::uint32_t RoundedPixel(const std::uint32_t sum[3], std::uint32_t total) {
  const std::uint32_t half = total / 2;
  return PackPixel(((sum[0] + half) / total) << 16 | ((sum[1] + half) / total) << 8 | ((sum[2] + half) / total));
}

void AddWeighted(std::uint32_t sum[3], std::uint32_t word, std::uint32_t weight) {
  sum[0] += ((word >> 16) & 0xFF) * weight;
  sum[1] += ((word >> 8) & 0xFF) * weight;
  sum[2] += (word & 0xFF) * weight;
}

void ResampleRows(const Image& src, const AxisTaps& taps, int width, Image& out) {
  out.Reshape(width, src.Height());
  for (int y = 0; y < src.Height(); ++y) {
    const std::uint32_t* in = src.Row(y);
    std::uint32_t* o = out.Row(y);
    const int* w = taps.weights.data();
    for (int x = 0; x < width; ++x) {
      std::uint32_t sum[3] = {0, 0, 0};
      for (int k = 0; k < taps.count[x]; ++k) AddWeighted(sum, in[taps.first[x] + k], *w++);
      o[x] = RoundedPixel(sum, taps.total[x]);
    }
  }
}

void ResampleColumns(const Image& src, const AxisTaps& taps, int height, Image& out) {
  const int width = src.Width();
  out.Reshape(width, height);
  std::vector<std::uint32_t> sums(static_cast<std::size_t>(width) * 3);
  const int* w = taps.weights.data();
  for (int y = 0; y < height; ++y) {
    std::fill(sums.begin(), sums.end(), 0u);
    for (int k = 0; k < taps.count[y]; ++k) {
      const std::uint32_t* in = src.Row(taps.first[y] + k);
      const std::uint32_t weight = static_cast<std::uint32_t>(*w++);
      for (int x = 0; x < width; ++x) AddWeighted(&sums[3 * static_cast<std::size_t>(x)], in[x], weight);
    }
    std::uint32_t* o = out.Row(y);
    for (int x = 0; x < width; ++x) o[x] = RoundedPixel(&sums[3 * static_cast<std::size_t>(x)], taps.total[y]);
  }
}

}  // namespace

void ScaleNearestInto(const Image& src, int width, int height, Image& out) {
  if (src.Empty() || width <= 0 || height <= 0) {
    out.Reshape(0, 0);
    return;
  }
  out.Reshape(width, height);
  const int srcW = src.Width();
  const bool wholeFactor = width % srcW == 0;
  long long prevRow = -1;
  for (int y = 0; y < height; ++y) {
    const long long sy = static_cast<long long>(y) * src.Height() / height;
    std::uint32_t* o = out.Row(y);
    if (sy == prevRow) {  // same source row as the line above: copy the finished line
      std::memcpy(o, out.Row(y - 1), static_cast<std::size_t>(width) * 4);
      continue;
    }
    prevRow = sy;
    const std::uint32_t* in = src.Row(static_cast<int>(sy));
    if (wholeFactor) {
      const int factor = width / srcW;
      for (int sx = 0; sx < srcW; ++sx, o += factor) std::fill_n(o, factor, in[sx]);
      continue;
    }
    // sx = floor(x * srcW / width), stepped without a division per pixel.
    int sx = 0;
    long long rest = 0;
    for (int x = 0; x < width; ++x) {
      o[x] = in[sx];
      for (rest += srcW; rest >= width; rest -= width) ++sx;
    }
  }
}

Image ScaleNearest(const Image& src, int width, int height) {
  Image out;
  ScaleNearestInto(src, width, height, out);
  return out;
}

void ScaleSmoothInto(const Image& src, int width, int height, Image& out) {
  if (src.Empty() || width <= 0 || height <= 0) {
    out.Reshape(0, 0);
    return;
  }
  Image across;
  ResampleRows(src, TapsFor(src.Width(), width), width, across);
  ResampleColumns(across, TapsFor(src.Height(), height), height, out);
}

Image ScaleSmooth(const Image& src, int width, int height) {
  Image out;
  ScaleSmoothInto(src, width, height, out);
  return out;
}

}  // namespace kx
