#include "gui/recovery_keeper.h"

namespace kx {

RecoveryKeeper::RecoveryKeeper(App& app) : app_(app) {
  clock_.start();
  timer_.setInterval(static_cast<int>(app_.shell.recovery.PeriodMs()));
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { KeepRecoveryCurrent(app_, clock_.elapsed()); });
  if (!app_.shell.recovery.folder.empty()) timer_.start();
}

}  // namespace kx
