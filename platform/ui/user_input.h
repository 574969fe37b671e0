// Input lines of a windowed program run from a script: what a person does
// with the keyboard and the mouse, as the script driver hands it to the
// windows of the program.
//
//   key Ctrl+S          key chords, several on one line: key Down Down Shift+End
//   type G01 X10.       characters typed (the rest of the line, as it stands)
//   click X,Y           left click at a point of the active view (client pixels);
//   dblclick X,Y        Ctrl+, Shift+ and Alt+ may stand before the point
//   drag X,Y X,Y        press at the first point, move to the second, release
//   wheel N             the mouse wheel turned by N (120 a notch; positive away from the user)
//   menu ID             a command of the menus, by its id
//   screen              prints the active view's visible text with its colour runs
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct KeyChord {
  int key = 0;  // virtual-key code
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

struct UserInput {
  enum class Kind { kKey, kType, kClick, kDoubleClick, kDrag, kWheel, kMenu, kScreen };
  Kind kind = Kind::kKey;
  std::vector<KeyChord> keys;  // kKey
  std::string text;            // kType
  KeyChord modifiers;          // held during a click, double click or drag (key unused)
  int x = 0;                   // points of the mouse
  int y = 0;
  int to_x = 0;
  int to_y = 0;
  int amount = 0;  // kWheel
  int id = 0;      // kMenu
};

// True when the line starts with one of the input words above.
bool IsUserInputLine(std::string_view line);
// The input of one line; nullopt with the reason in *error when it is malformed.
std::optional<UserInput> ParseUserInputLine(std::string_view line, std::string* error);
// "Ctrl+Shift+F3", "Enter", "a"; nullopt for an unknown name.
std::optional<KeyChord> ParseKeyChord(std::string_view text);

}  // namespace ui
