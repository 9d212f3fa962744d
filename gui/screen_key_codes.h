#pragma once
// Qt key events as the Windows virtual-key codes the screen editor's key tables are written in.
//
// On Windows Qt hands over the native virtual key, which is used as it is. Elsewhere the code is derived
// from Qt::Key, which names the character the key typed (the shifted one when Shift is held). The keys are
// those of a PC keyboard laid out for the chosen mapping, US or UK, each character going to the key that
// carries it:
//   letters A..Z -> 0x41..0x5A, digits 0..9 and their shifted characters -> 0x30..0x39
//     (US: @ on 2, # on 3; UK: " on 2, the pound sign on 3),
//   Space 0x20, Backspace 0x08, Return and Enter 0x0D, arrows 0x25..0x28, Insert 0x2D, Delete 0x2E,
//   ; :  0xBA    = +  0xBB    , <  0xBC    - _  0xBD    . >  0xBE    / ?  0xBF
//   [ {  0xDB    \ |  0xDC    ] }  0xDD,
//   US: ` ~  0xC0    ' "  0xDE
//   UK: ' @  0xC0    # ~  0xDE    ` not-sign  0xDF.
// Keypad keys other than the arrows, Enter, Insert and Delete give no code, as their own virtual keys type
// nothing on the screen.

#include "windows/screen_keymap.h"

class QKeyEvent;

namespace kx {

// The virtual-key code of a Qt::Key value (with or without the keypad modifier), 0 for none.
int VirtualKeyFromQtKey(int qtKey, bool keypad, KeyMapping mapping);

// The virtual-key code of a key event, 0 for a key the screen editor does not know.
int VirtualKeyOf(const QKeyEvent& event, KeyMapping mapping);

}  // namespace kx
