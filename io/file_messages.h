#pragma once
// The texts the program reports file failures with, shared by the editor's message boxes and the
// command-line tool. Message boxes break lines with carriage return + line feed.

#include <string>

namespace kx {

inline constexpr const char* kNotAKnownFileText = "Not a known file:\r\n\r\n";  // followed by the path
inline constexpr const char* kImageImportFailedText = "Import of Charset Image has failed...";

// Why a picture chosen for the image import gave no charset.
enum class ImageImportFailure { Unreadable, FileTooLarge, NotAPicture, PictureTooLarge, Damaged };

// The import's failure: its fixed first line, then the file and the reason.
inline std::string ImageImportFailedText(const std::string& path, ImageImportFailure why) {
  const char* reason = "";
  switch (why) {
    case ImageImportFailure::Unreadable: reason = "The file could not be read."; break;
    case ImageImportFailure::FileTooLarge: reason = "The file is too large to be a picture."; break;
    case ImageImportFailure::NotAPicture: reason = "The file is not a PNG, JPEG or BMP picture."; break;
    case ImageImportFailure::PictureTooLarge: reason = "The picture is too large."; break;
    case ImageImportFailure::Damaged: reason = "The picture is damaged or of a kind that cannot be read."; break;
  }
  return std::string(kImageImportFailedText) + "\r\n\r\n" + path + "\r\n" + reason;
}

inline std::string NotFoundText(const std::string& path) { return "File Error! : '" + path + "' not found!"; }
// The reason on a line of its own after the path, starting with a capital.
inline std::string UnreadableText(const std::string& path, std::string reason) {
  if (!reason.empty() && reason[0] >= 'a' && reason[0] <= 'z') reason[0] = static_cast<char>(reason[0] - 'a' + 'A');
  return "Could not read the file!\r\n\r\n" + path + (reason.empty() ? "" : "\r\n" + reason);
}
inline std::string UnwritableText(const std::string& path) { return "Could not write the file!\r\n\r\n" + path; }
// The same with the reason the system gave, on a line of its own after the path.
inline std::string UnwritableText(const std::string& path, const std::string& reason) {
  return UnwritableText(path) + "\r\n" + reason;
}

}  // namespace kx
