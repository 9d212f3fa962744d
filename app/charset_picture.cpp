#include "app/charset_picture.h"

#include "app/app.h"
#include "ops/charset_pixels.h"

namespace kx {

Image CharsetPicture(const App& app) {
  // Pictures keep their top byte at 0xFF, so the palette goes in as stored words.
  Palette packed = app.palette;
  for (Rgb& colour : packed) colour = PackPixel(colour);
  Image picture(kCharsetWidth, kCharsetHeight);
  PixelsFromCharset(app.store.editor, app.store.inks, packed,
                    {picture.Data(), CharsetPixelsNeeded(picture.Stride())}, picture.Stride());
  return picture;
}

}  // namespace kx
