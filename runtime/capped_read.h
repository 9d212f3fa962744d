#pragma once
// Reading an input whose size cap depends on what it turns out to be. The first bytes are read, the cap is
// chosen from them, and the rest is read only up to that cap: a huge file is refused by its size before its
// body is read, and an endless stream (a device, a pipe that never closes) stops just past the cap, so no
// input is ever buffered beyond what its kind may hold.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <span>
#include <string>

#include "runtime/file_bytes.h"

namespace kx {

// The most bytes an input may have, judged from its first bytes (all of them when it is shorter).
using CapOfHead = std::function<std::size_t(std::span<const std::uint8_t> head)>;

// Reads the regular file, pipe, socket or character device at `path` to its end: the first `headBytes`
// decide the cap. A regular file larger than its cap is TooLarge without being read further; a stream
// once it has given one byte more than the cap. Anything else (a folder) is Failed.
FileRead ReadCapped(const std::string& path, std::size_t headBytes, const CapOfHead& capOf);

// The same for an open stream (standard input).
FileRead ReadCapped(std::istream& in, std::size_t headBytes, const CapOfHead& capOf);

}  // namespace kx
