// Projects written by the editor, checked field by field against CharPad's documented version 5 layout
// (offsets written out here, apart from the writer), read back by the editor's reader and the import's.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <variant>

#include "io/charpad_project.h"
#include "io/charset_source.h"
#include "tests/support/source_files.h"

namespace kx {
namespace {

using source_files::FileBytes;

ByteSpan Span(const std::string& bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

TEST(CharPadProject, WrittenInTheDocumentedLayoutAndReadBackInEveryMode) {
  Charset charset{};
  for (std::size_t i = 0; i < charset.size(); ++i) charset[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
  GlyphInks inks{};
  for (std::size_t n = 0; n < inks.size(); ++n) inks[n] = static_cast<std::uint8_t>((n * 5 + 3) % 16);
  struct Case {
    CharsetColours colours;
    std::array<std::uint8_t, 20> header;  // "CTM", 5, $D021-$D023, char colour, method, flags, counts, sizes
    DisplayMode readMode;
    std::uint8_t readD024;  // version 5 keeps no $D024: the default comes back
  };
  const Case cases[] = {
      {{DisplayMode::HiRes, {6, 2, 5, 9}},
       {'C', 'T', 'M', 5, 6, 2, 5, 3, 2, 0x00, 255, 0, 0, 0, 1, 1, 1, 0, 1, 0},
       DisplayMode::HiRes, 15},
      {{DisplayMode::Multicolour, {0, 11, 12, 15}},
       {'C', 'T', 'M', 5, 0, 11, 12, 3, 2, 0x04, 255, 0, 0, 0, 1, 1, 1, 0, 1, 0},
       DisplayMode::Multicolour, 15},
      {{DisplayMode::ExtendedBackground, {15, 14, 13, 7}},
       {'C', 'T', 'M', 5, 15, 14, 13, 3, 2, 0x00, 255, 0, 0, 0, 1, 1, 1, 0, 1, 0},
       DisplayMode::HiRes, 15},
  };
  for (const Case& c : cases) {
    const std::string bytes = CharPadProjectBytes(charset, inks, c.colours);
    const int mode = static_cast<int>(c.colours.mode);
    ASSERT_EQ(bytes.size(), 20u + 2048u + 256u + 4u) << mode;
    for (std::size_t i = 0; i < c.header.size(); ++i) {
      EXPECT_EQ(static_cast<std::uint8_t>(bytes[i]), c.header[i]) << mode << " header byte " << i;
    }
    for (std::size_t i = 0; i < 2048; ++i) ASSERT_EQ(static_cast<std::uint8_t>(bytes[20 + i]), charset[i]) << i;
    for (std::size_t n = 0; n < 256; ++n) ASSERT_EQ(static_cast<std::uint8_t>(bytes[2068 + n]), inks[n]) << n;
    EXPECT_EQ(bytes.substr(2324), std::string(4, '\0')) << mode;  // the 1x1 tile and map, character 0

    const auto read = ReadCharPadProject(Span(bytes));
    ASSERT_TRUE(std::holds_alternative<CharPadProject>(read)) << std::get<SourceRefusal>(read).reason;
    const CharPadProject& project = std::get<CharPadProject>(read);
    EXPECT_EQ(project.charset, charset) << mode;
    EXPECT_EQ(project.inks, inks) << mode;
    EXPECT_EQ(project.colours.mode, c.readMode) << mode;
    EXPECT_EQ(project.colours.registers,
              (std::array<std::uint8_t, 4>{c.colours.registers[0], c.colours.registers[1], c.colours.registers[2],
                                           c.readD024}))
        << mode;
    EXPECT_EQ(project.charCount, 256);
    EXPECT_EQ(project.notRead, "") << mode;
    // The import dialog and the command-line tool read the same glyphs and colours.
    const auto imported = ReadCharsetSource(Span(bytes), "x.ctm", {});
    ASSERT_TRUE(std::holds_alternative<SourceReading>(imported));
    EXPECT_EQ(std::get<SourceReading>(imported).placed.charset, charset);
    EXPECT_EQ(std::get<SourceReading>(imported).facts.colours->inks, std::vector<std::uint8_t>(inks.begin(), inks.end()));
  }
}

TEST(CharPadProject, OpenedReadOnlyWhenItHoldsMoreThanTheCharset) {
  const std::string own = CharPadProjectBytes(Charset{}, CharsetStore::DefaultInks(), CharsetColours{});
  const auto asFile = [](const std::string& bytes) { return FileBytes(bytes.begin(), bytes.end()); };
  FileBytes material = asFile(own);
  material[2068 + 200] |= 0x10;
  FileBytes map = asFile(own);
  map[16] = 2;  // a 2x1 map
  map.insert(map.end(), {1, 0});
  FileBytes tile = asFile(own);
  tile[2324] = 7;  // the tile's cell shows character 7
  const std::pair<FileBytes, const char*> cases[] = {
      {asFile(own), ""},
      {FileBytes(own.begin(), own.end() - 4), ""},  // without the tile and map: nothing lost either
      {source_files::CharPad(5, FileBytes(300 * 8, 0x5A), false), "characters 256 to 299"},
      {source_files::CharPad(6, FileBytes(10 * 8, 0x5A), false), "its tiles and map"},
      {source_files::CharPad(9, FileBytes(10 * 8, 0x5A), true), "its tiles and map"},
      {material, "its materials"},
      {map, "its tiles and map"},
      {tile, "its tiles and map"},
  };
  for (const auto& [file, notRead] : cases) {
    const auto read = ReadCharPadProject(file);
    ASSERT_TRUE(std::holds_alternative<CharPadProject>(read)) << notRead;
    EXPECT_EQ(std::get<CharPadProject>(read).notRead, notRead);
  }
}

}  // namespace
}  // namespace kx
