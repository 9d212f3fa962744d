#include <gtest/gtest.h>

#include "model/charset_store.h"
#include "model/rom_charset.h"

namespace kx {
namespace {

TEST(CharsetStore, StartsWithRomInEditorAndEmptySlots) {
  CharsetStore s = MakeStartupStore();
  EXPECT_EQ(s.editor, RomCharset());
  EXPECT_EQ(s.slots[0], Charset{});
  EXPECT_EQ(s.slots[1], Charset{});
  EXPECT_EQ(s.editorSlot, 0);
  EXPECT_FALSE(s.modified);
  EXPECT_FALSE(s.hasFile);
  EXPECT_EQ(s.fileType, FileType::None);
  EXPECT_EQ(UpdateTitle(s), "Kestrelix 1.0 (x64) - untitled charset 1");
}

TEST(CharsetStore, FirstSwapBringsEmptyCharsetAndSecondRestores) {
  CharsetStore s = MakeStartupStore();
  SwapCharsets(s);
  EXPECT_EQ(s.editor, Charset{});
  EXPECT_EQ(s.slots[0], RomCharset());
  EXPECT_EQ(s.editorSlot, 1);
  s.editor[5] = 0xAA;  // draw on Charset 2
  SwapCharsets(s);
  EXPECT_EQ(s.editor, RomCharset());
  EXPECT_EQ(s.editorSlot, 0);
  SwapCharsets(s);
  EXPECT_EQ(s.editor[5], 0xAA);
  EXPECT_EQ(s.slots[0], RomCharset());
}

TEST(CharsetStore, EachCharsetKeepsItsOwnFlagsInksAndColoursAcrossSwaps) {
  CharsetStore s = MakeStartupStore();
  ApplyLoadBookkeeping(s, "/tmp/one.prg");
  s.fileType = FileType::Prg;
  s.modified = true;
  s.inks[3] = 13;
  s.colours = {DisplayMode::Multicolour, {6, 2, 5, 9}};
  SwapCharsets(s);
  EXPECT_EQ(UpdateTitle(s), "Kestrelix 1.0 (x64) - untitled charset 2");
  EXPECT_EQ(s.inks[3], 1);
  EXPECT_EQ(s.colours, CharsetColours{});
  s.colours.registers[0] = 4;
  EXPECT_FALSE(s.hasFile);
  EXPECT_EQ(s.fileType, FileType::None);
  EXPECT_EQ(MemoryCharsetName(s), "/tmp/one.prg");
  EXPECT_TRUE(s.memoryFlags.modified);

  ApplySaveBookkeeping(s, "/tmp/two.chr");
  s.fileType = FileType::Chr;
  SwapCharsets(s);
  EXPECT_EQ(UpdateTitle(s), "Kestrelix 1.0 (x64) - /tmp/one.prg <unsaved>");
  EXPECT_EQ(s.inks[3], 13);
  EXPECT_EQ(s.colours, (CharsetColours{DisplayMode::Multicolour, {6, 2, 5, 9}}));
  SwapCharsets(s);
  EXPECT_EQ(s.colours, (CharsetColours{DisplayMode::HiRes, {4, 11, 12, 15}}));
  SwapCharsets(s);
  EXPECT_TRUE(s.hasFile);
  EXPECT_EQ(s.fileType, FileType::Prg);
  EXPECT_FALSE(s.memoryFlags.modified);
  EXPECT_EQ(s.memoryFlags.fileType, FileType::Chr);
  EXPECT_EQ(MemoryCharsetName(s), "/tmp/two.chr");
}

TEST(CharsetStore, LoadSaveAndNewBookkeeping) {
  CharsetStore s = MakeStartupStore();
  s.modified = true;
  ApplyLoadBookkeeping(s, "/tmp/font.chr");
  EXPECT_FALSE(s.modified);
  EXPECT_TRUE(s.hasFile);
  EXPECT_EQ(UpdateTitle(s), "Kestrelix 1.0 (x64) - /tmp/font.chr");
  EXPECT_EQ(s.slotNames[1], "untitled charset 2");

  s.modified = true;
  ApplySaveBookkeeping(s, "/tmp/other.prg");
  EXPECT_EQ(s.currentName, "/tmp/other.prg");
  EXPECT_FALSE(s.modified);

  SwapCharsets(s);
  s.editor[0] = 1;
  SwapCharsets(s);
  NewCharset(s);
  EXPECT_EQ(s.editor, Charset{});
  EXPECT_FALSE(s.hasFile);
  EXPECT_EQ(UpdateTitle(s), "Kestrelix 1.0 (x64) - untitled");
  EXPECT_EQ(s.slots[1][0], 1);  // the memory charset is kept
}

TEST(CharsetStore, DirectoryOfKeepsTheSeparator) {
  EXPECT_EQ(DirectoryOf("/home/u/font.chr"), "/home/u/");
  EXPECT_EQ(DirectoryOf("font.chr"), "");
  EXPECT_EQ(DirectoryOf("C:\\charsets\\font.chr"), "C:\\charsets\\");
}

}  // namespace
}  // namespace kx
