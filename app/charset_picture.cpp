#include "app/charset_picture.h"

#include "app/app.h"
#include "ops/charset_pixels.h"

namespace kx {

Image CharsetPicture(const App& app) {
  Image picture(kCharsetWidth, kCharsetHeight);
  PixelsFromCharset(app.store.editor, app.store.inks, app.palette,
                    {picture.Data(), CharsetPixelsNeeded(picture.Stride())}, picture.Stride());
  return picture;
}

}  // namespace kx
