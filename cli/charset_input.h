#pragma once
// Reading the IN operand: a file, or standard input for "-", judged the way the editor's loads judge
// files. 2048 bytes are a raw charset, 2050 bytes a .prg (its two header bytes skipped), 2049 bytes the
// short load-address file (header skipped, the last charset byte 0); anything else is decoded as a PNG,
// JPEG or BMP picture and read back like the editor's image import. What fails is reported in the
// editor's words.

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <variant>

#include "cli/cli_outcome.h"
#include "model/charset.h"

namespace kx {

enum class InputLayout { Raw, Prg, ShortPrg, Png, Jpeg, Bmp };

// How `info` names a layout: "raw charset (.chr)", "PNG picture", ...
std::string_view InputLayoutName(InputLayout layout);

struct CharsetInput {
  Charset charset{};
  InputLayout layout = InputLayout::Raw;
  std::uint64_t size = 0;  // bytes read from the file or the stream
};

// The name standing for standard input or output.
inline constexpr std::string_view kStdStream = "-";

// The charset in `bytes`, read from `path` (only named in messages).
std::variant<CharsetInput, CliFailure> CharsetFromBytes(const std::string& bytes, const std::string& path);

// Reads `path`, or all of `in` when path is "-", and judges it with CharsetFromBytes.
std::variant<CharsetInput, CliFailure> ReadCharsetInput(const std::string& path, std::istream& in);

}  // namespace kx
