#include <gtest/gtest.h>

#include <tuple>
#include <png.h>
#include <zlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <utility>

#include "runtime/bmp_codec.h"
#include "runtime/file_bytes.h"
#include "runtime/image_codec.h"
#include "runtime/image_draw.h"
#include "support/bmp_builder.h"

namespace kx {
namespace {

namespace fs = std::filesystem;

// A charset-like picture: 2x2 blocks of a light ink on black, with a few other colours.
Image DumpLike() {
  Image img(64, 32);
  for (int y = 0; y < 32; y += 2) {
    for (int x = 0; x < 64; x += 2) {
      if ((x * 7 + y * 3) % 5 < 2) FillBox(img, {x, y, 2, 2}, 0xBBBBBB);
    }
  }
  img.SetPixel(1, 1, 0x123456);
  img.SetPixel(63, 31, 0xFEDCBA);
  return img;
}

Image TwoColour() {
  Image img(64, 32);
  FillBox(img, {16, 8, 32, 16}, 0xFFFFFF);
  return img;
}

bool Decodes(std::span<const std::uint8_t> data) { return DecodeImage(data).image.has_value(); }

// Rewrites the IHDR size of a PNG and its checksum, so that only the size is wrong.
Bytes PngWithSize(Bytes png, std::uint32_t w, std::uint32_t h) {
  Put(png, 16, w, 4, true);
  Put(png, 20, h, 4, true);
  Put(png, 29, static_cast<std::uint32_t>(crc32(0, png.data() + 12, 17)), 4, true);
  return png;
}

// Offset of the first JPEG start-of-frame marker's height field.
std::size_t JpegFrameSize(const Bytes& jpeg) {
  for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) return i + 5;
  }
  return 0;
}

Image DecodeOk(const Bytes& data) {
  DecodeResult r = DecodeImage(data);
  EXPECT_TRUE(r.image.has_value()) << r.error;
  return r.image.value_or(Image());
}

TEST(ImageCodecs, PngAndBmpRoundTripExactly) {
  const Image img = DumpLike();
  for (const ImageFormat f : {ImageFormat::Png, ImageFormat::Bmp}) {
    const std::optional<Bytes> data = EncodeImage(img, f);
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(DetectImageFormat(*data), f);
    EXPECT_EQ(DecodeOk(*data), img);
  }
  // Odd widths exercise the BMP row padding.
  const Image odd = Cut(DumpLike(), {1, 1, 7, 3});
  EXPECT_EQ(DecodeOk(EncodeBmp(odd)), odd);
}

TEST(ImageCodecs, JpegAtFullQualityStaysClose) {
  const Image img = TwoColour();
  const std::optional<Bytes> data = EncodeImage(img, ImageFormat::Jpeg);
  ASSERT_TRUE(data.has_value());
  const Image back = DecodeOk(*data);
  ASSERT_EQ(back.Width(), img.Width());
  ASSERT_EQ(back.Height(), img.Height());
  for (int y = 0; y < back.Height(); ++y) {
    for (int x = 0; x < back.Width(); ++x) ASSERT_EQ(back.Row(y)[x] >> 24, 0xFFu) << "opaque at " << x << "," << y;
  }
  int worst = 0;
  for (int y = 0; y < img.Height(); ++y) {
    for (int x = 0; x < img.Width(); ++x) {
      for (int shift : {0, 8, 16}) {
        worst = std::max(worst, std::abs(static_cast<int>((back.Pixel(x, y) >> shift) & 0xFF) -
                                         static_cast<int>((img.Pixel(x, y) >> shift) & 0xFF)));
      }
    }
  }
  EXPECT_LE(worst, 8);
  // Fine detail survives only at full quality: a grey checkerboard of single pixels comes back within a few
  // levels (at half quality it is off by 27).
  Image checker(32, 32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) checker.SetPixel(x, y, (x + y) % 2 ? 0xC0C0C0 : 0x404040);
  }
  const Image checkerBack = DecodeOk(*EncodeImage(checker, ImageFormat::Jpeg));
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      ASSERT_LE(std::abs(static_cast<int>(checkerBack.Pixel(x, y) & 0xFF) - static_cast<int>(checker.Pixel(x, y) & 0xFF)), 4)
          << x << "," << y;
    }
  }
  EXPECT_FALSE(EncodeImage(Image(), ImageFormat::Jpeg).has_value());
}

