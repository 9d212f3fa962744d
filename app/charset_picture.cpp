#include "app/charset_picture.h"

#include "app/app.h"

namespace kx {

const Image& CharsetPicture(const App& app) { return app.view.pictures.charset; }

}  // namespace kx
