#include "gui/signal_watch.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <utility>

namespace kx {
namespace {

constexpr int kWatched[] = {SIGHUP, SIGTERM, SIGINT};

// The pipe's writing end, for the handler: a signal handler can reach nothing else. One watch exists per
// process (the editor's); -1 while there is none.
volatile sig_atomic_t signalPipe = -1;

extern "C" void WriteSignalNumber(int signal) {
  const int saved = errno;
  const unsigned char number = static_cast<unsigned char>(signal);
  // A full pipe already holds a signal still to be handled: this one may go.
  [[maybe_unused]] const ssize_t written = write(signalPipe, &number, 1);
  errno = saved;
}

}  // namespace

SignalWatch::SignalWatch(std::function<void(int)> onSignal) : onSignal_(std::move(onSignal)) {
  if (pipe2(fds_, O_CLOEXEC | O_NONBLOCK) != 0) return;
  signalPipe = fds_[1];
  notifier_ = std::make_unique<QSocketNotifier>(fds_[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { ReadSignal(); });
  struct sigaction action {};
  action.sa_handler = WriteSignalNumber;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kWatched) sigaction(signal, &action, nullptr);
}

SignalWatch::~SignalWatch() {
  for (const int signal : kWatched) std::signal(signal, SIG_DFL);
  signalPipe = -1;
  notifier_.reset();
  for (const int fd : fds_) {
    if (fd >= 0) close(fd);
  }
}

void SignalWatch::ReadSignal() {
  unsigned char number = 0;
  if (read(fds_[0], &number, 1) == 1 && onSignal_) onSignal_(number);
}

}  // namespace kx