TEST(ImageCodecs, PngAlphaIsCompositedOverBlack) {
  // Transparent red, half-transparent white, opaque green.
  const std::uint8_t rgba[] = {255, 0, 0, 0, 255, 255, 255, 128, 0, 255, 0, 255};
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = 3;
  png.height = 1;
  png.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  ASSERT_TRUE(png_image_write_to_memory(&png, nullptr, &size, 0, rgba, 0, nullptr));
  Bytes data(size);
  ASSERT_TRUE(png_image_write_to_memory(&png, data.data(), &size, 0, rgba, 0, nullptr));
  const Image img = DecodeOk(data);
  EXPECT_EQ(img.Pixel(0, 0), 0x000000u);
  EXPECT_EQ(img.Pixel(1, 0), 0x808080u);
  EXPECT_EQ(img.Pixel(2, 0), 0x00FF00u);
  EXPECT_EQ(img.Row(0)[0] >> 24, 0xFFu);
}

TEST(BmpReading, PaletteDepthsAndRowOrder) {
  // 1 bit, top-down: row 0 is stored first.
  const Image mono = DecodeOk(MakeBmp({.width = 9, .height = -2, .bitsPerPixel = 1, .palette = {0x000000, 0xFFFFFF},
                                       .rows = {{0x80, 0x80}, {0x7F, 0x00}}}));
  ASSERT_EQ(mono.Width(), 9);
  EXPECT_EQ(mono.Pixel(0, 0), 0xFFFFFFu);
  EXPECT_EQ(mono.Pixel(8, 0), 0xFFFFFFu);
  EXPECT_EQ(mono.Pixel(1, 0), 0u);
  EXPECT_EQ(mono.Pixel(0, 1), 0u);
  EXPECT_EQ(mono.Pixel(7, 1), 0xFFFFFFu);
  // 4 bits, bottom-up: the first stored row is the bottom one.
  const Image nibbles = DecodeOk(MakeBmp({.width = 3, .height = 2, .bitsPerPixel = 4,
                                          .palette = {0x000000, 0x111111, 0x222222},
                                          .rows = {{0x12, 0x00}, {0x21, 0x10}}}));
  EXPECT_EQ(nibbles.Pixel(0, 1), 0x111111u);
  EXPECT_EQ(nibbles.Pixel(1, 1), 0x222222u);
  EXPECT_EQ(nibbles.Pixel(0, 0), 0x222222u);
  EXPECT_EQ(nibbles.Pixel(2, 0), 0x111111u);
  // 8 bits with a two-entry palette and an index far beyond it: black, not a read past the palette.
  const Image beyond = DecodeOk(MakeBmp({.width = 2, .height = 1, .bitsPerPixel = 8,
                                         .palette = {0x0000FF, 0x00FF00}, .rows = {{1, 200}}}));
  EXPECT_EQ(beyond.Pixel(0, 0), 0x00FF00u);
  EXPECT_EQ(beyond.Pixel(1, 0), 0u);
  // The core header with 3-byte palette entries.
  const Image core = DecodeOk(MakeBmp({.width = 1, .height = 1, .bitsPerPixel = 8, .headerSize = 12,
                                       .palette = {0x000000, 0xABCDEF}, .rows = {{1}}}));
  EXPECT_EQ(core.Pixel(0, 0), 0xABCDEFu);
}

TEST(BmpReading, MaskedDepths) {
  // 32 bits, BGRX with the default layout; the fourth byte is ignored.
  const Image plain = DecodeOk(MakeBmp({.width = 1, .height = 1, .bitsPerPixel = 32, .rows = {{0x56, 0x34, 0x12, 0x00}}}));
  EXPECT_EQ(plain.Pixel(0, 0), 0x123456u);
  // 16 bits, default 5-5-5: full red.
  const Image r555 = DecodeOk(MakeBmp({.width = 1, .height = 1, .bitsPerPixel = 16, .rows = {{0x00, 0x7C}}}));
  EXPECT_EQ(r555.Pixel(0, 0), 0xFF0000u);
  // 16 bits with 5-6-5 bit fields: full green.
  const Image g565 = DecodeOk(MakeBmp({.width = 1, .height = 1, .bitsPerPixel = 16, .compression = 3,
                                       .masks = {0xF800, 0x07E0, 0x001F}, .rows = {{0xE0, 0x07}}}));
  EXPECT_EQ(g565.Pixel(0, 0), 0x00FF00u);
  // 32 bits RGBA in a large header with an alpha mask: half-transparent white over black.
  const Image rgba = DecodeOk(MakeBmp({.width = 2, .height = 1, .bitsPerPixel = 32, .headerSize = 108, .compression = 3,
                                       .masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000},
                                       .rows = {{0xFF, 0xFF, 0xFF, 0x80, 0x10, 0x20, 0x30, 0xFF}}}));
  EXPECT_EQ(rgba.Pixel(0, 0), 0x808080u);
  EXPECT_EQ(rgba.Pixel(1, 0), 0x102030u);  // red in the lowest byte
}

