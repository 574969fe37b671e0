// Types shared by the editor functions: the result codes live in resbuf.h
// (RTNORM, RTNONE, RTCAN, RTERROR, RTKWORD, ...); here are the input flags of
// acedInitGet and the selection-method codes of acedSSNameX.
#pragma once

#include "platform/cad/db/filing/resbuf.h"

// Input flags of acedInitGet.
enum {
  RSG_NONULL = 0x0001,  // an empty answer is refused (asked again)
  RSG_NOZERO = 0x0002,  // numbers: zero is refused
  RSG_NONEG = 0x0004,   // numbers: negative values are refused
  RSG_NOLIM = 0x0008,   // points: no limits check
  RSG_GETZ = 0x0010,    // points: a Z value is asked for
  RSG_DASH = 0x0020,    // rubber band drawn dashed
  RSG_2D = 0x0040,      // distances: measured in the XY plane only
  RSG_OTHER = 0x0080,   // any text is returned as a keyword (RTKWORD)
  RSG_DDISTFIRST = 0x0100,
  RSG_TRACKUCS = 0x0200,
  RSG_NOORTHOZ = 0x0400,
  RSG_NOOSNAP = 0x0800,
  RSG_NODDIST = 0x1000,
};
