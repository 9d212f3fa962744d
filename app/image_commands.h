#pragma once
// The charset as a picture: the four dumps of "Dump Charset..." and "Import Charset as Image".

#include "runtime/image_codec.h"

namespace kx {

struct App;

// The views' charset image: the editor charset one pixel per glyph pixel, set pixels in their glyph's ink,
// clear pixels in the paper colour. Never carries the display emulation.
const Image& CharsetPicture(const App& app);
struct Document;
struct ShellState;
struct ViewSession;

// Writes the 512x128 dump picture as a PNG, JPEG or BMP file named after the current name into the
// process's current directory, and says whether it worked, where the file is and, when it failed, why. It
// replaces a file of that name without asking only when a dump of this run wrote it and it has not changed
// since; any other file, and either charset's own (the one it was loaded from, imported from or saved to),
// it asks about first (MayReplaceFile), and No writes nothing. The memory charset, when the dump replaced
// its file, is unsaved afterwards.
void DumpCharsetToFile(App& app, ImageFormat format);

// Puts the 512x128 dump picture on the clipboard and says so.
void DumpCharsetToClipboard(App& app);

// Asks for a PNG, JPEG or BMP file (recognised by content), averages it down or up to 256x64 and reads it
// back as the editor charset in its display mode: in hi-res mode $D021's colour (black by default) is a
// clear pixel, every other colour a set one; in multicolour and extended background mode the colours give
// the bit pairs and the inks (CharsetFromColourPixels), so a dump comes back exactly. It completes like a
// load, with the file type image, so that the next Save asks for a name. A file that does not decode
// changes nothing but the picture the requester proposes next (the last one chosen; before any, the last
// folder), and the failure names the file and says why.
void ImportCharsetImage(App& app);

}  // namespace kx
