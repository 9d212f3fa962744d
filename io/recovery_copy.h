#pragma once
// The recovery copy of an unsaved charset: what it takes to put the charset back where it was, as unsaved
// work, after the editor ended without saving it. The byte layout is described in docs/recovery_copy.md.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "model/charset_store.h"

namespace kx {

// Version 2 added what a read-only project did not read; a version 1 copy reads as one without it.
inline constexpr std::uint8_t kRecoveryCopyVersion = 2;

struct RecoveryCopy {
  int place = 0;         // 0: Charset 1, 1: Charset 2
  std::string name;      // the charset's name as the title shows it
  std::string file;      // the file it was loaded from or saved to; empty when it has none
  FileType fileType = FileType::None;
  std::string projectNotRead;  // CharsetFlags::projectNotRead: its file is a project saved over only after asking
  Charset bytes{};
  GlyphInks inks = CharsetStore::DefaultInks();
  CharsetColours colours;

  bool operator==(const RecoveryCopy&) const = default;
};

std::string EncodeRecoveryCopy(const RecoveryCopy& copy);

// The copy in `data`, or nothing with `reason` (when given) saying in one line why it is refused: not a
// recovery copy, a newer version, cut short, damaged (its check sum), or a field out of range.
std::optional<RecoveryCopy> DecodeRecoveryCopy(std::span<const std::uint8_t> data, std::string* reason = nullptr);

}  // namespace kx
