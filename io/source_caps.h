#pragma once
// How many bytes an input is read to, by the kind it is: each kind has its own cap, far below what the
// largest picture may take, and the cap is chosen from the input's first bytes (and its name) before the
// rest is buffered. A program fills at most the C64's 64 KiB, so a bigger one is refused unread.

#include <cstddef>
#include <optional>
#include <string_view>

#include "io/charset_source.h"

namespace kx {

// Enough first bytes for every signature the kinds are told by.
inline constexpr std::size_t kSourceHeadBytes = 64;

// The most bytes a file of `kind` may have.
std::size_t SourceByteCap(SourceKind kind);

struct SourceCap {
  std::optional<SourceKind> kind;  // the kind the head and name tell, when they tell one
  std::size_t bytes = 0;
};

// The cap for an input whose first bytes are `head`, named `path`, read as `asked` when the user named a kind. An input neither tells gets the cap of a
// binary, the largest kind an unnamed file may still turn out to be.
SourceCap SourceCapFor(ByteSpan head, std::string_view path, std::optional<SourceKind> asked);

}  // namespace kx
