#pragma once
// Charset file layouts: which bytes of a file fill which bytes of the charset, what a save writes, and
// the bounded read that never takes more of a file than the charset can hold.
//
// Layouts: raw (.chr, exactly 2048 bytes), load-address (.prg, 2 header bytes that are never interpreted,
// then 2048 bytes), partial files of 1..7 whole rows (256 * n bytes, no header) and the 2049-byte short
// load-address file that lacks the charset's last byte.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/charset.h"
#include "model/charset_store.h"
#include "runtime/file_bytes.h"

namespace kx {

inline constexpr std::size_t kPrgHeaderBytes = 2;
inline constexpr std::size_t kPrgFileBytes = kCharsetBytes + kPrgHeaderBytes;  // 2050
inline constexpr std::size_t kShortPrgFileBytes = kPrgFileBytes - 1;            // 2049

// Where a file's data sits: skip `skip` bytes, then the next bytes fill charset bytes 0..fill-1. Charset
// bytes the file does not reach read as 0; bytes from `fill` on keep their data.
struct FileSlice {
  std::size_t skip = 0;
  std::size_t fill = kCharsetBytes;
  FileType type = FileType::Chr;
};

// The layout rules, each judging a file by its size alone (nullopt: the file is refused).
// Raw: exactly 2048 bytes.
std::optional<FileSlice> RawSlice(std::uint64_t size);
// The Morvane rule: at least 2048 bytes; exactly 2050 loses its first two bytes, any other size is read
// from its first byte. The type is .prg whatever the size.
std::optional<FileSlice> MorvaneSlice(std::uint64_t size);
// Drops and recent entries: 2048 bytes raw as .chr, 2050 bytes with the header skipped as .prg.
std::optional<FileSlice> SizeSlice(std::uint64_t size);
// The imports: the size must be exactly `expected`. A 2049-byte file is the short load-address file
// (header skipped, the charset's last byte becomes 0); any other size fills that many bytes from offset 0.
std::optional<FileSlice> ImportSlice(std::uint64_t size, std::uint64_t expected);

using SliceRule = std::optional<FileSlice> (*)(std::uint64_t size);

// The load address in the first two bytes of `header` (low byte first); nothing when it is shorter.
std::optional<std::uint16_t> LoadAddressOf(std::string_view header);

// WrongSize also covers anything that is not a regular file (it has no size to judge); Unreadable is a file
// of an accepted size that could not be read, or that ended before its size said.
enum class SliceStatus { Ok, Missing, WrongSize, Unreadable };

struct SliceRead {
  SliceStatus status = SliceStatus::Unreadable;
  FileSlice slice;
  std::string bytes;  // exactly slice.fill bytes when Ok (zero past the end of the file)
  std::optional<std::uint16_t> loadAddress{};  // the skipped header, low byte first, when Ok and there is one
  std::string reason{};  // why, in words, when Unreadable
};

// Finds the file's size, lets `rule` judge it and reads only the bytes the slice needs.
template <typename Rule>
SliceRead ReadFileSlice(const std::string& path, Rule rule);

// What the reader needs from the file system; the template above is built on it.
struct FileSize {
  bool exists = false;
  bool sized = false;  // a regular file whose size is known
  std::uint64_t size = 0;
};
FileSize StatFile(const std::string& path);
// Up to `count` bytes from offset `skip`; nullopt when the file cannot be opened or read, with the system's
// error number in `error` when given.
std::optional<std::string> ReadFileRange(const std::string& path, std::size_t skip, std::size_t count,
                                         int* error = nullptr);
// What a refused file is, for the message that refuses it: "It is a folder", "It is not a regular file" or
// "It is 10002 bytes long".
std::string WhatTheFileIs(const std::string& path);

template <typename Rule>
SliceRead ReadFileSlice(const std::string& path, Rule rule) {
  const FileSize found = StatFile(path);
  if (!found.exists) return {SliceStatus::Missing, {}, {}};
  if (!found.sized) return {SliceStatus::WrongSize, {}, {}};
  const std::optional<FileSlice> slice = rule(found.size);
  if (!slice) return {SliceStatus::WrongSize, {}, {}};
  // The header is read with the data: it is the load address a .prg save writes back.
  int error = 0;
  std::optional<std::string> bytes = ReadFileRange(path, 0, slice->skip + slice->fill, &error);
  if (!bytes) return {SliceStatus::Unreadable, *slice, {}, {}, ReadErrorText(error)};
  // A file that came up short of the size just taken was cut while it was read; its tail is not zeros.
  if (bytes->size() < std::min<std::uint64_t>(slice->skip + slice->fill, found.size)) {
    return {SliceStatus::Unreadable, *slice, {}, {}, "The file became shorter while it was read."};
  }
  SliceRead read{SliceStatus::Ok, *slice, bytes->substr(std::min(slice->skip, bytes->size()))};
  if (slice->skip == kPrgHeaderBytes) read.loadAddress = LoadAddressOf(*bytes);
  read.bytes.resize(slice->fill, '\0');
  return read;
}

// Copies a successful read into charset bytes 0..fill-1.
void PlaceSlice(Charset& charset, const SliceRead& read);

// The bytes a save writes: .prg is the load address (low byte first) and the 2048 bytes; .chr (and
// anything else) the first `count` charset bytes.
std::string CharsetFileBytes(const Charset& charset, FileType type, std::size_t count = kCharsetBytes,
                             std::uint16_t loadAddress = 0);

// `name` with `extension` appended unless it already ends in exactly that text (case-sensitive, so
// "FONT.PRG" gets ".prg").
std::string WithExtension(const std::string& name, std::string_view extension);

// The part of a path after its last separator.
std::string FileNameOf(const std::string& path);

}  // namespace kx
