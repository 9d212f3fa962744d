// Font sheets in the shapes people publish them, drawn here from the ROM glyphs: scaled, with margins,
// gaps and grid lines, transparent, mostly ink, lossy, the editor's own dump, in ASCII order; and those that
// cannot be read with confidence: cut short, or drawn at a scale that is no whole number.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <variant>

#include "io/font_sheet.h"
#include "io/image_dump.h"
#include "model/rom_charset.h"
#include "runtime/image_scale.h"
#include "runtime/jpeg_codec.h"

// The cases name only what differs from a plain sheet; the other fields keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace kx {
namespace {

// Cells `from` .. `from + count - 1` of the ROM (the lower-case set from 256), `across` to a row.
struct Drawing {
  int from = 0;
  int count = 128;
  int across = 16;
  int scale = 1;
  int margin = 0;
  int gap = 0;
  std::optional<Rgb> line;  // grid lines in the gaps and around the cells, else the gaps are paper
  Rgb paper = 0xFFFFFF;
  Rgb ink = 0x000000;
  std::function<int(int)> glyphOfCell = nullptr;  // else from + cell
};

Image Draw(const Drawing& d) {
  const int cell = 8 * d.scale, pitch = cell + d.gap;
  const int down = (d.count + d.across - 1) / d.across;
  Image sheet(2 * d.margin + d.across * pitch - d.gap, 2 * d.margin + down * pitch - d.gap, d.paper);
  if (d.line) {
    for (int y = d.margin - d.gap; y < sheet.Height() - d.margin + d.gap; ++y) {
      for (int x = d.margin - d.gap; x < sheet.Width() - d.margin + d.gap; ++x) {
        if ((x - d.margin) % pitch >= cell || (y - d.margin) % pitch >= cell || x < d.margin || y < d.margin) {
          sheet.SetPixel(x, y, *d.line);
        }
      }
    }
  }
  const auto& rom = RomBytes();
  for (int n = 0; n < d.count; ++n) {
    const int glyph = d.glyphOfCell ? d.glyphOfCell(n) : d.from + n;
    for (int y = 0; y < 8 * d.scale; ++y) {
      for (int x = 0; x < 8 * d.scale; ++x) {
        if (glyph >= 0 && (rom[static_cast<std::size_t>(glyph * 8 + y / d.scale)] >> (7 - x / d.scale)) & 1) {
          sheet.SetPixel(d.margin + (n % d.across) * pitch + x, d.margin + (n / d.across) * pitch + y, d.ink);
        }
      }
    }
  }
  return sheet;
}

// Paper pixels made transparent, as a PNG with alpha decodes.
Image Transparent(Image sheet, Rgb paper) {
  for (int i = 0; i < sheet.Width() * sheet.Height(); ++i) {
    if (UnpackPixel(sheet.Data()[i]) == paper) sheet.Data()[i] = UnpackPixel(sheet.Data()[i]);
  }
  return sheet;
}

// Edges softened as a smooth drawing leaves them: each channel the [1 2 1] average across and down.
Image Blurred(const Image& sheet) {
  Image out(sheet.Width(), sheet.Height());
  for (int y = 0; y < sheet.Height(); ++y) {
    for (int x = 0; x < sheet.Width(); ++x) {
      Rgb mixed = 0;
      for (int shift : {0, 8, 16}) {
        int sum = 0;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int weight = (2 - std::abs(dx)) * (2 - std::abs(dy));
            const Rgb c = sheet.Pixel(std::clamp(x + dx, 0, sheet.Width() - 1), std::clamp(y + dy, 0, sheet.Height() - 1));
            sum += weight * static_cast<int>((c >> shift) & 0xFF);
          }
        }
        mixed |= static_cast<Rgb>(sum / 16) << shift;
      }
      out.SetPixel(x, y, mixed);
    }
  }
  return out;
}

// The sheet less `cut` pixels at its right and bottom.
Image CutShort(const Image& whole, int cut) {
  Image part(whole.Width() - cut, whole.Height() - cut);
  for (int y = 0; y < part.Height(); ++y) std::copy_n(whole.Row(y), part.Width(), part.Row(y));
  return part;
}

Image ThroughJpeg(const Image& sheet, int quality) {
  return *DecodeImage(*EncodeJpeg(sheet, quality), kSheetImageLimits).image;
}

using Bytes8 = std::array<std::uint8_t, 8>;
const Bytes8 kAt{0x3C, 0x66, 0x6E, 0x6E, 0x60, 0x62, 0x3C, 0x00};
const Bytes8 kA{0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x66, 0x00};
const Bytes8 kInverseA{0xE7, 0xC3, 0x99, 0x81, 0x99, 0x99, 0x99, 0xFF};
const Bytes8 kSmallA{0x00, 0x00, 0x3C, 0x06, 0x3E, 0x66, 0x3E, 0x00};
const Bytes8 kSpace{};

