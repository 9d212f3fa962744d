#pragma once
// A Dialogs port for tests: it records each call and answers from queues.

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "runtime/dialogs.h"

namespace kx {

namespace testing_dialogs {

template <typename T>
T TakeFront(std::deque<T>& queue, T fallback) {
  if (queue.empty()) return fallback;
  T front = std::move(queue.front());
  queue.pop_front();
  return front;
}

}  // namespace testing_dialogs

enum class DialogKind { Message, OpenFile, SaveFile, Clipboard, OpenWithDesktop, Colours };

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
  ColourChoice colours;  // what the colours dialog showed
};

// Answers from queues, in order; an empty queue answers Cancel, a cancelled requester, or false. A file
// answer that does not say how the tick box was left leaves it as the requester showed it. A save
// requester behaves like the real one: it completes the name, and before replacing another file it records
// the question as a Yes/No message taking the next message answer; anything but Yes takes the next file
// answer, as a user who picks again in the same requester.
class ScriptedDialogs : public Dialogs {
 public:
  std::deque<MessageAnswer> messageAnswers;
  std::deque<std::optional<FileChoice>> fileAnswers;  // shared by the open and save requesters
  std::deque<bool> desktopAnswers;
  std::deque<std::optional<ColourChoice>> colourAnswers;
  std::vector<DialogCall> calls;

  MessageAnswer ShowMessage(const std::string& title, const std::string& text, MessageButtons buttons,
                            MessageIcon icon) override;
  std::optional<FileChoice> RequestOpenFile(const FileRequest& request) override;
  std::optional<FileChoice> RequestSaveFile(const FileRequest& request) override;
  bool CopyImageToClipboard(int width, int height, std::span<const std::uint32_t> pixels) override;
  bool OpenWithDesktop(const std::string& target) override;
  std::optional<ColourChoice> ChooseColours(const ColourChoice& current) override;

 private:
  std::optional<FileChoice> RecordRequest(DialogKind kind, const FileRequest& request);
};

inline MessageAnswer ScriptedDialogs::ShowMessage(const std::string& title, const std::string& text,
                                                  MessageButtons buttons, MessageIcon icon) {
  DialogCall call;
  call.kind = DialogKind::Message;
  call.title = title;
  call.text = text;
  call.buttons = buttons;
  call.icon = icon;
  calls.push_back(std::move(call));
  return testing_dialogs::TakeFront(messageAnswers, MessageAnswer::Cancel);
}

inline std::optional<FileChoice> ScriptedDialogs::RecordRequest(DialogKind kind, const FileRequest& request) {
  DialogCall call;
  call.kind = kind;
  call.title = request.title;
  call.proposedPath = request.proposedPath;
  call.filters = request.filters;
  call.filterIndex = request.filterIndex;
  calls.push_back(std::move(call));
  std::optional<FileChoice> choice = testing_dialogs::TakeFront(fileAnswers, std::optional<FileChoice>());
  if (choice && !request.tickText.empty() && !choice->ticked) choice->ticked = request.ticked;
  return choice;
}

inline std::optional<FileChoice> ScriptedDialogs::RequestOpenFile(const FileRequest& request) {
  return RecordRequest(DialogKind::OpenFile, request);
}

inline std::optional<FileChoice> ScriptedDialogs::RequestSaveFile(const FileRequest& request) {
  std::optional<FileChoice> choice = RecordRequest(DialogKind::SaveFile, request);
  while (choice) {
    choice->path = CompletedSaveName(request, choice->path, choice->filterIndex);
    if (!AsksBeforeReplacing(request, choice->path) ||
        ShowMessage(request.title, ReplaceQuestion(choice->path), MessageButtons::YesNo, MessageIcon::Warning) ==
            MessageAnswer::Yes) {
      break;
    }
    choice = testing_dialogs::TakeFront(fileAnswers, std::optional<FileChoice>());
  }
  return choice;
}

inline bool ScriptedDialogs::CopyImageToClipboard(int width, int height, std::span<const std::uint32_t> pixels) {
  DialogCall call;
  call.kind = DialogKind::Clipboard;
  call.width = width;
  call.height = height;
  call.pixels.assign(pixels.begin(), pixels.end());
  calls.push_back(std::move(call));
  return PixelsFitSize(width, height, pixels);
}

inline bool ScriptedDialogs::OpenWithDesktop(const std::string& target) {
  DialogCall call;
  call.kind = DialogKind::OpenWithDesktop;
  call.text = target;
  calls.push_back(std::move(call));
  return testing_dialogs::TakeFront(desktopAnswers, false);
}

inline std::optional<ColourChoice> ScriptedDialogs::ChooseColours(const ColourChoice& current) {
  DialogCall call;
  call.kind = DialogKind::Colours;
  call.colours = current;
  calls.push_back(std::move(call));
  if (colourAnswers.empty()) return std::nullopt;
  const std::optional<ColourChoice> answer = colourAnswers.front();
  colourAnswers.pop_front();
  return answer;
}

}  // namespace kx
