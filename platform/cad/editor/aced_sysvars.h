// System variables of the editor, read and set by name (case-insensitive).
// Known ones: LASTPOINT (3D point, UCS), PICKBOX (short, drawing units of a
// pick's reach), CMDECHO, FILEDIA, OSMODE, ORTHOMODE, BLIPMODE, HIGHLIGHT, EXPERT,
// ERRNO (shorts; ERRNO tells why the last pick failed: 7 nothing there, 52 an
// empty answer), CLAYER, CELTYPE, DWGNAME, DWGPREFIX (strings), PDMODE, PDSIZE,
// LTSCALE, ELEVATION, THICKNESS (reals), EXTMIN, EXTMAX, UCSORG, UCSXDIR,
// UCSYDIR (points), WORLDUCS (short). The drawing's own variables (CLAYER,
// CELTYPE, LTSCALE, PDMODE, PDSIZE, EXTMIN, EXTMAX and the UCS ones) come from the
// working drawing; without one they cannot be read or set.
// Read-only: DWGNAME, DWGPREFIX (the host sets them), EXTMIN, EXTMAX, UCSORG,
// UCSXDIR, UCSYDIR, WORLDUCS.
#pragma once

#include <string>
#include <vector>

#include "platform/cad/db/filing/resbuf.h"
#include "platform/cad/ge/ge_point3d.h"

// RTNORM; RTERROR for an unknown name, a value of the wrong type or out of range,
// a read-only variable, or a drawing variable without a working drawing. Shorts
// take RTSHORT (or RTLONG in range), reals RTREAL or an integer, points RT3DPOINT
// or RTPOINT (Z kept), strings RTSTR.
// acedGetVar's buffer is the caller's; a string value is malloc'ed (acutRelRb frees it).
int acedSetVar(const char* sym, const resbuf* val);
int acedGetVar(const char* sym, resbuf* result);

namespace cadeditor {
// Every known variable, sorted, for the host's listing.
std::vector<std::string> SystemVariableNames();
// The value as text ("1.0000,2.0000,0.0000"); empty when unknown or unreadable.
std::string SystemVariableText(const char* sym);
// Sets a variable from a line of text as a user typed it; an empty string on
// success, else why it was refused.
std::string SetSystemVariableFromText(const char* sym, const std::string& text);
// Back to the defaults (a new session; tests).
void ResetSystemVariables();

// For the host: DWGNAME and DWGPREFIX from the drawing's path ("" for a new drawing).
void SetDrawingPathVariables(const std::string& path);
// Fast access for the editor itself.
AcGePoint3d LastPoint();  // UCS
void SetLastPoint(const AcGePoint3d& ucsPoint);
// PICKBOX until a command sets it.
constexpr short kDefaultPickBox = 3;
double PickBoxReach();
// ERRNO: 0, kErrnoNoEntity (a pick found nothing) or kErrnoEmptyAnswer.
enum : short { kErrnoNoEntity = 7, kErrnoEmptyAnswer = 52 };
void SetErrno(short code);
double CurrentElevation();
}  // namespace cadeditor
