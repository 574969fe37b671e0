// Editor input: the prompt functions a command uses to ask its user, answered
// one line at a time through the UI driver (a terminal or a script).
//
// Answers: a point is "x,y" or "x,y,z" in the current UCS, or "@dx,dy[,dz]"
// relative to LASTPOINT; a number, keyword or string is the line itself; an
// empty line is no input; "^C" cancels. A line of the wrong kind is reported
// through ui::UiDriver::Fail: a terminal asks again, a script stops (the call
// then returns RTERROR). The end of the input returns RTCAN.
//
// Every function returns RTNORM, RTNONE (empty answer, where allowed), RTKWORD
// (a keyword of the last acedInitGet; fetch it with acedGetInput), RTCAN or
// RTERROR. acedInitGet applies to the next input call only (acedSSGet,
// acedEntSel and acedNEntSelP count as input calls and answer keywords too).
// Messages: numbers are checked against RSG_NOZERO/RSG_NONEG; RSG_NONULL asks
// again after an empty line; RSG_OTHER turns any other text into RTKWORD.
//
// The transcript shows each prompt on one line with its answer: a prompt's
// leading "\n" starts a new line only when printed text left one open.
#pragma once

#include "platform/cad/db/filing/resbuf.h"
#include "platform/cad/editor/aced_status.h"

int acedInitGet(int val, const char* kwl);
int acedGetPoint(const ads_point pt, const char* prompt, ads_point result);  // pt may be null
int acedGetCorner(const ads_point pt, const char* prompt, ads_point result);
int acedGetReal(const char* prompt, ads_real* result);
int acedGetInt(const char* prompt, int* result);
int acedGetDist(const ads_point pt, const char* prompt, ads_real* result);   // pt may be null
int acedGetAngle(const ads_point pt, const char* prompt, ads_real* result);  // radians
// cronly is ignored: a line answers with all its text. RTINPUTTRUNCATED when the
// text did not fit (the buffer holds its beginning).
int acedGetString(int cronly, const char* prompt, char* result);  // result: 512 bytes
int acedGetString(int cronly, const char* prompt, char* result, int bufsize);
int acedGetKword(const char* prompt, char* result);  // result: 512 bytes
// The keyword (global form) or, with RSG_OTHER, the text of the last RTKWORD answer.
int acedGetInput(char* str);  // str: 512 bytes

// Prints to the prompt line (the transcript); printf formats.
int acutPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// An alert box with the host's caption.
int acedAlert(const char* string);

// Converts between coordinate systems: from/to are resbufs of RTSHORT 0 (world),
// 1 (current UCS) or 2/3 (display: the UCS here). disp: pt is a displacement.
int acedTrans(const ads_point pt, const resbuf* from, const resbuf* to, int disp, ads_point result);

namespace cadeditor {
// Ends a transcript line that printed text left open (the host calls it before
// its next "Command: " prompt).
void EndPromptLine();
}  // namespace cadeditor
