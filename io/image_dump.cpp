#include "io/image_dump.h"

#include "io/charset_file.h"
#include "model/charset.h"
#include "runtime/image_scale.h"

namespace kx {

std::string DumpFileName(const std::string& currentName, std::string_view extension) {
  const std::string file = FileNameOf(currentName);
  const auto first = file.find_first_not_of(' ');
  const std::string trimmed = first == std::string::npos ? "" : file.substr(first, file.find_last_not_of(' ') - first + 1);
  const auto dot = trimmed.rfind('.');
  const std::string base = dot == std::string::npos ? trimmed : trimmed.substr(0, dot);
  return base + "." + std::string(extension);
}

Image DumpPicture(const Image& charsetPicture) {
  return ScaleNearest(charsetPicture, charsetPicture.Width() * kDumpScale, charsetPicture.Height() * kDumpScale);
}

Image PictureAtCharsetSize(const Image& decoded) { return ScaleSmooth(decoded, kCharsetWidth, kCharsetHeight); }

}  // namespace kx
