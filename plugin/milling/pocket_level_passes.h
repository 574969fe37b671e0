// One level of a pocket pass: the contour or linear roughing, or the finishing
// rings, linked into one piece and joined to the pass's path.
#pragma once

#include "platform/cad/db/db_object_id.h"

class CPocketDlg;

// The roughing passes of one level before they are linked, and the outline
// (the level's region taken in by the tool) that bounds their links.
struct RoughFill {
  AcDbObjectIdArray passes;
  AcDbObjectIdArray outline;
  double z = 0.0;
};

// Levels whose outlines are all alike (no taper, every island on every level)
// are filled once: the first fill is kept hidden and copied to the others.
class PocketFillCache {
 public:
  explicit PocketFillCache(bool enabled) : enabled_(enabled) {}
  ~PocketFillCache();
  PocketFillCache(const PocketFillCache&) = delete;
  PocketFillCache& operator=(const PocketFillCache&) = delete;

  void keep(const RoughFill& fill);
  // A copy of the kept fill at z; false when there is none.
  bool take(double z, RoughFill& fill);

 private:
  bool enabled_;
  bool kept_ = false;
  RoughFill template_;
};

// BuildPocketLevelPasses with a cache for the roughing fill (may be null).
bool BuildPocketLevelPasses(CPocketDlg& dlg, AcDbObjectId boundary, const AcDbObjectIdArray& islands, double z,
                            double roughOffset, double finishOffset, AcDbObjectIdArray& path, PocketFillCache* cache);
