#pragma once
// What a save would change about the file it writes over: its size, or the load address in its header.
// Someone who assembles or loads that file relies on both, so a save that changes either asks first.

#include <optional>
#include <string>

namespace kx {

// The question for writing `bytes` over the existing file `path`: its size and the new one when they
// differ, or its load address and the new one when both are .prg files (2050 bytes) with different
// headers. Nothing when nothing of the file's layout would be lost: no file there, or the same size and
// load address.
std::optional<std::string> LayoutChangeText(const std::string& path, const std::string& bytes);

// The question for writing a project over `path`, the CharPad project the charset was opened from, when
// that project held more than was read (`notRead` says what); nothing when it held no more or is gone.
std::optional<std::string> ProjectLossText(const std::string& path, const std::string& notRead);

// Told after a project is written from an extended-background charset, whose mode the project cannot keep.
inline constexpr const char* kProjectWithoutEcmText =
    "The CharPad project keeps no extended background mode and no $D024: it opens in hi-res";

}  // namespace kx
