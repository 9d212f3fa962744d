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

}  // namespace kx
