#pragma once
// The Help menu: the help file, the two web pages and the About window.

#include "app/command_ids.h"

namespace kx {

struct App;

// The help file is looked for in the current directory; the desktop's help viewer reports a missing one.
inline constexpr const char* kHelpFile = "kstr-help.chm";
inline constexpr const char* kSupportForumAddress = "https://kestrelix.example/forum";
inline constexpr const char* kHomePageAddress = "https://kestrelix.example/";

// Runs Help, Visit Support Forum, Visit Thornvale or About; false for any other command. The first three
// hand their target to the desktop and report nothing themselves; About asks the adapter for the window.
bool RunHelpCommand(App& app, CommandId id);

}  // namespace kx
