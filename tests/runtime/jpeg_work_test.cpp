// The bound on JPEG decoding work: a small file that asks for hundreds of passes over a huge picture is
// refused quickly, while progressive files as encoders write them still decode.

#include <gtest/gtest.h>

// libjpeg's header needs FILE and size_t declared first.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <cstdlib>

#include "runtime/image_codec.h"

namespace kx {
namespace {

// Entropy-coded bits, most significant first, with a 0x00 after every 0xFF byte as JPEG requires.
class BitWriter {
 public:
  explicit BitWriter(Bytes& out) : out_(out) {}
  void Put(std::uint32_t bits, int count) {
    for (int i = count - 1; i >= 0; --i) {
      byte_ = static_cast<std::uint8_t>((byte_ << 1) | ((bits >> i) & 1));
      if (++filled_ == 8) Flush();
    }
  }
  // Pads the last byte with one bits.
  void Finish() {
    while (filled_ != 0) Put(1, 1);
  }

 private:
  void Flush() {
    out_.push_back(byte_);
    if (byte_ == 0xFF) out_.push_back(0x00);
    byte_ = 0;
    filled_ = 0;
  }
  Bytes& out_;
  std::uint8_t byte_ = 0;
  int filled_ = 0;
};

void Segment(Bytes& out, std::uint8_t marker, const Bytes& body) {
  const std::size_t length = body.size() + 2;
  out.insert(out.end(), {0xFF, marker, static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)});
  out.insert(out.end(), body.begin(), body.end());
}

// A valid progressive grey picture of side x side pixels, all one grey, in which every coefficient after
// the first is sent bit plane by bit plane in scans of its own: 1 + 63 * 14 = 883 scans, each of which
// is a few bytes (one run of empty blocks) but makes the decoder visit every block again.
Bytes ManyScanJpeg(int side) {
  Bytes out{0xFF, 0xD8};
  Bytes quant{0x00};
  quant.resize(65, 1);
  Segment(out, 0xDB, quant);
  const auto hi = static_cast<std::uint8_t>(side >> 8), lo = static_cast<std::uint8_t>(side);
  Segment(out, 0xC2, {8, hi, lo, hi, lo, 1, 1, 0x11, 0});
  // DC: the one symbol "difference 0" as code 0. AC: code 00 = a run of 2^14 + 14 bits empty blocks,
  // code 01 = a run of 32 empty blocks.
  Bytes dc{0x00, 1};
  dc.resize(17, 0);
  dc.push_back(0x00);
  Segment(out, 0xC4, dc);
  Bytes ac{0x10, 0, 2};
  ac.resize(17, 0);
  ac.insert(ac.end(), {0xE0, 0x50});
  Segment(out, 0xC4, ac);

  const long long blocks = static_cast<long long>(side / 8) * (side / 8);
  Segment(out, 0xDA, {1, 1, 0x00, 0, 0, 0x00});
  BitWriter dcBits(out);
  for (long long b = 0; b < blocks; ++b) dcBits.Put(0, 1);
  dcBits.Finish();
  for (std::uint8_t k = 1; k <= 63; ++k) {
    for (int ah = 0; ah <= 13; ++ah) {
      const std::uint8_t al = ah == 0 ? 13 : static_cast<std::uint8_t>(ah - 1);
      Segment(out, 0xDA, {1, 1, 0x00, k, k, static_cast<std::uint8_t>(ah << 4 | al)});
      BitWriter bits(out);
      long long left = blocks;
      for (; left >= 32767; left -= 32767) bits.Put(0b00'11111111111111, 16);
      for (; left >= 32; left -= 32) bits.Put(0b01, 2);
      bits.Finish();
    }
  }
  out.insert(out.end(), {0xFF, 0xD9});
  return out;
}

TEST(JpegWork, ManyScansOverAHugePictureAreRefusedByTheWorkBound) {
  const Bytes hostile = ManyScanJpeg(4096);
  EXPECT_LT(hostile.size(), 300'000u);
  const DecodeResult result = DecodeImage(hostile);
  EXPECT_FALSE(result.image.has_value());
  EXPECT_EQ(result.error, "JPEG: too much decoding work");

  // The same scans over a small picture are harmless and decode to its grey.
  const DecodeResult small = DecodeImage(ManyScanJpeg(256));
  ASSERT_TRUE(small.image.has_value()) << small.error;
  EXPECT_EQ(small.image->Width(), 256);
  EXPECT_EQ(small.image->Pixel(200, 100), small.image->Pixel(0, 0));
}

// A photograph-like picture as a camera or editor saves it progressively: libjpeg's usual ten scans, in
// `space` (RGB or CMYK); the first component sampled `lumaAcross` x `lumaDown` times the others (libjpeg's
// default for RGB is 2 x 2, for CMYK 1 x 1).
Bytes ProgressivePhoto(int width, int height, J_COLOR_SPACE space = JCS_RGB, int lumaAcross = 0, int lumaDown = 0) {
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* data = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &data, &size);
  c.image_width = static_cast<JDIMENSION>(width);
  c.image_height = static_cast<JDIMENSION>(height);
  const int components = space == JCS_CMYK ? 4 : 3;
  c.input_components = components;
  c.in_color_space = space;
  jpeg_set_defaults(&c);
  if (lumaAcross != 0) {
    c.comp_info[0].h_samp_factor = lumaAcross;
    c.comp_info[0].v_samp_factor = lumaDown;
  }
  jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(width) * components);
  while (c.next_scanline < c.image_height) {
    for (int x = 0; x < width; ++x) {
      const unsigned y = c.next_scanline;
      unsigned char* p = &row[static_cast<std::size_t>(x) * components];
      p[0] = static_cast<unsigned char>((x * 3 + y) ^ (y >> 2));
      p[1] = static_cast<unsigned char>(x * y >> 7);
      p[2] = static_cast<unsigned char>(y * 5 - x);
      if (components == 4) p[3] = static_cast<unsigned char>(x + y);
    }
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&c, &p, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  Bytes out(data, data + size);
  std::free(data);
  return out;
}

TEST(JpegWork, ProgressivePhotographsStillDecode) {
  const DecodeResult photo = DecodeImage(ProgressivePhoto(4000, 3000));
  ASSERT_TRUE(photo.image.has_value()) << photo.error;
  EXPECT_EQ(photo.image->Width(), 4000);
  EXPECT_EQ(photo.image->Height(), 3000);
}

// A file of several scans is held whole as coefficients before any pixel comes out; the header's components
// decide how much that takes, and more than two full-size components' worth at the largest picture allowed
// is refused before it is allocated: colour at half resolution across (exactly that much) decodes, at full
// resolution it is refused, as are four components.
TEST(JpegWork, CoefficientsBeyondTwoFullComponentsAreRefusedByTheHeader) {
  const ImageLimits limits{64, 64 * 64};
  const DecodeResult halfColour = DecodeImage(ProgressivePhoto(64, 64, JCS_RGB, 2, 1), limits);
  EXPECT_TRUE(halfColour.image.has_value()) << halfColour.error;
  EXPECT_EQ(DecodeImage(ProgressivePhoto(64, 64, JCS_RGB, 1, 1), limits).error, "JPEG: too many components to hold");
  EXPECT_EQ(DecodeImage(ProgressivePhoto(64, 64, JCS_CMYK), limits).error, "JPEG: too many components to hold");
}

}  // namespace
}  // namespace kx
