#include "plugin/milling/pocket/pocket_level_passes.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/cad/ge/ge_matrix3d.h"
#include "plugin/geometry/passes/lead_moves.h"
#include "plugin/milling/pocket/pocket_cleanup_moves.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/pocket/pocket_generator.h"
#include "plugin/milling/pocket/pocket_lead_moves.h"
#include "plugin/milling/pocket/pocket_link_area.h"
#include "plugin/milling/pocket/pocket_linking.h"
#include "plugin/milling/pocket/pocket_offset_pattern.h"
#include "plugin/milling/pocket/pocket_plan_paths.h"
#include "plugin/milling/pocket/pocket_zigzag.h"
#include "plugin/milling/toolpath_curve_links.h"
#include "plugin/shell/copy_helpers.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr double kLeastOffset = 1e-6;
constexpr double kZigzagClearance = 0.01;
constexpr int kContourBudget = 450;
constexpr int kNoSmoothing = 1;

unsigned char SideOf(const CPocketDlg& dlg) { return dlg.m_CutDirection == 1 ? 0 : 1; }

bool IsContourPattern(const CPocketDlg& dlg) {
  return dlg.m_RoughPattern == kPocketRoundContour || dlg.m_RoughPattern == kPocketContour;
}

// Erases what the id list owns when it goes out of scope.
class TemporaryIds {
 public:
  TemporaryIds() = default;
  ~TemporaryIds() { EraseEntityArray(ids_); }
  TemporaryIds(const TemporaryIds&) = delete;
  TemporaryIds& operator=(const TemporaryIds&) = delete;
  AcDbObjectIdArray& ids() { return ids_; }

 private:
  AcDbObjectIdArray ids_;
};

AcDbObjectIdArray Boundaries(AcDbObjectId boundary) {
  AcDbObjectIdArray list;
  list.append(boundary);
  return list;
}

void CopyOutlines(AcDbObjectId boundary, const AcDbObjectIdArray& islands, AcDbObjectIdArray& copies) {
  AcDbObjectId copy;
  if (CloneEntityWithInfo(boundary, copy)) copies.append(copy);
  for (const AcDbObjectId& island : islands)
    if (CloneEntityWithInfo(island, copy)) copies.append(copy);
}

// The region taken in by the distance, one ring; the outlines themselves when
// the distance is next to nothing.
void RegionAt(AcDbObjectId boundary, const AcDbObjectIdArray& islands, double distance, double z, const CPocketDlg& dlg,
              int smoothing, AcDbObjectIdArray& loops) {
  loops.setLogicalLength(0);
  if (distance > kLeastOffset) {
    OffsetPocketRegions(Boundaries(boundary), islands, loops, 1, distance, dlg.m_RoughStepover, z, SideOf(dlg),
                        smoothing);
  } else {
    CopyOutlines(boundary, islands, loops);
  }
}

// Moves the point entities of the list into the other list.
void SeparatePoints(AcDbObjectIdArray& ids, AcDbObjectIdArray& points) {
  for (int i = ids.length() - 1; i >= 0; --i) {
    if (!IsPointEntity(ids[i])) continue;
    points.append(ids[i]);
    ids.removeAt(i);
  }
}

void TagFeed(const AcDbObjectIdArray& ids, int feed) {
  for (const AcDbObjectId& id : ids)
    if (!IsPointEntity(id)) SetCurveTagNumber(id, feed);
}

PocketLinkMoves LinkMovesOf(CPocketDlg& dlg, bool firstPiece, const AcDbObjectIdArray& outline) {
  PocketLinkMoves moves;
  moves.plunge = &dlg.m_Plunge;
  for (const AcDbObjectId& id : outline)
    if (!IsPointEntity(id)) moves.plungeBounds.append(id);
  moves.retractZ = dlg.m_RetractHeight;
  moves.linkFeed = dlg.m_LinkFeedOn != 0 ? dlg.m_LinkFeed : dlg.m_RoughFeed;
  // Without retracts between levels the first and last level enter and leave.
  moves.enterFirst = dlg.m_RetractBetweenLevels != 0 || dlg.m_FirstLevel != 0 || firstPiece;
  moves.leaveLast = dlg.m_RetractBetweenLevels != 0 || dlg.m_LastLevel != 0;
  moves.rapidLinks = dlg.m_RapidLink.m_RapidLinkOn != 0;
  moves.rapidLinkFrom = dlg.m_RapidLink.m_MinDistance;
  moves.startAtPoint = dlg.m_StartPointOn != 0 && firstPiece;
  moves.startPoint = AcGePoint2d(dlg.m_StartX, dlg.m_StartY);
  return moves;
}

