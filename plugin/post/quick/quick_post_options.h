// The choices of the quick-post dialog that shape the program.
#pragma once

struct QuickPostOptions {
  bool sequenceNumbers = false;  // N numbers
  bool machiningInfo = false;    // extents and cutting time as comments
  bool programNumberOn = false;
  int programNumber = 0;
  bool conversational = false;  // the plain-language format instead of ISO
  bool arcsByRadius = true;     // "IJK -> R"
  bool incremental = false;     // G91 for cutting moves
  bool diagonalRapids = true;   // a rapid may move Z and XY in one block
  bool editorAfter = true;      // the editor opens the written file
  bool arcHelix = false;        // marked helix plunges become arcs
};
