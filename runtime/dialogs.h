#pragma once
// The port through which the core asks the user and the desktop for things: message boxes, open and save
// requesters, the clipboard and opening a file or web address. The Qt adapter implements it with real
// windows; tests plug in ScriptedDialogs, which records each call and answers from a queue.

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

enum class MessageButtons { Ok, YesNoCancel, YesNo };
enum class MessageIcon { None, Information, Warning };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// A requester's set-up. `filters` is the "Description|pattern;pattern|Description|pattern|" list and
// `filterIndex` the 0-based filter shown first.
struct FileRequest {
  std::string title;
  std::string proposedPath;  // a directory (ending in a separator) or a full path with a file name; may be empty
  std::string filters;
  int filterIndex = 0;
};

struct FileChoice {
  std::string path;
  int filterIndex = 0;  // the filter the user left selected
  bool operator==(const FileChoice&) const = default;
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

// True for "scheme://..." and "mailto:" addresses; anything else is a path to a local file.
bool IsWebAddress(std::string_view target);

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Shows a modal message box; texts use "\r\n" for line breaks. Closing the box answers Cancel (or Ok
  // for a box with only OK).
  virtual MessageAnswer ShowMessage(const std::string& title, const std::string& text, MessageButtons buttons,
                                    MessageIcon icon) = 0;
  // Modal requesters; no value when the user cancelled. Neither changes the process's current directory,
  // and the save requester does not ask before replacing a file.
  virtual std::optional<FileChoice> RequestOpenFile(const FileRequest& request) = 0;
  virtual std::optional<FileChoice> RequestSaveFile(const FileRequest& request) = 0;
  // Replaces the clipboard's content with a picture of 0xFFRRGGBB pixels, row by row. False when the
  // pixel count does not match the size.
  virtual bool CopyImageToClipboard(int width, int height, std::span<const std::uint32_t> pixels) = 0;
  // Opens a local file or a web address (see IsWebAddress) with the desktop's default program.
  virtual bool OpenWithDesktop(const std::string& target) = 0;
};

// True when `pixels` holds exactly width × height pixels of a non-empty picture.
bool PixelsFitSize(int width, int height, std::span<const std::uint32_t> pixels);

enum class DialogKind { Message, OpenFile, SaveFile, Clipboard, OpenWithDesktop };

// One recorded call. Fields that the kind does not use keep their defaults.
struct DialogCall {
  DialogKind kind = DialogKind::Message;
  std::string title;
  std::string text;  // message text, or the target of OpenWithDesktop
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
  std::string proposedPath;
  std::string filters;
  int filterIndex = 0;
  int width = 0;  // clipboard picture
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// Answers from queues, in order; an empty queue answers Cancel, a cancelled requester, or false.
class ScriptedDialogs : public Dialogs {
 public:
  std::deque<MessageAnswer> messageAnswers;
  std::deque<std::optional<FileChoice>> fileAnswers;  // shared by the open and save requesters
  std::deque<bool> desktopAnswers;
  std::vector<DialogCall> calls;

  MessageAnswer ShowMessage(const std::string& title, const std::string& text, MessageButtons buttons,
                            MessageIcon icon) override;
  std::optional<FileChoice> RequestOpenFile(const FileRequest& request) override;
  std::optional<FileChoice> RequestSaveFile(const FileRequest& request) override;
  bool CopyImageToClipboard(int width, int height, std::span<const std::uint32_t> pixels) override;
  bool OpenWithDesktop(const std::string& target) override;

 private:
  std::optional<FileChoice> RecordRequest(DialogKind kind, const FileRequest& request);
};

}  // namespace kx
