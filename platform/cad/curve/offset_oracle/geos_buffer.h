// The region within (or beyond) a distance of a closed path, as the GEOS library builds
// it from the path cut into chords: an outside measure for offsets.
#pragma once

#include <vector>

#include "platform/cad/curve/bulge_segment.h"

namespace curve::oracle {

struct BufferMeasure {
  bool valid = false;  // the chorded path is a valid polygon and GEOS could buffer it
  int loops = 0;       // outer rings and holes of the result
  double area = 0.0;
  double joinError = 0.0;  // how far the round joins stray from circles
};

// The path's arcs as chords that stray at most chordError from them.
std::vector<AcGePoint2d> chorded(const BulgePath& path, double chordError);

// GEOS's buffer of the closed path by `grow` (negative: shrink); round joins drawn with
// up to 64 segments a quarter circle, fewer when chordError allows.
BufferMeasure geosBuffer(const BulgePath& path, double grow, double chordError);

// The same region from the buffers of the chords one by one, unioned: slower, but GEOS's
// buffer of a whole ring, which first simplifies it, may lose parts of the region.
BufferMeasure geosBufferByChords(const BulgePath& path, double grow, double chordError);

// Whether GEOS finds the chorded closed path crossing itself (a ring that only touches
// itself at points is no crossing).
bool geosFindsSelfCrossing(const BulgePath& path, double chordError);

}  // namespace curve::oracle
