#pragma once
// Hang-up, termination and interrupt signals brought onto the event loop: the handler only writes the
// signal's number into a pipe, and a socket notifier on the other end calls back on the loop, where the
// program may save its work before it ends.

#include <QObject>
#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace kx {

class SignalWatch : public QObject {
 public:
  // Installs the handlers for SIGHUP, SIGTERM and SIGINT; `onSignal` gets the signal's number.
  explicit SignalWatch(std::function<void(int)> onSignal);
  // Puts the default handlers back.
  ~SignalWatch() override;
  SignalWatch(const SignalWatch&) = delete;
  SignalWatch& operator=(const SignalWatch&) = delete;

 private:
  void ReadSignal();

  std::function<void(int)> onSignal_;
  int fds_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace kx
