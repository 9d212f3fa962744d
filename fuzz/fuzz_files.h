#pragma once
// For the fuzz targets that drive whole commands on real files: a folder of this process's own (so that
// parallel fuzzers and replays never share a file), and a fresh App whose requesters and prompts are
// answered from a script.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

#include "app/app.h"
#include "fuzz/fuzz_support.h"
#include "tests/support/scripted_app.h"

namespace kx::fuzz {

// A folder under $TMPDIR, or in memory (/dev/shm) when there is one, removed when the process ends.
class ProcessFolder {
 public:
  ProcessFolder() {
    namespace fs = std::filesystem;
    const char* tmp = std::getenv("TMPDIR");
    const fs::path base = tmp && *tmp ? fs::path(tmp) : fs::is_directory("/dev/shm") ? fs::path("/dev/shm")
                                                                                        : fs::temp_directory_path();
    dir_ = base / ("kx_fuzz_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  ~ProcessFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  ProcessFolder(const ProcessFolder&) = delete;
  ProcessFolder& operator=(const ProcessFolder&) = delete;

  // Replaces the file `name` in the folder with `bytes` and gives its path.
  std::string Write(const std::string& name, std::span<const std::uint8_t> bytes) const {
    const std::string path = (dir_ / name).string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    Require(out.good(), "the input file is written");
    return path;
  }

 private:
  std::filesystem::path dir_;
};

using kx::ScriptedApp;

// One folder for the whole run of a fuzz target.
inline const ProcessFolder& Folder() {
  static const ProcessFolder folder;
  return folder;
}

// The title the store's names and flags call for.
inline std::string ExpectedTitle(const CharsetStore& store) {
  return kTitlePrefix + store.currentName + (store.modified ? kUnsavedSuffix : "");
}

}  // namespace kx::fuzz
