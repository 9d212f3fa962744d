#pragma once
// Whole-file reads and safe replacing writes for encoded data.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kx {

// The file's bytes, or nothing when it cannot be opened, cannot be read or is larger than `maxBytes`.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t maxBytes);

// Writes `data` to a temporary file in the target's folder, flushes it to disk and renames it over
// `path`. On any failure the temporary file is removed and a previous file at `path` is untouched.
// A new file gets the usual permissions (0666 less the umask); a replaced one keeps its permissions.
bool WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> data);

}  // namespace kx
