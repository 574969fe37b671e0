// Entity picks and selection sets. A selection set is named by an ads_name;
// the entities in it by their entity names (acdbGetObjectId turns one into an id).
//
// Answers (see aced_input.h for points): a pick is a point, taking the nearest
// shown entity within PICKBOX drawing units of it (of equally near ones the
// newest), or "#HANDLE". An interactive
// selection ("Select objects: ") takes lines of picks, "W p1 p2" (window: inside),
// "C p1 p2" (crossing: inside or crossing), "WP p1 p2 p3 ..." (window polygon),
// "CP p1 p2 p3 ..." (crossing polygon), "ALL", "L" (the last entity made), "P"
// (the previous set), "R"/"A" (remove/add mode), and ends with an empty line.
// Entities are those of the current space of the working drawing that are shown
// (visible, on a layer that is on); windows and polygons work in the XY plane of
// the current UCS.
#pragma once

#include "platform/cad/db/filing/resbuf.h"
#include "platform/cad/editor/aced_status.h"
#include "platform/cad/ge/ge_matrix3d.h"

// str: null (interactive), ":S" (one selection line), ":E" (everything within
// the pick's reach), "_W"/"W" and "_C"/"C" (pt1, pt2 corners), "_WP"/"_CP"
// (pt1 is a resbuf chain of RTPOINT/RT3DPOINT), "_X"/"X" (all of the drawing,
// also other spaces and hidden entities), "_A"/"ALL" (the shown ones of the
// current space), "_L", "_P", "_I" (the implied set: none here, RTERROR); str null
// with pt1 a point: the pick there. A leading '_' or '.' is ignored. filter: a
// resbuf chain of DXF items that all must match (0 type, 8 layer, 62 colour;
// comma lists and '*' '?' '#' '@' '~' wildcards in texts); null for none; other
// codes give RTERROR.
// The interactive modes answer the keywords of the last acedInitGet (RTKWORD).
// RTNORM with a new set in ss; RTERROR when nothing was selected; RTCAN.
int acedSSGet(const char* str, const void* pt1, const void* pt2, const resbuf* filter, ads_name ss);
int acedSSFree(const ads_name sname);
int acedSSLength(const ads_name sname, long* len);
int acedSSName(const ads_name ss, long i, ads_name entres);
// ename null with ss null: a new empty set in result; ss null: a new set with
// ename; else ename is added to ss (and result names ss).
int acedSSAdd(const ads_name ename, const ads_name sname, ads_name result);
int acedSSDel(const ads_name ename, const ads_name ss);
int acedSSMemb(const ads_name ename, const ads_name ss);  // RTNORM when a member, else RTERROR
// How entity i was selected: a list (method ename ...) in rbpp, freed with acutRelRb.
// Methods: 0 non-specific (L, ALL, filters, added by program), 1 pick (then the
// graphics marker and the pick point as (0 (x y z)), world), 2 window (also
// window polygons), 3 crossing; for windows and crossings the list ends with the
// marker 0. A pick's marker names the face under it on a solid or region (0 for
// other entities). Lists are RTLB ... RTLE, methods RTSHORT, markers RTLONG. i == -1: the
// lists of every member, one after the other.
int acedSSNameX(resbuf** rbpp, const ads_name ss, long i);

// One pick: the entity name and the picked point (UCS). RTNORM; RTERROR when the
// pick found nothing or the answer was empty; RTKWORD; RTCAN.
int acedEntSel(const char* str, ads_name entres, ads_point ptres);
// Nested pick: inside a block reference the innermost entity, with the matrix
// from its block to the world in xformres (identity for a top-level entity) and
// the containing references, innermost first, in refstkres (null when none).
int acedNEntSelP(const char* str, ads_name entres, ads_point ptres, int pickflag, ads_matrix xformres,
                 resbuf** refstkres);

namespace cadeditor {
// Frees all sets and forgets the previous selection (a drawing was closed).
void ForgetSelectionSets();
long OpenSelectionSetCount();
}  // namespace cadeditor
