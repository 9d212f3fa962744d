#pragma once
// Where the program finds the read-only files it ships with (the changelog, the help): in the working
// directory first, where a user or a developer may keep a copy of their own, then in the data folder an
// installation puts beside the program, <program dir>/../share/doc/kestrelix/, and last in the copy a build
// tree stages next to its program, <program dir>/share/doc/kestrelix/, so a program that was built but not
// installed shows them too.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

// The installed data folder relative to the folder that holds the executable.
inline constexpr std::string_view kInstalledDataDir = "../share/doc/kestrelix";
// The build tree's staged copy of that folder, relative to the folder that holds the executable.
inline constexpr std::string_view kStagedDataDir = "share/doc/kestrelix";

// Answers whether a path names a file that can be opened; tests script it.
using FileExistsFn = std::function<bool(const std::string& path)>;

// True when `path` is a regular file (or a link to one).
bool IsExistingFile(const std::string& path);

// `relative` inside the installed data folder of a program kept in `programDir`, as a normalised path
// ("/usr/bin" and "manual/index.html" give "/usr/share/doc/kestrelix/manual/index.html"). An empty
// `programDir` (not known) gives an empty path.
std::string InstalledDataPath(std::string_view programDir, std::string_view relative);

// One file of the program's own, by its name in the working directory and its place in the data folder.
struct DataFile {
  std::string_view workingName;
  std::string_view installedName;
};

inline constexpr DataFile kChangelogData = {"changelog.txt", "changelog.txt"};
inline constexpr DataFile kHelpData = {"kstr-help.chm", "manual/index.html"};

// The first place where `file` exists: its working name as it stands (relative to the working directory),
// then its installed path, then its staged path. No value when none exists.
std::optional<std::string> FindDataFile(const DataFile& file, std::string_view programDir,
                                        const FileExistsFn& exists = IsExistingFile);

}  // namespace kx
