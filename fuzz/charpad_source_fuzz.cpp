// The charpad reader on arbitrary bytes, as the import reads a project and as Open does.
#include "fuzz/charset_source_fuzz.h"
#include "io/charpad_project.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto input = kx::fuzz::Input(data, size);
  kx::fuzz::CheckSourceRead(kx::SourceKind::CharPad, input);
  const auto opened = kx::ReadCharPadProject(input);
  if (const auto* project = std::get_if<kx::CharPadProject>(&opened)) {
    kx::fuzz::Require(project->charCount >= 1, "an opened project has a character");
  }
  return 0;
}
