#pragma once
// The charset as a picture file and back: the name a dump is written under, the 2x dump picture and the
// size an imported picture is brought to.

#include <string>
#include <string_view>

#include "runtime/image.h"

namespace kx {

inline constexpr int kDumpScale = 2;

// The file name a dump of the charset called `currentName` is written under: the file part (after the
// last '/' or '\'), trimmed of spaces at both ends, with the text after its last '.' replaced by
// `extension`, or "." + `extension` appended when it has no '.'. It carries no directory.
std::string DumpFileName(const std::string& currentName, std::string_view extension);

// The 512x128 dump picture: every pixel of the 256x64 charset picture becomes a 2x2 block.
Image DumpPicture(const Image& charsetPicture);

// A decoded picture of any size brought to 256x64 by averaging, so that a 2x2 (or 4x4...) block of one
// colour becomes one pixel of exactly that colour.
Image PictureAtCharsetSize(const Image& decoded);

}  // namespace kx
