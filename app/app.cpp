#include "app/app.h"

namespace kx {

void RefreshTitle(App& app) { app.title = UpdateTitle(app.store); }

}  // namespace kx
