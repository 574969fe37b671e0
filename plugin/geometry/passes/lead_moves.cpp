#include "plugin/geometry/passes/lead_moves.h"

#include <cmath>
#include <memory>
#include <vector>

#include "platform/cad/curve/bulge_segment.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/win/message_box.h"
#include "plugin/geometry/plane_geometry.h"
#include "plugin/geometry/polyline/polyline_intersections.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/geometry/polyline/polyline_reshape.h"
#include "plugin/geometry/polyline/polyline_vertices.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr double kLoopGap = 0.001;
constexpr int kPlacementTries = 50;
const char* const kNoLeadPlaceText = "진입부를 생성할 수 없는 곳이 있습니다.!!!";

double Radians(double degrees) { return degrees * kDegreeFactor; }

AcGePoint2d Polar(const AcGePoint2d& from, double degrees, double length) {
  return AcGePoint2d(from.x + length * std::cos(Radians(degrees)), from.y + length * std::sin(Radians(degrees)));
}

// The direction of travel along the segment there, from its tangent: a chord
// to a point just beside it is too short to give a direction on small arcs.
double TangentDirection(const curve::BulgeSeg& segment, double fraction) {
  const AcGeVector2d tangent = segment.tangentAt(fraction);
  return GetDirectionAngle(tangent.y, tangent.x);
}

double FeedWidth(int feedOn, int feed, int defaultFeed) {
  return ToolpathMoveEncoding::FeedToWidth(feedOn == 1 ? feed : defaultFeed);
}

void OpenAsLoop(AcDbPolyline* polyline) {
  if (!polyline->isClosed()) return;
  polyline->setClosed(false);
  AcGePoint2d first;
  AcGePoint2d last;
  polyline->getPointAt(0, first);
  polyline->getPointAt(polyline->numVerts() - 1, last);
  if (first.distanceTo(last) > kLoopGap) {
    double startWidth = 0.0;
    double endWidth = 0.0;
    polyline->getWidthsAt(0, startWidth, endWidth);
    polyline->addVertexAt(polyline->numVerts(), first, 0.0, startWidth, endWidth);
  }
}

void AddLeadOut(const CLeadInOutDlg& lead, AcDbPolyline* polyline) {
  const unsigned int count = polyline->numVerts();
  AcGePoint2d end;
  AcGePoint2d before;
  polyline->getPointAt(count - 1, end);
  polyline->getPointAt(count - 2, before);
  double bulge = 0.0;
  polyline->getBulgeAt(count - 2, bulge);
  const double travel = TangentDirection(curve::BulgeSeg{before, end, bulge}, 1.0);
  const double width = FeedWidth(lead.m_ExitFeedOn, lead.m_ExitFeed, lead.m_DefaultFeed);
  const bool right = lead.m_Side == 1;
  double after = travel;
  if (lead.m_ExitArcOn == 1) {
    const double radius = lead.m_ExitArcRadius;
    const double sweep = lead.m_ExitArcAngle;
    after = right ? travel - sweep : travel + sweep;
    const double arcBulge = std::tan(Radians(right ? -sweep : sweep) / 4.0);
    const double radial = right ? travel + 90.0 : travel - 90.0;
    const AcGePoint2d center = Polar(end, radial, -radius);
    const AcGePoint2d arcEnd = Polar(center, right ? radial - sweep : radial + sweep, radius);
    polyline->setBulgeAt(count - 1, arcBulge);
    polyline->setWidthsAt(count - 1, width, width);
    polyline->addVertexAt(polyline->numVerts(), arcEnd, 0.0, width, width);
    end = arcEnd;
  }
  if (lead.m_ExitLineOn == 1) {
    const double angle = right ? after + lead.m_ExitLineAngle : after - lead.m_ExitLineAngle;
    polyline->setWidthsAt(polyline->numVerts() - 1, width, width);
    polyline->addVertexAt(polyline->numVerts(), Polar(end, angle, -lead.m_ExitLineLength), 0.0, width, width);
  }
}

