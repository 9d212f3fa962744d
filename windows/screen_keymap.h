#pragma once
// The screen editor's keyboard: which C64 screen code a PC key types, as data.
//
// Keys are named by their Windows virtual-key codes (the numbers below), whatever the platform: the Qt
// adapter translates its key events into these codes before asking. Shift is tested before Ctrl, so
// Shift+Ctrl gives the Shift entry, except on letters, where Shift+Ctrl together types the plain letter.

#include <optional>

namespace kx {

enum class KeyMapping { Us, Uk };

namespace vk {
inline constexpr int Backspace = 0x08;
inline constexpr int Return = 0x0D;
inline constexpr int Space = 0x20;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
inline constexpr int Insert = 0x2D;
inline constexpr int Delete = 0x2E;
inline constexpr int Digit0 = 0x30;  // 0x30..0x39
inline constexpr int LetterA = 0x41;  // 0x41..0x5A
inline constexpr int Semicolon = 0xBA;
inline constexpr int Equals = 0xBB;
inline constexpr int Comma = 0xBC;
inline constexpr int Minus = 0xBD;
inline constexpr int FullStop = 0xBE;
inline constexpr int Slash = 0xBF;
inline constexpr int Grave = 0xC0;        // US grave/tilde; UK apostrophe/at-sign
inline constexpr int BracketLeft = 0xDB;
inline constexpr int Backslash = 0xDC;
inline constexpr int BracketRight = 0xDD;
inline constexpr int Apostrophe = 0xDE;   // US apostrophe/quote; UK hash/tilde
inline constexpr int UkGrave = 0xDF;      // UK grave/not-sign
}  // namespace vk

// The screen code (0..127, before the reverse flag) that key `vkCode` types with the given modifiers, or
// nothing when the key types nothing.
std::optional<int> ScreenCodeForKey(int vkCode, bool shift, bool ctrl, KeyMapping mapping);

}  // namespace kx
