#pragma once
// The timer that keeps the recovery copies of unsaved charsets current (app/recovery.h).

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "app/app.h"

namespace kx {

class RecoveryKeeper : public QObject {
 public:
  explicit RecoveryKeeper(App& app);

 private:
  App& app_;
  QTimer timer_;
  QElapsedTimer clock_;
};

}  // namespace kx
