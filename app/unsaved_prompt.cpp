#include "app/unsaved_prompt.h"

#include <array>
#include <string>

#include "app/app.h"
#include "app/charset_saving.h"

namespace kx {
namespace {

struct PromptText {
  const char* title;
  const char* before;  // text before the current name
  const char* after;   // text after it
};

constexpr const char* kUnsaved = "The following is unsaved:\r\n\r\n";
constexpr const char* kWantToSave = "\r\n\r\nDo you want to save?";

// In PromptFor order.
constexpr std::array<PromptText, 7> kPrompts{{
    {"Quit Kestrelix", "The following file has not been saved:\r\n\r\n", "\r\n\r\nDo you wish to save the file?"},
    {"Quit Kestrelix", kUnsaved, kWantToSave},
    {"New file...", kUnsaved, kWantToSave},
    {"Open file...", kUnsaved, kWantToSave},
    {"Import image...", kUnsaved, kWantToSave},
    {"Open Recent", kUnsaved, kWantToSave},
    {"Kestrelix", kUnsaved, kWantToSave},
}};

bool IsQuit(PromptFor command) { return command == PromptFor::CloseBox || command == PromptFor::Quit; }

}  // namespace

bool ConfirmUnsavedChanges(App& app, PromptFor command) {
  if (!app.store.modified) return true;
  const PromptText& prompt = kPrompts[static_cast<std::size_t>(command)];
  const std::string text = prompt.before + app.store.currentName + prompt.after;
  switch (app.dialogs->ShowMessage(prompt.title, text, MessageButtons::YesNoCancel, MessageIcon::Information)) {
    case MessageAnswer::Yes:
      if (app.store.hasFile) return SaveCharset(app) == SaveResult::Saved && IsQuit(command);
      return SaveCharsetAs(app) == SaveResult::Saved;
    case MessageAnswer::No:
      return true;
    case MessageAnswer::Ok:
    case MessageAnswer::Cancel:
      break;
  }
  return false;
}

}  // namespace kx
