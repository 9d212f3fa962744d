#pragma once
// An exclusive lock on a file, held for as long as the object lives (flock). The system drops it when the
// process ends in any way, so a lock that can be taken means its last holder is gone.

#include <string>

namespace kx {

class FileLock {
 public:
  FileLock() = default;
  ~FileLock();
  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&& other) noexcept;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Opens `path` (created, mode 0600, when missing) and takes its lock without waiting. False when another
  // holder has it or the file cannot be opened; the object then holds nothing.
  bool TryLock(const std::string& path);
  // Lets go of the lock (and the file); the file stays.
  void Release();
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace kx
