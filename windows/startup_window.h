#pragma once
// The small borderless window shown while the program starts: its geometry and texts.

#include <array>

#include "views/layout.h"

namespace kx {

inline constexpr int kStartupWidth = 279;
inline constexpr int kStartupHeight = 326;
inline constexpr Rect kStartupFrame = {2, 2, 275, 322};
inline constexpr Rect kStartupLogo = {5, 5, 269, 269};
inline constexpr Rect kStartupVersion = {5, 279, 269, 20};
inline constexpr Rect kStartupProgress = {5, 299, 269, 20};
inline constexpr const char* kStartupVersionText = "Kestrelix 1.0 (x64)";

// The progress lines shown in turn, each followed by a pause so that it can be read.
inline constexpr std::array<const char*, 2> kStartupProgressTexts = {
    ">> > Reading or Creating INI File < <<",
    ">> > Initialising Main Editor < <<",
};
inline constexpr int kStartupPauseMs = 500;

}  // namespace kx
