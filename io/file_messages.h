#pragma once
// The texts the program reports file failures with, shared by the editor's message boxes and the
// command-line tool. Message boxes break lines with carriage return + line feed.

#include <string>

namespace kx {

inline constexpr const char* kNotAKnownFileText = "Not a known file:\r\n\r\n";  // followed by the path
inline constexpr const char* kImageImportFailedText = "Import of Charset Image has failed...";

inline std::string NotFoundText(const std::string& path) { return "File Error! : '" + path + "' not found!"; }
inline std::string UnreadableText(const std::string& path) { return "Could not read the file!\r\n\r\n" + path; }
inline std::string UnwritableText(const std::string& path) { return "Could not write the file!\r\n\r\n" + path; }
// The same with the reason the system gave, on a line of its own after the path.
inline std::string UnwritableText(const std::string& path, const std::string& reason) {
  return UnwritableText(path) + "\r\n" + reason;
}

}  // namespace kx