void AddLeadIn(const CLeadInOutDlg& lead, AcDbPolyline* polyline) {
  AcGePoint2d start;
  AcGePoint2d next;
  polyline->getPointAt(0, start);
  polyline->getPointAt(1, next);
  double bulge = 0.0;
  polyline->getBulgeAt(0, bulge);
  const double travel = TangentDirection(curve::BulgeSeg{start, next, bulge}, 0.0);
  const double width = FeedWidth(lead.m_EntryFeedOn, lead.m_EntryFeed, lead.m_DefaultFeed);
  const bool right = lead.m_Side == 1;
  double before = travel;
  if (lead.m_EntryArcOn == 1) {
    const double radius = lead.m_EntryArcRadius;
    const double sweep = lead.m_EntryArcAngle;
    before = right ? travel + sweep : travel - sweep;
    const double arcBulge = std::tan(Radians(right ? -sweep : sweep) / 4.0);
    const double radial = right ? travel + 90.0 : travel - 90.0;
    const AcGePoint2d center = Polar(start, radial, -radius);
    const AcGePoint2d arcStart = Polar(center, right ? radial + sweep : radial - sweep, radius);
    polyline->addVertexAt(0, arcStart, arcBulge, width, width);
    start = arcStart;
  }
  if (lead.m_EntryLineOn == 1) {
    const double angle = right ? before + lead.m_EntryLineAngle : before - lead.m_EntryLineAngle;
    polyline->addVertexAt(0, Polar(start, angle, -lead.m_EntryLineLength), 0.0, width, width);
  }
}

// The closed pass's vertices started at the parameter, an arc cut there keeping its centre.
std::vector<PolylineVertex> StartedAt(const AcDbPolyline* pass, double parameter) {
  std::vector<PolylineVertex> vertices = ReadPolylineVertices(pass);
  const std::size_t count = vertices.size();
  std::size_t index = static_cast<std::size_t>(std::floor(parameter));
  double fraction = parameter - static_cast<double>(index);
  if (fraction > 1.0 - 1e-9) {
    index = (index + 1) % count;
    fraction = 0.0;
  }
  index %= count;
  std::vector<PolylineVertex> out;
  if (fraction < 1e-9) {
    for (std::size_t k = 0; k < count; ++k) out.push_back(vertices[(index + k) % count]);
    return out;
  }
  AcGePoint3d cut;
  pass->getPointAtParam(parameter, cut);
  PolylineVertex first = vertices[index];
  const double bulge = first.bulge;
  first.point.set(cut.x, cut.y);
  first.bulge = PartialBulge(bulge, 1.0 - fraction);
  out.push_back(first);
  for (std::size_t k = 1; k <= count; ++k) out.push_back(vertices[(index + k) % count]);
  out.back().bulge = PartialBulge(bulge, fraction);
  return out;
}

bool IsPolylineId(AcDbObjectId id) {
  OpenedObject<AcDbPolyline> polyline(id, AcDb::kForRead);
  return polyline.openStatus() == Acad::eOk;
}

bool CrossesAnother(AcDbObjectId trialId, AcDbObjectId passId, const std::vector<AcDbObjectId>& passes) {
  for (AcDbObjectId other : passes) {
    if (other == passId) continue;
    AcGePoint3dArray points;
    if (PolylinesIntersect(trialId, other, points) > 0) return true;
  }
  return false;
}

// The lead ends must lie inside the pass exactly when it runs the first pass's way.
bool EndsOnTheCutSide(AcDbObjectId trialId, AcDbObjectId passId, bool turnsOtherWay) {
  AcGePoint3d start;
  AcGePoint3d end;
  if (GetCurveEndPoints(trialId, start, end) == 0) return false;
  return IsPointInsidePolyline(passId, start) != turnsOtherWay && IsPointInsidePolyline(passId, end) != turnsOtherWay;
}

