#pragma once
// The port through which the core asks the user and the desktop for things: message boxes, open and save
// requesters, the clipboard and opening a file or web address. The Qt adapter implements it with real
// windows; tests plug in a double that records each call and answers from a queue.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

// YesNoSaveAs offers a third way out of a yes-or-no question: a "Save As" button, answered SaveAs.
enum class MessageButtons { Ok, YesNoCancel, YesNo, YesNoSaveAs };
enum class MessageIcon { None, Information, Warning };
enum class MessageAnswer { Ok, Yes, No, Cancel, SaveAs };

// A requester's set-up. `filters` is the "Description|pattern;pattern|Description|pattern|" list and
// `filterIndex` the 0-based filter shown first.
struct FileRequest {
  std::string title;
  std::string proposedPath;  // a directory (ending in a separator) or a full path with a file name; may be empty
  std::string filters;
  int filterIndex = 0;
  // Save requesters only. With `appendFilterExtension`, a name that ends in exactly none of the ".ext" of
  // the chosen filter's "*.ext" patterns gets the first one appended ("FONT.PRG" becomes "FONT.PRG.prg";
  // with "*.c;*.h", "font" becomes "font.c" and "font.h" stays), and the choice carries the completed name. Before handing back a completed name that is an existing file,
  // the requester asks whether to replace it, unless that file is `replaceableFile` (the charset's own
  // file, which a save replaces silently); No returns to the requester.
  bool appendFilterExtension = false;
  std::string replaceableFile{};
  // A tick box under the requester's fields, offered when `tickText` is not empty, first shown as `ticked`.
  std::string tickText{};
  bool ticked = false;
};

struct FileChoice {
  std::string path;
  int filterIndex = 0;  // the filter the user left selected
  std::optional<bool> ticked{};  // the tick box as the user left it; none when the requester had none
  bool operator==(const FileChoice&) const = default;
};

// The colours dialog's values, each a C64 colour number 0-15: the registers $D021-$D024 and every glyph's
// ink (whose bit 3 is the multicolour bit). The dialog shows the ink of `glyph` and lets the user pick
// another glyph by its number.
struct ColourChoice {
  std::array<std::uint8_t, 4> registers{};
  int glyph = 0;
  std::array<std::uint8_t, 256> inks{};
  bool operator==(const ColourChoice&) const = default;
};

struct FileFilter {
  std::string description;
  std::vector<std::string> patterns;
  bool operator==(const FileFilter&) const = default;
};

// Splits a filter list into its description and pattern pairs. A trailing description without patterns
// gets none; empty entries between separators are kept in place so that indexes stay aligned.
std::vector<FileFilter> ParseFileFilters(std::string_view filters);

// The filter index a requester shows for `index` over `count` filters: an index past the end selects the
// last filter, a negative one the first.
int ClampFilterIndex(int index, int count);

// The name a save requester hands back when the user confirmed `path` with filter `filterIndex` selected.
std::string CompletedSaveName(const FileRequest& request, const std::string& path, int filterIndex);
// True when handing back `path` would replace an existing file other than the request's replaceable one.
bool AsksBeforeReplacing(const FileRequest& request, const std::string& path);
// "<file name> already exists. Do you want to replace it?"
std::string ReplaceQuestion(const std::string& path);

// True for "scheme://..." and "mailto:" addresses; anything else is a path to a local file.
bool IsWebAddress(std::string_view target);

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Shows a modal message box; texts use "\r\n" for line breaks. Closing the box answers Cancel (or Ok
  // for a box with only OK).
  virtual MessageAnswer ShowMessage(const std::string& title, const std::string& text, MessageButtons buttons,
                                    MessageIcon icon) = 0;
  // Modal requesters; no value when the user cancelled. Neither changes the process's current directory.
  // The save requester completes the name and asks before replacing a file as FileRequest describes.
  virtual std::optional<FileChoice> RequestOpenFile(const FileRequest& request) = 0;
  virtual std::optional<FileChoice> RequestSaveFile(const FileRequest& request) = 0;
  // Replaces the clipboard's content with a picture of 0xFFRRGGBB pixels, row by row. False when the
  // pixel count does not match the size.
  virtual bool CopyImageToClipboard(int width, int height, std::span<const std::uint32_t> pixels) = 0;
  // Opens a local file or a web address (see IsWebAddress) with the desktop's default program.
  virtual bool OpenWithDesktop(const std::string& target) = 0;
  // The modal colours dialog, showing `current`; the values the user confirmed, none when cancelled. A
  // port without one cancels.
  virtual std::optional<ColourChoice> ChooseColours(const ColourChoice& current) {
    (void)current;
    return std::nullopt;
  }
};

// True when `pixels` holds exactly width × height pixels of a non-empty picture.
bool PixelsFitSize(int width, int height, std::span<const std::uint32_t> pixels);

// The port of a program that shows nothing: every message box is closed as Cancel, every requester and
// the colours dialog cancelled, and the clipboard and the desktop refuse. An App starts with it until the
// program (or a test) plugs in its own.
class QuietDialogs : public Dialogs {
 public:
  MessageAnswer ShowMessage(const std::string&, const std::string&, MessageButtons, MessageIcon) override {
    return MessageAnswer::Cancel;
  }
  std::optional<FileChoice> RequestOpenFile(const FileRequest&) override { return std::nullopt; }
  std::optional<FileChoice> RequestSaveFile(const FileRequest&) override { return std::nullopt; }
  bool CopyImageToClipboard(int, int, std::span<const std::uint32_t>) override { return false; }
  bool OpenWithDesktop(const std::string&) override { return false; }
};

}  // namespace kx