TEST(HostileInput, BadBmpHeadersFail) {
  const BmpSpec good{.width = 2, .height = 2, .bitsPerPixel = 24, .rows = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}};
  ASSERT_TRUE(Decodes(MakeBmp(good)));
  const std::vector<std::pair<const char*, BmpSpec>> bad = {
      {"zero width", {.width = 0, .height = 2}},
      {"negative width", {.width = -2, .height = 2}},
      {"zero height", {.width = 2, .height = 0}},
      {"most negative height", {.width = 2, .height = INT32_MIN}},
      {"huge", {.width = 100000, .height = 100000}},
      {"over the pixel budget", {.width = 16384, .height = 16384}},
      {"unknown depth", {.width = 2, .height = 2, .bitsPerPixel = 7}},
      {"run-length", {.width = 2, .height = 2, .bitsPerPixel = 8, .compression = 1, .palette = {0}}},
      {"odd header size", {.width = 2, .height = 2, .headerSize = 30}},
      {"size within limits but no pixel data", {.width = 4000, .height = 4000}},
  };
  for (const auto& [what, layout] : bad) {
    BmpSpec s = layout;
    s.rows = good.rows;
    EXPECT_FALSE(Decodes(MakeBmp(s))) << what;
  }
}

TEST(HostileInput, TruncatedFilesFail) {
  // Bytes after the pixel data that a reader may do without: PNG's end chunk, JPEG's end marker.
  const std::pair<ImageFormat, std::size_t> formats[] = {
      {ImageFormat::Png, 12}, {ImageFormat::Jpeg, 2}, {ImageFormat::Bmp, 0}};
  for (const auto& [f, trailer] : formats) {
    const Bytes whole = *EncodeImage(TwoColour(), f);
    ASSERT_TRUE(Decodes(whole));
    for (std::size_t n = 0; n + trailer < whole.size(); n += (f == ImageFormat::Bmp ? 37 : 1)) {
      EXPECT_FALSE(Decodes(std::span(whole).first(n))) << static_cast<int>(f) << " cut at " << n;
    }
  }
}

TEST(HostileInput, CorruptedBytesNeverCrash) {
  std::mt19937 random(1234);
  for (const ImageFormat f : {ImageFormat::Png, ImageFormat::Jpeg, ImageFormat::Bmp}) {
    const Bytes whole = *EncodeImage(DumpLike(), f);
    for (int trial = 0; trial < 300; ++trial) {
      Bytes damaged = whole;
      for (int k = 0; k < 4; ++k) {
        // Keep the signature so the damage reaches the decoder of this format.
        const std::size_t at = 3 + random() % (damaged.size() - 3);
        damaged[at] = static_cast<std::uint8_t>(random());
      }
      const DecodeResult r = DecodeImage(damaged);
      if (r.image) EXPECT_TRUE(ImageSizeAllowed(r.image->Width(), r.image->Height()));
      else EXPECT_FALSE(r.error.empty());
    }
  }
}

TEST(HostileInput, AbsurdSizesFailBeforeAllocating) {
  const Bytes png = *EncodeImage(TwoColour(), ImageFormat::Png);
  ASSERT_TRUE(Decodes(PngWithSize(png, 64, 32)));
  EXPECT_FALSE(Decodes(PngWithSize(png, 20000, 20000)));
  EXPECT_FALSE(Decodes(PngWithSize(png, 16384, 16384)));
  EXPECT_FALSE(Decodes(PngWithSize(png, 0x7FFFFFFF, 1)));

  Bytes jpeg = *EncodeImage(TwoColour(), ImageFormat::Jpeg);
  const std::size_t at = JpegFrameSize(jpeg);
  ASSERT_NE(at, 0u);
  Put(jpeg, at, 65000, 2, true);
  Put(jpeg, at + 2, 65000, 2, true);
  EXPECT_EQ(DecodeImage(jpeg).error, "JPEG: picture too large");

}