// Enough entries for every ring of every island: the region is cleared, not
// cut off after a fixed count.
int ContourBudget(AcDbObjectId boundary, const AcDbObjectIdArray& islands, double stepover) {
  const curve::Box2 box = PlanBoxOf(boundary);
  const double span = std::hypot(box.maxX - box.minX, box.maxY - box.minY);
  const double steps = stepover > 0.0 ? std::min(span / stepover + 2.0, 1e5) : 1.0;
  return std::max(kContourBudget, static_cast<int>(steps * (islands.length() + 2)));
}

// Rings farther apart than the tool radius leave material where they run
// out, and so does a region whose rings stop early; the stretches of the
// rings halfway between them there clear it.
void AddCleanupPieces(const CPocketDlg& dlg, AcDbObjectId boundary, const AcDbObjectIdArray& islands, double z,
                      double roughOffset, int budget, RoughFill& fill) {
  const double radius = dlg.m_RoughTool.m_Diameter / 2.0;
  const double stepover = dlg.m_RoughStepover;
  if (fill.passes.isEmpty()) return;
  TemporaryIds half;
  const double first = (roughOffset > kLeastOffset ? roughOffset : 0.0) + stepover / 2.0;
  OffsetPocketRegions(Boundaries(boundary), islands, half.ids(), budget, first, stepover, z, SideOf(dlg), kNoSmoothing);
  AcDbObjectIdArray points;
  SeparatePoints(half.ids(), points);
  EraseEntityArray(points);
  AcDbObjectIdArray pieces;
  AddContourCleanupMoves(fill.passes, half.ids(), PocketLinkArea::FromPolylines(fill.outline), stepover, radius, z,
                         pieces);
  AcDbObjectId marker;
  if (!pieces.isEmpty() && AddMarkerPoint(kMarkerBranch, marker, 0.0, pieces.first())) fill.passes.append(marker);
  fill.passes.append(pieces);
}

bool MakeContourFill(CPocketDlg& dlg, AcDbObjectId boundary, const AcDbObjectIdArray& islands, double z,
                     double roughOffset, RoughFill& fill) {
  RegionAt(boundary, islands, roughOffset, z, dlg, kNoSmoothing, fill.outline);
  const int budget = ContourBudget(boundary, islands, dlg.m_RoughStepover);
  if (roughOffset > kLeastOffset) {
    OffsetPocketRegions(Boundaries(boundary), islands, fill.passes, budget, roughOffset, dlg.m_RoughStepover, z,
                        SideOf(dlg), dlg.m_RoughPattern);
  } else {
    AcDbObjectIdArray inner;
    OffsetPocketRegions(Boundaries(boundary), islands, inner, budget, dlg.m_RoughStepover, dlg.m_RoughStepover, z,
                        SideOf(dlg), dlg.m_RoughPattern);
    CopyOutlines(boundary, islands, fill.passes);
    fill.passes.append(inner);
  }
  AddCleanupPieces(dlg, boundary, islands, z, roughOffset, budget, fill);
  TagFeed(fill.passes, dlg.m_RoughFeed);
  return !fill.passes.isEmpty();
}

