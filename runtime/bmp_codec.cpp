#include "runtime/bmp_codec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

namespace kx {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kLargestHeaderSize = 124;
// ReadLayout's answer for a header whose size is beyond the limits.
constexpr const char* kTooLarge = "picture too large";
constexpr std::uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;

// Little-endian fields; callers check that [offset, offset + width) lies inside the data first.
std::uint32_t Field(std::span<const std::uint8_t> d, std::size_t offset, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | d[offset + static_cast<std::size_t>(i)];
  return v;
}

// One colour channel described by a bit mask, widened to 0..255.
struct Channel {
  std::uint32_t mask = 0;

  std::uint32_t Extract(std::uint32_t value) const {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const std::uint64_t max = mask >> shift;
    const std::uint64_t field = (value & mask) >> shift;
    return static_cast<std::uint32_t>((field * 255 + max / 2) / max);
  }
};

struct Layout {
  long long width = 0, height = 0;  // height positive; `topDown` holds the sign
  bool topDown = false;
  int bitsPerPixel = 0;
  std::array<Channel, 3> rgb;       // red, green, blue masks for 16, 24 and 32 bits per pixel
  Channel alpha;
  std::vector<Rgb> palette;         // for 1, 4 and 8 bits per pixel
  std::size_t pixelOffset = 0;
};

bool Fits(std::span<const std::uint8_t> d, long long offset, long long length) {
  return offset >= 0 && length >= 0 && static_cast<unsigned long long>(offset + length) <= d.size();
}

// Reads the headers, masks and palette. Returns an error text, empty when the layout is usable.
std::string ReadLayout(std::span<const std::uint8_t> d, const ImageLimits& limits, Layout& l) {
  if (!Fits(d, 0, kFileHeaderSize + 4)) return "truncated header";
  const std::uint32_t headerSize = Field(d, 14, 4);
  if (headerSize != kCoreHeaderSize && (headerSize < kInfoHeaderSize || headerSize > kLargestHeaderSize)) {
    return "unknown header";
  }
  if (!Fits(d, kFileHeaderSize, headerSize)) return "truncated header";
  l.pixelOffset = Field(d, 10, 4);
  const bool core = headerSize == kCoreHeaderSize;
  std::uint32_t compression = kRgb, coloursUsed = 0;
  if (core) {
    l.width = Field(d, 18, 2);
    l.height = Field(d, 20, 2);
    l.bitsPerPixel = static_cast<int>(Field(d, 24, 2));
  } else {
    l.width = static_cast<std::int32_t>(Field(d, 18, 4));
    l.height = static_cast<std::int32_t>(Field(d, 22, 4));
    l.bitsPerPixel = static_cast<int>(Field(d, 28, 2));
    compression = Field(d, 30, 4);
    coloursUsed = Field(d, 46, 4);
  }
  l.topDown = l.height < 0;
  if (l.topDown) l.height = -l.height;
  if (l.width <= 0 || l.height <= 0) return "bad size";
  if (!ImageSizeAllowed(l.width, l.height, limits)) return kTooLarge;

  const int bpp = l.bitsPerPixel;
  const bool indexed = bpp == 1 || bpp == 4 || bpp == 8;
  if (!indexed && bpp != 16 && bpp != 24 && bpp != 32) return "unsupported bits per pixel";
  const bool masked = compression == kBitFields || compression == kAlphaBitFields;
  if (compression != kRgb && !(masked && (bpp == 16 || bpp == 32))) return "unsupported compression";

  // Masks sit right after the 40-byte header, where the later headers keep them as fields too.
  std::size_t after = kFileHeaderSize + headerSize;
  if (masked) {
    const int count = compression == kAlphaBitFields ? 4 : 3;
    const std::size_t stored = headerSize == kInfoHeaderSize ? static_cast<std::size_t>(count) * 4 : 0;
    if (!Fits(d, 54, count * 4)) return "truncated masks";
    for (int i = 0; i < 3; ++i) l.rgb[static_cast<std::size_t>(i)].mask = Field(d, 54 + 4 * static_cast<std::size_t>(i), 4);
    const bool hasAlpha = compression == kAlphaBitFields || headerSize >= 56;
    if (hasAlpha && Fits(d, 66, 4)) l.alpha.mask = Field(d, 66, 4);
    after += stored;
  } else if (bpp == 16) {
    l.rgb = {Channel{0x7C00}, Channel{0x03E0}, Channel{0x001F}};
  } else {
    l.rgb = {Channel{0xFF0000}, Channel{0x00FF00}, Channel{0x0000FF}};
  }

  if (indexed) {
    const std::size_t entry = core ? 3 : 4;
    std::size_t count = coloursUsed == 0 || coloursUsed > (1u << bpp) ? (1u << bpp) : coloursUsed;
    // Writers often store fewer entries than the depth allows; the pixels start where the palette ends.
    if (l.pixelOffset > after) count = std::min(count, (l.pixelOffset - after) / entry);
    if (!Fits(d, static_cast<long long>(after), static_cast<long long>(count * entry))) return "truncated palette";
    for (std::size_t i = 0; i < count; ++i) l.palette.push_back(Field(d, after + i * entry, 3));
  }
  return {};
}

// The raw value of pixel x of a row: a palette index, or a little-endian word for the masks.
std::uint32_t RawPixel(const std::uint8_t* row, long long x, int bpp) {
  if (bpp < 8) {
    const long long bit = x * bpp;
    return (row[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
  }
  const std::uint8_t* p = row + x * (bpp / 8);
  std::uint32_t v = 0;
  for (int i = bpp / 8 - 1; i >= 0; --i) v = v << 8 | p[i];
  return v;
}

Rgb ColourOf(const Layout& l, std::uint32_t raw) {
  if (l.bitsPerPixel <= 8) return raw < l.palette.size() ? l.palette[raw] : 0;
  const Rgb c = l.rgb[0].Extract(raw) << 16 | l.rgb[1].Extract(raw) << 8 | l.rgb[2].Extract(raw);
  return l.alpha.mask == 0 ? c : BlendRgb(0, c, static_cast<int>(l.alpha.Extract(raw)));
}

void Put(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

DecodeResult DecodeBmp(std::span<const std::uint8_t> data, const ImageLimits& limits) {
  if (data.size() < 2 || data[0] != 'B' || data[1] != 'M') return DecodeResult::Fail("BMP: no signature");
  Layout l;
  if (std::string why = ReadLayout(data, limits, l); !why.empty()) {
    return why == kTooLarge ? DecodeResult::TooLarge("BMP", l.width, l.height) : DecodeResult::Fail("BMP: " + why);
  }
  const long long stride = (l.width * l.bitsPerPixel + 31) / 32 * 4;
  const long long lastRowBytes = (l.width * l.bitsPerPixel + 7) / 8;  // the final padding may be missing
  if (!Fits(data, static_cast<long long>(l.pixelOffset), stride * (l.height - 1) + lastRowBytes)) {
    return DecodeResult::Fail("BMP: truncated pixel data");
  }
  Image img;
  img.Reshape(static_cast<int>(l.width), static_cast<int>(l.height));
  for (int y = 0; y < img.Height(); ++y) {
    const long long stored = l.topDown ? y : l.height - 1 - y;
    const std::uint8_t* row = data.data() + l.pixelOffset + stored * stride;
    std::uint32_t* out = img.Row(y);
    for (int x = 0; x < img.Width(); ++x) out[x] = PackPixel(ColourOf(l, RawPixel(row, x, l.bitsPerPixel)));
  }
  return {std::move(img), {}};
}

Bytes EncodeBmp(const Image& img) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(img.Width()) * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(img.Height());
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
  Bytes out;
  out.reserve(offset + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  // File header: size, two reserved words, pixel offset. Info header: size, width, height (positive:
  // bottom-up), one plane, 24 bits, no compression, pixel bytes, 2835 pixels per metre (72 dpi) twice,
  // no palette.
  for (const auto& [value, bytes] : std::initializer_list<std::pair<std::uint32_t, int>>{
           {offset + pixelBytes, 4}, {0, 4}, {offset, 4}, {kInfoHeaderSize, 4},
           {static_cast<std::uint32_t>(img.Width()), 4}, {static_cast<std::uint32_t>(img.Height()), 4},
           {1, 2}, {24, 2}, {kRgb, 4}, {pixelBytes, 4}, {2835, 4}, {2835, 4}, {0, 4}, {0, 4}}) {
    Put(out, value, bytes);
  }
  for (int y = img.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < img.Width(); ++x) Put(out, UnpackPixel(img.Row(y)[x]), 3);
    out.resize(out.size() + (stride - static_cast<std::uint32_t>(img.Width()) * 3), 0);
  }
  return out;
}

}  // namespace kx