// Each format is refused by the size its header declares, against the limits the caller gives, before a
// pixel is decoded: at the limit it decodes, one pixel or one column over it is refused, naming the size.
TEST(HostileInput, HeaderSizesAreJudgedAgainstTheGivenLimits) {
  for (const ImageFormat format : {ImageFormat::Png, ImageFormat::Jpeg, ImageFormat::Bmp}) {
    const Bytes data = *EncodeImage(DumpLike(), format);  // 64 x 32
    EXPECT_TRUE(DecodeImage(data, {64, 2048}).image.has_value()) << static_cast<int>(format);
    for (const ImageLimits limits : {ImageLimits{64, 2047}, ImageLimits{63, 2048}}) {
      const DecodeResult refused = DecodeImage(data, limits);
      EXPECT_FALSE(refused.image.has_value());
      EXPECT_TRUE(refused.error.ends_with(": picture too large")) << refused.error;
      EXPECT_EQ(refused.refusedWidth, 64);
      EXPECT_EQ(refused.refusedHeight, 32);
    }
  }
}

TEST(HostileInput, EmptyAndForeignDataFail) {
  EXPECT_FALSE(Decodes({}));
  const std::uint8_t text[] = "GIF89a not a picture we read";
  EXPECT_FALSE(Decodes(text));
  const std::uint8_t justMagic[] = {'B', 'M'};
  EXPECT_FALSE(Decodes(justMagic));
}

class ImageFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("kx_image_files_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string PathOf(const char* name) const { return (dir_ / name).string(); }
  int FileCount() const { return static_cast<int>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator())); }

  fs::path dir_;
};

TEST_F(ImageFiles, FormatComesFromTheContentNotTheName) {
  const Image img = DumpLike();
  ASSERT_TRUE(WriteImageFile(PathOf("dump.bmp"), img, ImageFormat::Png));
  const DecodeResult r = ReadImageFile(PathOf("dump.bmp"));
  ASSERT_TRUE(r.image.has_value()) << r.error;
  EXPECT_EQ(*r.image, img);
  EXPECT_FALSE(ReadImageFile(PathOf("missing.png")).image.has_value());
  std::ofstream(PathOf("empty.png")).close();
  EXPECT_FALSE(ReadImageFile(PathOf("empty.png")).image.has_value());
}

TEST_F(ImageFiles, ReplacingWritesLeaveNoDebrisAndKeepTheOldFileOnFailure) {
  const std::string path = PathOf("font.png");
  ASSERT_TRUE(WriteImageFile(path, TwoColour(), ImageFormat::Png));
  ASSERT_TRUE(WriteImageFile(path, DumpLike(), ImageFormat::Png));
  EXPECT_EQ(*ReadImageFile(path).image, DumpLike());
  EXPECT_EQ(FileCount(), 1);

  EXPECT_FALSE(WriteImageFile(path, Image(), ImageFormat::Png));  // nothing to encode
  EXPECT_EQ(*ReadImageFile(path).image, DumpLike());

  // A target that cannot be replaced: a folder of that name.
  fs::create_directory(PathOf("taken.bmp"));
  EXPECT_FALSE(WriteImageFile(PathOf("taken.bmp"), DumpLike(), ImageFormat::Bmp));
  EXPECT_TRUE(fs::is_directory(PathOf("taken.bmp")));
  EXPECT_EQ(FileCount(), 2);
  EXPECT_FALSE(WriteImageFile(PathOf("no/such/folder.png"), DumpLike(), ImageFormat::Png));
}

TEST(ImageSize, LimitsHoldJustBelowAtAndAboveThem) {
  for (auto [width, height, allowed] : {std::tuple{0LL, 1LL, false}, std::tuple{1LL, 0LL, false},
                                        std::tuple{1LL, 1LL, true}, std::tuple{16384LL, 1LL, true},
                                        std::tuple{16385LL, 1LL, false}, std::tuple{1LL, 16384LL, true},
                                        std::tuple{1LL, 16385LL, false}, std::tuple{16384LL, 1024LL, true},
                                        std::tuple{16384LL, 1025LL, false}, std::tuple{4096LL, 4096LL, true},
                                        std::tuple{4097LL, 4096LL, false}, std::tuple{1025LL, 16384LL, false}}) {
    EXPECT_EQ(ImageSizeAllowed(width, height), allowed) << width << " x " << height;
  }
}

}  // namespace
}  // namespace kx
