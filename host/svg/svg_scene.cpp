#include "host/svg/svg_scene.h"

#include <algorithm>

void SvgScene::addNote(const std::string& note) {
  if (std::find(notes.begin(), notes.end(), note) == notes.end()) notes.push_back(note);
}