// 1 accepted, 0 refused, -1 when no trial could be built.
int TryLeadPosition(const CLeadInOutDlg& lead, AcDbObjectId passId, const std::vector<AcDbObjectId>& passes,
                    bool turnsOtherWay, const LeadTrialCheck& fits, double distance, double& parameter) {
  AcDbPolyline* trial = nullptr;
  if (!AddLeadMovesClosedPass(lead, passId, trial, distance, parameter)) return -1;
  std::unique_ptr<AcDbPolyline> owned(trial);
  if (fits && !fits(*owned)) return 0;
  AcDbObjectId trialId;
  if (AppendToModelSpace(owned.get(), trialId) != Acad::eOk) return -1;
  owned.release();
  bool accepted = !CrossesAnother(trialId, passId, passes);
  if (accepted && passes.size() > 1) accepted = EndsOnTheCutSide(trialId, passId, turnsOtherWay);
  EraseObject(trialId);
  return accepted ? 1 : 0;
}

bool FindLeadPosition(const CLeadInOutDlg& lead, AcDbObjectId passId, const std::vector<AcDbObjectId>& passes,
                      bool turnsOtherWay, const LeadTrialCheck& fits) {
  for (int n = 0; n < kPlacementTries; ++n) {
    double parameter = 0.0;
    const int outcome =
        TryLeadPosition(lead, passId, passes, turnsOtherWay, fits, (lead.m_EntryArcRadius + 1.0) * n, parameter);
    if (outcome < 0) return false;
    if (outcome == 0) continue;
    if (parameter != 0.0) return SetPolylineStartVertex(passId, parameter, 0);
    return true;
  }
  return false;
}

LeadFailureReport* ActiveLeadFailureReport = nullptr;

void ShowLeadFailures(int count, const AcGePoint3d& first) {
  CString text = kNoLeadPlaceText;
  if (!MsgLeadPlaces.IsEmpty()) {
    CString places;
    places.Format(MsgLeadPlaces, count, first.x, first.y);
    text += places;
  }
  ::MessageBox(nullptr, text, "Message", MB_OK | MB_ICONINFORMATION);
}

}  // namespace

LeadFailureReport::LeadFailureReport() : outer_(ActiveLeadFailureReport) { ActiveLeadFailureReport = this; }

LeadFailureReport::~LeadFailureReport() {
  ActiveLeadFailureReport = outer_;
  if (count_ > 0) ShowLeadFailures(count_, first_);
}

void LeadFailureReport::Add(const AcGePoint3d& place) {
  LeadFailureReport* report = ActiveLeadFailureReport;
  if (report == nullptr) {
    ShowLeadFailures(1, place);
    return;
  }
  if (report->count_++ == 0) report->first_ = place;
}

bool AddLeadMovesToPolyline(const CLeadInOutDlg& lead, AcDbPolyline* polyline) {
  if (polyline == nullptr || polyline->numVerts() < 2) return false;
  OpenAsLoop(polyline);
  if (polyline->numVerts() < 2) return false;
  if (lead.m_ExitOn == 1) AddLeadOut(lead, polyline);
  if (lead.m_EntryOn == 1) AddLeadIn(lead, polyline);
  return true;
}

void ScaleLeadMoves(const CLeadInOutDlg& lead, double factor, CLeadInOutDlg& copy) {
  // Through the record, which holds every setting the moves read.
  const CString record = LeadMoveRecordText(lead);
  const char* cursor = record;
  ReadLeadMoveRecordText(cursor, copy);
  copy.m_Side = lead.m_Side;
  copy.m_DefaultFeed = lead.m_DefaultFeed;
  copy.m_EntryArcRadius = static_cast<float>(lead.m_EntryArcRadius * factor);
  copy.m_EntryLineLength = static_cast<float>(lead.m_EntryLineLength * factor);
  copy.m_ExitArcRadius = static_cast<float>(lead.m_ExitArcRadius * factor);
  copy.m_ExitLineLength = static_cast<float>(lead.m_ExitLineLength * factor);
}

