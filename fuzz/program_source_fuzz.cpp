// The program reader on arbitrary bytes: read as the command-line tool reads it, and as the import
// dialog does, examined once and then cut at the window the user typed.
#include "fuzz/charset_source_fuzz.h"
#include "io/program_source.h"

namespace {

using kx::fuzz::Require;

// The dialog's window: a partial charset's glyphs, or the 2 KiB at the address typed (the first window
// when none is), each byte straight from the data the C64 loads there.
void CheckWindow(std::span<const std::uint8_t> input) {
  const auto [o, file] = kx::fuzz::SplitSourceInput(input);
  const auto examined = kx::ExamineProgram(file);
  const auto* program = std::get_if<kx::ProgramChoices>(&examined);
  if (!program) return;
  std::optional<std::uint32_t> window;
  if (o.Has(kx::fuzz::SourceOptions::Place)) window = o.place;
  const auto glyphs = kx::ProgramGlyphs(file, *program, window);
  if (const auto* refusal = std::get_if<kx::SourceRefusal>(&glyphs)) {
    Require(!refusal->reason.empty(), "a refused window says why");
    return;
  }
  const kx::GlyphBytes& bytes = std::get<kx::GlyphBytes>(glyphs);
  const kx::ByteSpan data = kx::ProgramData(file);
  const bool partial = program->partialGlyphs > 0 && !window;
  const std::size_t from = partial ? 0 : window.value_or(program->windows.front().address) - program->loadAddress;
  Require(bytes.size() == (partial ? static_cast<std::size_t>(program->partialGlyphs) * kx::kGlyphBytes
                                   : static_cast<std::size_t>(kx::kCharsetBytes)),
          "a window is the partial charset or 2 KiB");
  Require(from + bytes.size() <= data.size() && std::equal(bytes.begin(), bytes.end(), data.begin() + static_cast<std::ptrdiff_t>(from)),
          "a window's bytes are the data at its address");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kx::fuzz::CheckSourceRead(kx::SourceKind::Program, kx::fuzz::Input(data, size));
  CheckWindow(kx::fuzz::Input(data, size));
  return 0;
}
