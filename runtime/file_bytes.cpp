#include "runtime/file_bytes.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace kx {
namespace {

namespace fs = std::filesystem;

// Paths travel through the program as UTF-8; the filesystem layer may want another encoding.
fs::path PathFromUtf8(const std::string& path) {
  return fs::path(std::u8string(path.begin(), path.end()));
}

}  // namespace

FileRead ReadFileBytes(const std::string& path, std::size_t limit) {
  const fs::path p = PathFromUtf8(path);
  std::error_code error;
  const fs::file_status status = fs::status(p, error);
  if (status.type() == fs::file_type::not_found) return {FileReadStatus::Missing, {}};
  if (error || status.type() != fs::file_type::regular) return {FileReadStatus::Failed, {}};
  const auto size = fs::file_size(p, error);
  if (error) return {FileReadStatus::Failed, {}};
  if (size > limit) return {FileReadStatus::TooLarge, {}};

  std::ifstream in(p, std::ios::binary);
  if (!in) return {FileReadStatus::Failed, {}};
  // The file may have grown since its size was taken: read one byte more than expected to notice.
  std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return {FileReadStatus::Failed, {}};
  const auto got = static_cast<std::size_t>(in.gcount());
  if (got > limit) return {FileReadStatus::TooLarge, {}};
  bytes.resize(got);
  return {FileReadStatus::Ok, std::move(bytes)};
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
  const fs::path target = PathFromUtf8(path);
  fs::path temporary = target;
  temporary += ".kx-tmp";
  bool written = false;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      out.flush();
      out.close();
      written = !out.fail();
    }
  }
  std::error_code error;
  if (written) fs::rename(temporary, target, error);
  if (!written || error) {
    fs::remove(temporary, error);
    return false;
  }
  return true;
}

}  // namespace kx