bool AddLeadMoves(const CLeadInOutDlg& lead, AcDbObjectId passId) {
  OpenedObject<AcDbPolyline> polyline(passId, AcDb::kForWrite);
  if (polyline.openStatus() != Acad::eOk) return false;
  if (polyline->numVerts() < 2) return false;
  return AddLeadMovesToPolyline(lead, polyline.object());
}

void AddLeadMovesToList(const CLeadInOutDlg& lead, AcDbObjectIdArray& ids) {
  for (int i = 0; i < ids.length(); ++i) AddLeadMoves(lead, ids[i]);
  ids.setLogicalLength(0);
}

bool AddLeadMovesClosedPass(const CLeadInOutDlg& lead, AcDbObjectId passId, AcDbPolyline*& trial, double distance,
                            double& parameter) {
  trial = nullptr;
  OpenedObject<AcDbPolyline> pass(passId, AcDb::kForRead);
  if (pass.openStatus() != Acad::eOk || pass->numVerts() < 2) return false;
  // Only a loop can start anywhere along itself.
  AcGePoint3d first;
  AcGePoint3d last;
  pass->getStartPoint(first);
  pass->getEndPoint(last);
  if (!pass->isClosed() && first.distanceTo(last) > kLoopGap) return false;
  if (pass->getParamAtDist(distance, parameter) != Acad::eOk) return false;
  auto built = std::make_unique<AcDbPolyline>();
  built->setPropertiesFrom(pass.object());
  built->setNormal(pass->normal());
  built->setElevation(pass->elevation());
  WritePolylineVertices(built.get(), StartedAt(pass.object(), parameter));
  built->setClosed(pass->isClosed());
  if (!AddLeadMovesToPolyline(lead, built.get())) return false;
  trial = built.release();
  return true;
}

void PlaceLeadMovesOnPasses(const CLeadInOutDlg& lead, const AcDbObjectIdArray& ids, int count,
                            AcDbObjectIdArray* unplaced, const LeadTrialCheck& fits) {
  std::vector<AcDbObjectId> passes;
  for (int i = 0; i < ids.length() && i < count; ++i) {
    if (IsPolylineId(ids[i])) passes.push_back(ids[i]);
  }
  if (passes.empty()) return;
  const bool firstClockwise = IsPolylineClockwise(passes.front());
  std::vector<AcDbObjectId> placed;
  for (AcDbObjectId passId : passes) {
    const bool turnsOtherWay = IsPolylineClockwise(passId) != firstClockwise;
    if (FindLeadPosition(lead, passId, passes, turnsOtherWay, fits)) {
      placed.push_back(passId);
    } else if (unplaced != nullptr) {
      unplaced->append(passId);
    } else {
      AcGePoint3d start, end;
      GetCurveEndPoints(passId, start, end);
      LeadFailureReport::Add(start);
    }
  }
  for (AcDbObjectId passId : placed) AddLeadMoves(lead, passId);
}

void AddZEntryMoves(const CLeadInOutDlg& lead, AcDbObjectIdArray& ids, const AcGePoint3d& from, const AcGePoint3d& to) {
  const int feed = lead.m_EntryFeedOn == 1 ? lead.m_EntryFeed : lead.m_DefaultFeed;
  auto keep = [&ids](AcDbObjectId id) {
    if (!id.isNull()) ids.append(id);
  };
  switch (lead.m_ZEntryMode) {
    case kZEntryWhole:
      keep(AddMoveLineWithFeed(from, to, 4, feed));
      break;
    case kZEntryNone:
      keep(AddMoveLine(from, to, 2));
      break;
    default: {
      const AcGePoint3d above(to.x, to.y, to.z + lead.m_ZEntryLength);
      keep(AddMoveLine(from, above, 2));
      keep(AddMoveLineWithFeed(above, to, 4, feed));
      break;
    }
  }
}