bool MakeLinearFill(CPocketDlg& dlg, AcDbObjectId boundary, const AcDbObjectIdArray& islands, double z,
                    double roughOffset, RoughFill& fill) {
  TemporaryIds narrowed;
  RegionAt(boundary, islands, roughOffset + (roughOffset > kLeastOffset ? kZigzagClearance : 0.0), z, dlg, kNoSmoothing,
           narrowed.ids());
  AcDbObjectIdArray narrowedPoints;
  SeparatePoints(narrowed.ids(), narrowedPoints);
  EraseEntityArray(narrowedPoints);
  BuildZigzagPasses(narrowed.ids(), fill.passes, dlg, z);

  RegionAt(boundary, islands, roughOffset, z, dlg, kNoSmoothing, fill.outline);
  // The wall passes follow the fill; they cut what the line ends leave along the outline.
  AcDbObjectIdArray walls, wallPoints;
  CopyEntitiesWithInfo(fill.outline, walls);
  SeparatePoints(walls, wallPoints);
  EraseEntityArray(wallPoints);
  AcDbObjectId marker;
  if (!walls.isEmpty() && AddMarkerPoint(kMarkerBranch, marker, 0.0, walls.first())) fill.passes.append(marker);
  fill.passes.append(walls);
  TagFeed(fill.passes, dlg.m_RoughFeed);
  return !fill.passes.isEmpty();
}

bool LinkRoughFill(CPocketDlg& dlg, const RoughFill& fill, bool firstPiece, AcDbObjectIdArray& piece) {
  PocketLinkMoves moves = LinkMovesOf(dlg, firstPiece, fill.outline);
  const PocketLinkArea area = PocketLinkArea::FromPolylines(fill.outline);
  if (IsContourPattern(dlg)) return LinkPocketGroups(fill.passes, area, moves, dlg.m_StartOutside == 0, piece);
  moves.enterFirst = true;
  moves.leaveLast = true;
  moves.directLinks = dlg.m_RoughPattern != kPocketOneWayLinear;
  return LinkPocketGroups(fill.passes, area, moves, false, piece);
}

// The level's fill: a copy of the kept one moved to z, else made anew (and
// kept when the cache is on).
bool RoughLevelFill(CPocketDlg& dlg, AcDbObjectId boundary, const AcDbObjectIdArray& islands, double z,
                    double roughOffset, PocketFillCache* cache, RoughFill& fill) {
  if (cache != nullptr && cache->take(z, fill)) return true;
  const bool made = IsContourPattern(dlg) ? MakeContourFill(dlg, boundary, islands, z, roughOffset, fill)
                                          : MakeLinearFill(dlg, boundary, islands, z, roughOffset, fill);
  if (made && cache != nullptr) cache->keep(fill);
  return made;
}

// One ring of the finishing pass at the distance, its loops only.
void FinishingRing(CPocketDlg& dlg, AcDbObjectId boundary, const AcDbObjectIdArray& islands, double z, double distance,
                   AcDbObjectIdArray& ring) {
  if (distance > kLeastOffset) {
    if (dlg.m_CornerRound != 0) {
      OffsetPocketRegions(Boundaries(boundary), islands, ring, 1, distance, dlg.m_FinishStepover, z, SideOf(dlg), 0);
    } else {
      NestPocketRegions(Boundaries(boundary), islands, ring, 1, distance, dlg.m_FinishStepover, z, SideOf(dlg));
    }
  } else {
    CopyOutlines(boundary, islands, ring);
  }
  AcDbObjectIdArray points;
  SeparatePoints(ring, points);
  EraseEntityArray(points);
}

bool FinishLevel(CPocketDlg& dlg, AcDbObjectId boundary, const AcDbObjectIdArray& islands, double z,
                 double finishOffset, AcDbObjectIdArray& piece) {
  const int passes = IsContourPattern(dlg) ? std::max(dlg.m_FinishPasses, 1) : 1;
  dlg.m_FinishLead.m_Side = static_cast<BYTE>(dlg.m_CutDirection == 1 ? 1 : 0);
  // The pass nearest the wall comes last; it bounds where the lead moves may go.
  std::vector<AcDbObjectIdArray> rings;
  for (int i = passes - 1; i >= 0; --i) {
    AcDbObjectIdArray ring;
    FinishingRing(dlg, boundary, islands, z, i * static_cast<double>(dlg.m_FinishStepover) + finishOffset, ring);
    if (!ring.isEmpty()) rings.push_back(ring);
  }
  if (rings.empty()) return false;
  const PocketLinkArea area = PocketLinkArea::FromPolylines(rings.back());
  AcDbObjectIdArray all;
  for (const AcDbObjectIdArray& ring : rings) {
    TagFeed(ring, dlg.m_FinishFeed);
    AddLeadMovesInside(dlg.m_FinishLead, ring, area, true);
    all.append(ring);
  }
  if (!LinkToolpathCurves(all, piece, dlg.m_FinishLead, dlg.m_RetractHeight)) {
    EraseEntityArray(piece);
    EraseEntityArray(all);
    return false;
  }
  return !piece.isEmpty();
}

}  // namespace

