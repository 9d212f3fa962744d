#pragma once
// The colour options of the writing commands: --mode, --colours and --inks. They give the charset the
// display mode, VIC-II registers and per-glyph inks it has in the editor, so that a transform of a
// multicolour glyph moves whole pairs here as it does there, and a picture is drawn with its colours.

#include <variant>

#include "cli/cli_args.h"
#include "cli/cli_outcome.h"
#include "model/charset_colours.h"
#include "model/charset_store.h"

namespace kx {

struct ColourSettings {
  CharsetColours colours;
  GlyphInks inks = CharsetStore::DefaultInks();  // ink 1 for every glyph, as in a new editor session
};

// "--mode hires|mc|ecm", "--colours D021,D022,D023[,D024]" (each 0-15: decimal, $hex or 0xhex) and
// "--inks FILE" (256 bytes, glyph 0's ink first, each 0-15). A bad mode or colour is a usage failure; an
// inks file that cannot be read, is not 256 bytes or holds an ink above 15 an input failure naming it.
std::variant<ColourSettings, CliFailure> ColourSettingsFrom(const ParsedArgs& args);

// The help lines of the three options.
const char* ColourOptionsHelp();

}  // namespace kx
