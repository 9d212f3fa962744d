#include "cli/charset_input.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "io/charset_file.h"
#include "io/file_messages.h"
#include "io/image_dump.h"
#include "ops/charset_pixels.h"
#include "runtime/file_bytes.h"
#include "runtime/image_codec.h"

namespace kx {
namespace {

// The charset layouts by size: the sizes the editor's own loads accept, each with its slice.
struct SizedLayout {
  std::uint64_t size;
  InputLayout layout;
};
constexpr std::array<SizedLayout, 3> kSizedLayouts{{
    {kCharsetBytes, InputLayout::Raw},
    {kPrgFileBytes, InputLayout::Prg},
    {kShortPrgFileBytes, InputLayout::ShortPrg},
}};

std::optional<FileSlice> SliceOfSize(std::uint64_t size) {
  if (size == kShortPrgFileBytes) return ImportSlice(size, kShortPrgFileBytes);
  return SizeSlice(size);
}

InputLayout PictureLayout(ImageFormat format) {
  switch (format) {
    case ImageFormat::Png: return InputLayout::Png;
    case ImageFormat::Jpeg: return InputLayout::Jpeg;
    case ImageFormat::Bmp: return InputLayout::Bmp;
  }
  return InputLayout::Png;
}

std::span<const std::uint8_t> Span(const std::string& bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

// The editor's messages for a file of no known layout and for one that could not be read.
CliFailure NotAKnownFile(const std::string& path) {
  return InputFailure(kNotAKnownFileText + path);
}
CliFailure CouldNotRead(const std::string& path) {
  return InputFailure(UnreadableText(path));
}

// Reads the stream to its end, stopping once it holds more than `limit` bytes.
std::optional<std::string> ReadStream(std::istream& in, std::size_t limit) {
  std::string bytes;
  std::array<char, 65536> block{};
  while (in.read(block.data(), block.size()) || in.gcount() > 0) {
    bytes.append(block.data(), static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > limit) break;
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace

std::string_view InputLayoutName(InputLayout layout) {
  switch (layout) {
    case InputLayout::Raw: return "raw charset (.chr)";
    case InputLayout::Prg: return "charset with load address (.prg)";
    case InputLayout::ShortPrg: return "short load-address file (2049 bytes, last byte missing)";
    case InputLayout::Png: return "PNG picture";
    case InputLayout::Jpeg: return "JPEG picture";
    case InputLayout::Bmp: return "BMP picture";
  }
  return "";
}

std::variant<CharsetInput, CliFailure> CharsetFromBytes(const std::string& bytes, const std::string& path) {
  CharsetInput input;
  input.size = bytes.size();
  if (const std::optional<FileSlice> slice = SliceOfSize(bytes.size())) {
    SliceRead read{SliceStatus::Ok, *slice, bytes.substr(slice->skip, slice->fill)};
    read.bytes.resize(slice->fill, '\0');
    PlaceSlice(input.charset, read);
    input.layout = std::ranges::find(kSizedLayouts, input.size, &SizedLayout::size)->layout;
    return input;
  }
  const std::optional<ImageFormat> format = DetectImageFormat(Span(bytes));
  if (!format) return NotAKnownFile(path);
  const DecodeResult decoded = DecodeImage(Span(bytes));
  if (!decoded.image) return InputFailure(kImageImportFailedText);
  const Image picture = PictureAtCharsetSize(*decoded.image);
  input.charset = CharsetFromPixels({picture.Data(), CharsetPixelsNeeded(picture.Stride())}, picture.Stride());
  input.layout = PictureLayout(*format);
  return input;
}

std::variant<CharsetInput, CliFailure> ReadCharsetInput(const std::string& path, std::istream& in) {
  if (path == kStdStream) {
    const std::optional<std::string> bytes = ReadStream(in, kMaxImageFileBytes);
    if (!bytes) return CouldNotRead(path);
    if (bytes->size() > kMaxImageFileBytes) return NotAKnownFile(path);
    return CharsetFromBytes(*bytes, path);
  }
  const FileRead file = ReadFileBytes(path, kMaxImageFileBytes);
  switch (file.status) {
    case FileReadStatus::Ok: return CharsetFromBytes(file.bytes, path);
    case FileReadStatus::Missing: return InputFailure(NotFoundText(path));
    case FileReadStatus::TooLarge: return NotAKnownFile(path);
    case FileReadStatus::Failed: break;
  }
  return CouldNotRead(path);
}

}  // namespace kx
