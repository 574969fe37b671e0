// Keys of the toolkit as the window messages name them: virtual-key codes
// for key-down and key-up, and the character a key press types.
#pragma once

#include <cstdint>

namespace gui {

// The virtual-key code of a wxWidgets key code (WXK_ values, or the
// upper-case letter, digit or punctuation of the key); 0 when none fits.
int VirtualKeyFor(int wx_key_code);

// The toolkit's key code for a virtual key, for polling the keyboard; 0 when none.
int ToolkitKeyFor(int virtual_key);

// The Unicode character of an X keysym; 0 for a key that types none.
char32_t KeysymCharacter(std::uint32_t keysym);

// What a key press types, as the window system's translation gives it:
// Ctrl with a letter gives its control character, Ctrl with anything else
// and Alt give nothing, Enter gives CR.
char32_t TypedCharacter(int virtual_key, char32_t character, bool ctrl, bool alt);

}  // namespace gui
