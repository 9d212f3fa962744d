#include "io/program_source.h"

#include <algorithm>

#include "io/raw_source.h"

namespace kx {

ByteSpan ProgramData(ByteSpan file) {
  return file.size() < kLoadAddressBytes ? ByteSpan() : file.subspan(kLoadAddressBytes);
}

SourceResult<ProgramChoices> ExamineProgram(ByteSpan file) {
  if (file.size() < kLoadAddressBytes + kGlyphBytes) {
    return SourceRefusal{"a program of " + std::to_string(file.size()) + " bytes holds no glyph"};
  }
  ProgramChoices choices;
  choices.loadAddress = static_cast<std::uint16_t>(file[0] | (file[1] << 8));
  choices.dataBytes = file.size() - kLoadAddressBytes;
  if (choices.dataBytes <= static_cast<std::size_t>(kCharsetBytes)) {
    if (choices.dataBytes % kGlyphBytes != 0) {
      return SourceRefusal{"a program of " + std::to_string(file.size()) +
                           " bytes is neither 2 + 8 * n bytes of glyphs nor longer than a charset"};
    }
    choices.partialGlyphs = static_cast<int>(choices.dataBytes / kGlyphBytes);
    return choices;
  }
  // Windows start where the C64 address is a multiple of 8 and end inside both the data and the memory.
  const std::uint32_t load = choices.loadAddress;
  const std::uint32_t dataEnd = std::min<std::uint64_t>(load + choices.dataBytes, kC64MemoryEnd);
  for (std::uint32_t address = (load + kGlyphBytes - 1) / kGlyphBytes * kGlyphBytes;
       address + kCharsetBytes <= dataEnd; address += kGlyphBytes) {
    choices.windows.push_back({address, address - load});
  }
  if (choices.windows.empty()) {
    return SourceRefusal{"the program at " + HexAddress(load) +
                         " holds no 2 KiB window that starts at a glyph-aligned address below $F801"};
  }
  return choices;
}

SourceResult<GlyphBytes> ProgramGlyphs(ByteSpan file, const ProgramChoices& choices,
                                       std::optional<std::uint32_t> windowAddress) {
  const ByteSpan data = ProgramData(file);
  if (choices.partialGlyphs > 0 && !windowAddress) return RawGlyphs(data, 0, choices.partialGlyphs);
  if (choices.windows.empty()) return SourceRefusal{"the program has no 2 KiB window"};
  const std::uint32_t wanted = windowAddress.value_or(choices.windows.front().address);
  const auto window = std::ranges::find(choices.windows, wanted, &ProgramWindow::address);
  if (window == choices.windows.end()) {
    return SourceRefusal{HexAddress(wanted) + " is no glyph-aligned 2 KiB window of the program (" +
                         HexAddress(choices.windows.front().address) + " to " +
                         HexAddress(choices.windows.back().address) + ")"};
  }
  return RawGlyphs(data, window->offset, kGlyphCount);
}

}  // namespace kx
