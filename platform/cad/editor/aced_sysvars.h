// System variables of the editor, read and set by name (case-insensitive).
// Known ones: LASTPOINT (3D point, UCS), PICKBOX (short, drawing units of a
// pick's reach), CMDECHO, FILEDIA, OSMODE, ORTHOMODE, BLIPMODE, HIGHLIGHT, EXPERT
// (shorts), CLAYER, CELTYPE, DWGNAME, DWGPREFIX (strings), PDMODE, PDSIZE,
// LTSCALE, ELEVATION, THICKNESS (reals), EXTMIN, EXTMAX, UCSORG, UCSXDIR,
// UCSYDIR (points), WORLDUCS (short, read-only). The drawing's own variables
// come from the working drawing.
#pragma once

#include <string>
#include <vector>

#include "platform/cad/db/resbuf.h"

// RTNORM; RTERROR for an unknown name, a value of the wrong type, or a read-only one.
// acedGetVar's buffer is the caller's; a string value is malloc'ed (acutRelRb frees it).
int acedSetVar(const char* sym, const resbuf* val);
int acedGetVar(const char* sym, resbuf* result);

namespace cadeditor {
// Every known variable, sorted, for the host's listing.
std::vector<std::string> SystemVariableNames();
// The value as text ("1.0000,2.0000,0.0000"), or nullopt-like empty when unknown.
std::string SystemVariableText(const char* sym);
// Sets a variable from a line of text as a user typed it; an empty string on
// success, else why it was refused.
std::string SetSystemVariableFromText(const char* sym, const std::string& text);
// Back to the defaults (a new session; tests).
void ResetSystemVariables();
}  // namespace cadeditor
