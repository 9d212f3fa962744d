#include "app/help_commands.h"

#include "app/app.h"

namespace kx {
namespace {

struct DesktopCommand {
  CommandId id;
  const char* target;
};

constexpr DesktopCommand kDesktopCommands[] = {
    {cmd::Help, kHelpFile},
    {cmd::SupportForum, kSupportForumAddress},
    {cmd::WebSite, kHomePageAddress},
};

}  // namespace

bool RunHelpCommand(App& app, CommandId id) {
  for (const DesktopCommand& c : kDesktopCommands) {
    if (c.id == id) {
      app.dialogs->OpenWithDesktop(c.target);
      return true;
    }
  }
  if (id == cmd::About) {
    app.requests.openAbout = true;
    return true;
  }
  return false;
}

}  // namespace kx
