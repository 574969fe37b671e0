// The host's result buffer: one typed value, chained into lists, as DXF items,
// extended data and editor arguments travel. Restype is a DXF group code or an
// RT code below.
#pragma once

#include <cstdint>

using ads_real = double;
using ads_point = ads_real[3];
using ads_matrix = ads_real[4][4];
// An entity name: a drawing object's id in the form the editor functions take.
using ads_name = std::int64_t[2];
using ads_namep = std::int64_t*;

struct ads_binary {
  short clen;
  char* buf;
};

union ads_u_val {
  ads_real rreal;
  ads_real rpoint[3];
  short rint;
  char* rstring;
  std::int32_t rlong;
  std::int64_t rlong64;
  ads_name rlname;
  ads_binary rbinary;
  unsigned char ihandle[8];
};

struct resbuf {
  resbuf* rbnext;
  short restype;
  ads_u_val resval;
};

// Result codes of the editor functions and result-type codes of non-DXF values.
enum {
  RTNONE = 5000,
  RTREAL = 5001,
  RTPOINT = 5002,
  RTSHORT = 5003,
  RTANG = 5004,
  RTSTR = 5005,
  RTENAME = 5006,
  RTPICKS = 5007,
  RTORINT = 5008,
  RT3DPOINT = 5009,
  RTLONG = 5010,
  RTVOID = 5014,
  RTLB = 5016,
  RTLE = 5017,
  RTDOTE = 5018,
  RTNIL = 5019,
  RTDXF0 = 5020,
  RTT = 5021,
  RTRESBUF = 5023,
  RTNORM = 5100,
  RTERROR = -5001,
  RTCAN = -5002,
  RTREJ = -5003,
  RTFAIL = -5004,
  RTKWORD = -5005,
  RTINPUTTRUNCATED = -5008
};

// Allocation of result buffers. acutRelRb frees a whole chain with the strings
// and binary chunks it holds (their memory is malloc'ed).
resbuf* acutNewRb(int type);
int acutRelRb(resbuf* rb);
// Copies of one buffer and of a chain (up to stopBefore, exclusive), strings and binary
// chunks included; free them with acutRelRb. Null when memory runs out.
resbuf* duplicateResbuf(const resbuf& rb);
resbuf* duplicateResbufChain(const resbuf* first, const resbuf* stopBefore = nullptr);
// Frees a string that a host call handed over (acutDelString(p) also nulls p).
void acutDelString(char*& string);

// Builds a chain from (type, value) pairs ended by 0: RTSHORT, RTLONG and short/
// long DXF codes take an int, RTREAL/RTANG and real codes a double, RTSTR, RTDXF0
// (group 0, since 0 ends the list) and string codes a const char*, RTPOINT/RT3DPOINT
// and point codes an ads_point, RTENAME/RTPICKS and id codes an ads_name; RTLB, RTLE, RTDOTE,
// RTNIL, RTT, RTNONE and RTVOID take no value. Null for an unknown type or when
// memory runs out (nothing is leaked).
resbuf* acutBuildList(int rtype, ...);
