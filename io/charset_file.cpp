#include "io/charset_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace kx {
namespace {

namespace fs = std::filesystem;

// Paths travel through the program as UTF-8.
fs::path PathFromUtf8(const std::string& path) { return fs::path(std::u8string(path.begin(), path.end())); }

}  // namespace

std::optional<FileSlice> RawSlice(std::uint64_t size) {
  if (size != kCharsetBytes) return std::nullopt;
  return FileSlice{0, kCharsetBytes, FileType::Chr};
}

std::optional<FileSlice> MorvaneSlice(std::uint64_t size) {
  if (size < kCharsetBytes) return std::nullopt;
  return FileSlice{size == kPrgFileBytes ? kPrgHeaderBytes : 0, kCharsetBytes, FileType::Prg};
}

std::optional<FileSlice> SizeSlice(std::uint64_t size) {
  if (size == kCharsetBytes) return FileSlice{0, kCharsetBytes, FileType::Chr};
  if (size == kPrgFileBytes) return FileSlice{kPrgHeaderBytes, kCharsetBytes, FileType::Prg};
  return std::nullopt;
}

std::optional<FileSlice> ImportSlice(std::uint64_t size, std::uint64_t expected) {
  if (size != expected || size == 0 || size > kPrgFileBytes) return std::nullopt;
  // The short file's 2047 bytes after the header leave the last charset byte to read as 0.
  if (size == kShortPrgFileBytes) return FileSlice{kPrgHeaderBytes, kCharsetBytes, FileType::Chr};
  if (size > kCharsetBytes) return std::nullopt;
  return FileSlice{0, static_cast<std::size_t>(size), FileType::Chr};
}

FileSize StatFile(const std::string& path) {
  const fs::path p = PathFromUtf8(path);
  std::error_code error;
  const fs::file_status status = fs::status(p, error);
  if (status.type() == fs::file_type::not_found) return {};
  if (error || status.type() != fs::file_type::regular) return {true, false, 0};
  const auto size = fs::file_size(p, error);
  if (error) return {true, false, 0};
  return {true, true, size};
}

std::optional<std::string> ReadFileRange(const std::string& path, std::size_t skip, std::size_t count,
                                         int* error) {
  errno = 0;
  const auto failed = [error]() -> std::optional<std::string> {
    if (error != nullptr) *error = errno;
    return std::nullopt;
  };
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  if (!in) return failed();
  in.seekg(static_cast<std::streamoff>(skip));
  if (!in) return failed();
  std::string bytes(count, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  if (in.bad()) return failed();
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

std::string WhatTheFileIs(const std::string& path) {
  std::string reason = NotRegularFileReason(path);
  const FileSize found = StatFile(path);
  if (reason.empty() && found.sized) return "It is " + std::to_string(found.size) + " bytes long";
  if (reason.empty()) reason = "its size cannot be read";
  reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(reason[0])));
  return reason;
}

void PlaceSlice(Charset& charset, const SliceRead& read) {
  const std::size_t n = std::min(read.bytes.size(), charset.size());
  std::copy_n(reinterpret_cast<const std::uint8_t*>(read.bytes.data()), n, charset.begin());
}

std::optional<std::uint16_t> LoadAddressOf(std::string_view header) {
  if (header.size() < kPrgHeaderBytes) return std::nullopt;
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(header[0]) | static_cast<std::uint8_t>(header[1]) << 8);
}

std::string CharsetFileBytes(const Charset& charset, FileType type, std::size_t count, std::uint16_t loadAddress) {
  const auto* data = reinterpret_cast<const char*>(charset.data());
  if (type == FileType::Prg) {
    const char header[] = {static_cast<char>(loadAddress & 0xFF), static_cast<char>(loadAddress >> 8)};
    return std::string(header, kPrgHeaderBytes) + std::string(data, charset.size());
  }
  return std::string(data, std::min(count, charset.size()));
}

std::string WithExtension(const std::string& name, std::string_view extension) {
  return name.ends_with(extension) ? name : name + std::string(extension);
}

std::string FileNameOf(const std::string& path) {
  const auto cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace kx
