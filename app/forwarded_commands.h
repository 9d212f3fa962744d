#pragma once
// The commands whose work belongs to other parts of the program: the File menu (20–49), carried out by
// the file flows, and the brightness levels (143–145), carried out by the settings. RunCommand hands
// them over here and nowhere else.

#include "app/command_ids.h"
#include "model/palette.h"

namespace kx {

struct App;

inline constexpr bool IsFileCommand(CommandId id) { return id >= cmd::New && id <= cmd::Quit; }
inline constexpr bool IsBrightnessCommand(CommandId id) {
  return id >= cmd::BrightnessHigh && id <= cmd::BrightnessLow;
}

// 143 High, 144 Medium, 145 Low.
inline constexpr Brightness BrightnessOfCommand(CommandId id) {
  return static_cast<Brightness>(id - cmd::BrightnessHigh);
}

// Runs a file or brightness command.
void ForwardCommand(App& app, CommandId id);

}  // namespace kx