PocketFillCache::~PocketFillCache() {
  EraseEntityArray(template_.passes);
  EraseEntityArray(template_.outline);
}

void PocketFillCache::keep(const RoughFill& fill) {
  if (!enabled_ || kept_) return;
  kept_ = CopyEntitiesWithInfo(fill.passes, template_.passes) && CopyEntitiesWithInfo(fill.outline, template_.outline);
  template_.z = fill.z;
  AcDbObjectIdArray hidden = template_.passes;
  SetEntitiesVisibility(hidden, 0);
  hidden = template_.outline;
  SetEntitiesVisibility(hidden, 0);
}

bool PocketFillCache::take(double z, RoughFill& fill) {
  if (!enabled_ || !kept_) return false;
  AcGeMatrix3d move;
  move.setToTranslation(AcGeVector3d(0.0, 0.0, z - template_.z));
  AcDbObjectIdArray passes = template_.passes, outline = template_.outline;
  if (!CopyAndTransformEntities(passes, move, fill.passes) || !CopyAndTransformEntities(outline, move, fill.outline)) {
    EraseEntityArray(fill.passes);
    EraseEntityArray(fill.outline);
    return false;
  }
  AcDbObjectIdArray shown = fill.passes;
  SetEntitiesVisibility(shown, 1);
  fill.z = z;
  return true;
}

bool BuildPocketLevelPasses(CPocketDlg& dlg, AcDbObjectId boundary, const AcDbObjectIdArray& islands, double z,
                            double roughOffset, double finishOffset, AcDbObjectIdArray& path) {
  return BuildPocketLevelPasses(dlg, boundary, islands, z, roughOffset, finishOffset, path, nullptr);
}

bool BuildPocketLevelPasses(CPocketDlg& dlg, AcDbObjectId boundary, const AcDbObjectIdArray& islands, double z,
                            double roughOffset, double finishOffset, AcDbObjectIdArray& path, PocketFillCache* cache) {
  AcDbObjectIdArray piece;
  RoughFill fill;
  fill.z = z;
  const bool roughing = dlg.m_RoughOn != 0;
  bool made = false;
  if (roughing) {
    made = RoughLevelFill(dlg, boundary, islands, z, roughOffset, cache, fill) &&
           LinkRoughFill(dlg, fill, path.isEmpty(), piece);
  } else if (dlg.m_FinishOn != 0) {
    made = FinishLevel(dlg, boundary, islands, z, finishOffset, piece);
  }
  if (!made || piece.isEmpty()) {
    EraseEntityArray(piece);
    EraseEntityArray(fill.passes);
    EraseEntityArray(fill.outline);
    return false;
  }

  const int spindle = roughing ? dlg.m_RoughSpindle : dlg.m_FinishSpindle;
  (roughing ? dlg.m_RoughSpindleOn : dlg.m_FinishSpindleOn) = 1;
  AcDbObjectId marker;
  if (AddMarkerPoint(kMarkerSpindle, marker, spindle, piece.first())) piece.insertAt(0, marker);

  if (path.isEmpty()) {
    path.append(piece);
  } else if (roughing && IsContourPattern(dlg) && dlg.m_RetractBetweenLevels == 0) {
    LinkPocketPieces(dlg, path, piece, fill.outline);
  } else {
    AppendPathPiece(path, piece, ToolpathMoveEncoding::kRapidMoveKind);
  }
  EraseEntityArray(fill.outline);
  return true;
}
