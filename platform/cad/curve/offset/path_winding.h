// How often a closed path of lines and arcs winds about a point (counter-clockwise
// turns count +1, clockwise ones -1), and whether it meets itself.
#pragma once

#include <span>

#include "platform/cad/curve/bulge_segment.h"

namespace curve {

class BoxTree;

// The path is taken as closed whatever its flag says. Points on the path count as either side.
int windingNumber(const BulgePath& path, const AcGePoint2d& p);

// The area enclosed, positive for counter-clockwise paths.
double signedArea(const BulgePath& path);

// The same two for the segments of a closed path, in order, and their arcs (arcs[i] for
// an arc segs[i]), where the caller has them already.
int windingNumber(std::span<const BulgeSeg> segs, std::span<const Arc2> arcs, const AcGePoint2d& p);
double signedArea(std::span<const BulgeSeg> segs, std::span<const Arc2> arcs);

// Two segments of the closed path meet (nearer than tol) elsewhere than neighbours at
// their common vertex: the path crosses, touches or runs back over itself.
bool touchesItself(const BulgePath& path, double tol);
// The same for the segments of a closed path, in order, and a tree over their boxes
// (item i for segs[i]), where the caller has them already.
bool touchesItself(std::span<const BulgeSeg> segs, const BoxTree& tree, double tol);
// The same with the arcs too (arcs[i] for an arc segs[i]), where the caller has them already.
bool touchesItself(std::span<const BulgeSeg> segs, std::span<const Arc2> arcs, const BoxTree& tree, double tol);
// The same for a few segments and their boxes (boxes[i] for segs[i]), tried pair by pair.
bool touchesItselfAmongFew(std::span<const BulgeSeg> segs, std::span<const Box2> boxes, double tol);
// The same with the arcs too (arcs[i] for an arc segs[i]), where the caller has them already.
bool touchesItselfAmongFew(std::span<const BulgeSeg> segs, std::span<const Arc2> arcs, std::span<const Box2> boxes,
                           double tol);

// Some two visits of the closed path pass through one point, each from one side of the
// other to its other side. Paths that only touch themselves, or run back along
// themselves, do not cross.
bool crossesItself(std::span<const BulgeSeg> segs, const BoxTree& tree, double tol);

}  // namespace curve
