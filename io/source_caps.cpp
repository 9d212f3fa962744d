#include "io/source_caps.h"

#include <algorithm>
#include <array>

#include "io/charset_file.h"
#include "io/program_source.h"
#include "runtime/image_codec.h"

namespace kx {
namespace {

constexpr std::size_t kMiB = 1024 * 1024;

struct KindCap {
  SourceKind kind;
  std::size_t bytes;
};

constexpr std::array<KindCap, 10> kCaps{{
    // The editor's own layouts are told by their exact sizes.
    {SourceKind::RawCharset, kCharsetBytes},
    {SourceKind::PrgCharset, kPrgFileBytes},
    {SourceKind::ShortPrg, kShortPrgFileBytes},
    {SourceKind::RowFile, kCharsetBytes - kRowBytes},
    // A load address and the whole of the C64's memory.
    {SourceKind::Program, kLoadAddressBytes + 0x10000},
    // Cartridge and disk images, memory dumps.
    {SourceKind::Raw, 16 * kMiB},
    // The machine and its drives, with room for the largest RAM expansion (16 MiB).
    {SourceKind::Snapshot, 24 * kMiB},
    // The header and 256 characters are all that is read; the rest is tiles and maps.
    {SourceKind::CharPad, 16 * kMiB},
    {SourceKind::Sheet, kMaxImageFileBytes},
    {SourceKind::Picture, kMaxImageFileBytes},
}};

bool ToldBySize(SourceKind kind) {
  return kind == SourceKind::RawCharset || kind == SourceKind::PrgCharset || kind == SourceKind::ShortPrg ||
         kind == SourceKind::RowFile;
}

}  // namespace

std::size_t SourceByteCap(SourceKind kind) { return std::ranges::find(kCaps, kind, &KindCap::kind)->bytes; }

SourceCap SourceCapFor(ByteSpan head, std::string_view path, std::optional<SourceKind> asked) {
  std::optional<SourceKind> kind = asked ? asked : DetectSourceKind(head, path);
  // The head's own length says nothing of how long the input is.
  if (!asked && kind && ToldBySize(*kind)) kind.reset();
  return {kind, kind ? SourceByteCap(*kind) : SourceByteCap(SourceKind::Raw)};
}

}  // namespace kx
