#include "app/unsaved_prompt.h"

#include <array>
#include <string>

#include "app/app.h"
#include "app/charset_saving.h"
#include "app/edit_commands.h"

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

MessageAnswer Ask(ShellState& shell, PromptFor command, const std::string& name) {
  const PromptText& prompt = kPrompts[static_cast<std::size_t>(command)];
  return shell.dialogs->ShowMessage(prompt.title, prompt.before + name + prompt.after, MessageButtons::YesNoCancel,
                                  MessageIcon::Information);
}

// Yes saves the editor charset; whether the command goes on after that is ConfirmUnsavedChanges' rule.
bool SaveFromPrompt(App& app, PromptFor command) {
  if (app.doc.store.hasFile) return SaveCharset(app) == SaveResult::Saved && IsQuit(command);
  return SaveCharsetAs(app) == SaveResult::Saved;
}

}  // namespace

bool ConfirmUnsavedChanges(App& app, PromptFor command) {
  if (!app.doc.store.modified) return true;
  switch (Ask(app.shell, command, app.doc.store.currentName)) {
    case MessageAnswer::Yes: return SaveFromPrompt(app, command);
    case MessageAnswer::No: return true;
    case MessageAnswer::Ok:
    case MessageAnswer::SaveAs:
    case MessageAnswer::Cancel: break;
  }
  return false;
}

bool ConfirmUnsavedMemoryCharset(App& app, PromptFor command) {
  if (!app.doc.store.memoryFlags.modified) return true;
  switch (Ask(app.shell, command, MemoryCharsetName(app.doc.store))) {
    case MessageAnswer::Yes: {
      // Saves work on the editor charset: the memory charset comes in for the save, with its own name and
      // flags, and goes back out afterwards, saved or not.
      RunSwap(app);
      const bool saved = SaveFromPrompt(app, command);
      RunSwap(app);
      return saved;
    }
    case MessageAnswer::No: return true;
    case MessageAnswer::Ok:
    case MessageAnswer::SaveAs:
    case MessageAnswer::Cancel: break;
  }
  return false;
}

bool RequestQuit(App& app, bool fromCloseBox) {
  const PromptFor command = fromCloseBox ? PromptFor::CloseBox : PromptFor::Quit;
  if (!ConfirmUnsavedChanges(app, command) || !ConfirmUnsavedMemoryCharset(app, command)) return false;
  app.shell.requests.quit = true;
  return true;
}

}  // namespace kx