TEST(FontSheetShapes, GridScaleInkAndPaperAreFound) {
  struct Case {
    const char* name;
    Image sheet;
    SheetOptions options;
    // The grid expected (scale, origin, pitch across and cells), and glyphs by number; a scale of 0: refused
    // as a grid that cannot be found, never cut across its cells.
    int scale, originX, pitchX, columns, rows;
    std::vector<std::pair<int, Bytes8>> glyphs;
    std::uint32_t paper = 0xFFFFFF;
  };
  const auto spaceFirst = [](int n) { return n % 128 == 0 ? n + 32 : n; };
  const Drawing rom256{.count = 256, .across = 32, .paper = 0x000000, .ink = 0x7070E0};
  const Case cases[] = {
      {"plain 8x8", Draw({}), {}, 1, 0, 8, 16, 8, {{0, kAt}, {1, kA}}},
      {"scale 2, margin, 1-pixel gaps", Draw({.scale = 2, .margin = 5, .gap = 1}), {}, 2, 5, 17, 16, 8, {{1, kA}, {127, {0xF0, 0xF0, 0xF0, 0xF0, 0x0F, 0x0F, 0x0F, 0x0F}}}},
      {"scale 3, grid lines", Draw({.count = 64, .scale = 3, .margin = 4, .gap = 1, .line = 0x808080}), {}, 3, 4, 25, 16, 4,
       {{1, kA}, {32, kSpace}}},
      {"grid lines at scale 1", Draw({.margin = 2, .gap = 2, .line = 0x000000}), {}, 1, 2, 10, 16, 8, {{1, kA}, {0, kAt}}},
      {"transparent paper, black ink", Transparent(Draw({.paper = 0x000001}), 0x000001), {}, 1, 0, 8, 16, 8,
       {{1, kA}, {32, kSpace}}, 0},
      {"mostly ink inside a margin", Draw({.from = 128, .margin = 6}), {}, 1, 6, 8, 16, 8, {{1, kInverseA}}},
      {"JPEG at quality 60, scale 2 with gaps", ThroughJpeg(Draw({.scale = 2, .margin = 3, .gap = 2}), 60), {}, 2, 3, 18,
       16, 8, {{0, kAt}, {1, kA}}},
      {"anti-aliased grey on cream, scale 3", Blurred(Draw({.scale = 3, .margin = 4, .paper = 0xF0E8D0, .ink = 0x303030})),
       {}, 3, 4, 24, 16, 8, {{0, kAt}, {1, kA}}, 0xF0E8D0},
      {"the editor's own dump, all 256", DumpPicture(Draw(rom256)), {}, 2, 0, 16, 32, 8, {{1, kA}, {129, kInverseA}}, 0},
      // A whole set whose second half reverses the first exactly (cells 0 and 128 a space and its
      // reverse): as much ink as paper, in the cells and around their edges, and no margin.
      {"all 256 tied, black on white, no margin", Draw({.count = 256, .across = 32, .glyphOfCell = spaceFirst}), {}, 1, 0, 8,
       32, 8, {{0, kSpace}, {1, kA}, {129, kInverseA}}},
      {"all 256 tied, white on black, no margin",
       Draw({.count = 256, .paper = 0x000000, .ink = 0xFFFFFF, .glyphOfCell = spaceFirst}), {}, 1, 0, 8, 16, 16,
       {{0, kSpace}, {1, kA}, {129, kInverseA}}, 0},
      {"both sets tied, black on white, no margin", Draw({.count = 512, .across = 32, .glyphOfCell = spaceFirst}), {}, 1, 0,
       8, 32, 16, {{0, kSpace}, {1, kA}, {129, kInverseA}}},
      {"scale, origin and pitch given", Draw({.scale = 2, .margin = 5, .gap = 1}),
       {.grid = {.scale = 2, .originX = 5, .originY = 5, .pitchX = 17, .pitchY = 17}}, 2, 5, 17, 16, 8, {{1, kA}}},
      {"ASCII order from the space", Draw({.count = 95, .glyphOfCell = [](int n) {
                                             const int c = n + ' ';
                                             return c >= 'a' && c <= 'z' ? 256 + c - 96 : c >= 'A' && c <= 'Z' ? 256 + c : c < '@' ? c : -1;
                                           }}),
       {.asciiOrder = true}, 1, 0, 8, 16, 6, {{1, kSmallA}, {65, kA}, {32, kSpace}}},
      // No grid leaves whole cells and a plain edge.
      {"scale 2 cut short through its last cells", CutShort(Draw({.scale = 2}), 6), {}, 0},
      // Pixels alternately 2 and 1 (3 and 2) wide fit no whole scale; read at scale 1 they would tile 8x8
      // cells exactly and cut every glyph across.
      {"scale 1.5", ScaleNearest(Draw({}), 192, 96), {}, 0},
      {"scale 2.5 through JPEG", ThroughJpeg(ScaleNearest(Draw({.count = 256, .across = 32}), 640, 160), 80), {}, 0},
      {"scale 2.5", ScaleNearest(Draw({}), 320, 160), {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto result = CutFontSheet(c.sheet, c.options);
    if (c.scale == 0) {
      const auto* refusal = std::get_if<SourceRefusal>(&result);
      EXPECT_TRUE(refusal && refusal->reason.starts_with(kGridUnsure)) << (refusal ? refusal->reason : "cut");
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<SheetCut>(result)) << std::get<SourceRefusal>(result).reason;
    const SheetCut& cut = std::get<SheetCut>(result);
    EXPECT_EQ(cut.grid.scale, c.scale);
    EXPECT_EQ(cut.grid.across.origin, c.originX);
    EXPECT_EQ(cut.grid.across.pitch, c.pitchX);
    EXPECT_EQ(cut.columns, c.columns);
    EXPECT_EQ(cut.rows, c.rows);
    EXPECT_EQ(cut.paper, c.paper);
    for (const auto& [glyph, bytes] : c.glyphs) {
      ASSERT_LE(static_cast<std::size_t>(glyph + 1) * 8, cut.glyphs.size()) << glyph;
      Bytes8 got{};
      std::copy_n(cut.glyphs.begin() + glyph * 8, 8, got.begin());
      EXPECT_EQ(got, bytes) << "glyph " << glyph;
    }
  }
}

}  // namespace
}  // namespace kx
