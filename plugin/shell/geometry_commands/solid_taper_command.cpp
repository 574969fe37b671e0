// SolTaper: one face of a solid, picked and confirmed among the faces under
// the pick, is tilted by a draft angle about its lowest point, leaning in
// along the Z axis of the current UCS.
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "platform/cad/db/db_extents.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/cad/modeler/db_region.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/ucs_helpers.h"
#include "plugin/solid/selection_marker.h"

namespace {

constexpr Adesk::GsMarker kLastMarkerTried = 999;
// A draft of 90 degrees or more turns the face over.
constexpr double kLargestTaper = 90.0;

enum class Answer { kYes, kNo, kCancelled };

// "Yes" is the default; a cancelled question is no answer at all.
Answer AskTaperThisFace() {
  acedInitGet(0, "Yes No");
  char word[512] = {};
  const int status = acedGetKword("선택된 면에 구배를 주겠습니디까 ? <Yes>/No: ", word);
  if (status == RTNONE) return Answer::kYes;
  if (status != RTNORM) return Answer::kCancelled;
  return std::string(word) == "No" ? Answer::kNo : Answer::kYes;
}

// The selection details of one pick; false after its message.
bool PickFace(ads_name entityName, Adesk::GsMarker& marker) {
  acutPrintf("\n솔리드 모델을 선택하시요 : ");
  ads_name set = {0, 0};
  if (acedSSGet(":S", nullptr, nullptr, nullptr, set) != RTNORM) return false;
  resbuf* details = nullptr;
  acedSSNameX(&details, set, 0);
  int method = 0;
  const bool parsed = ParseSelectionMarker(details, method, entityName, marker);
  acutRelRb(details);
  acedSSFree(set);
  if (!parsed) acutPrintf("\nFailed: Incorrect Entity Info");
  return parsed;
}

std::vector<AcDbFullSubentPath> FacesAtMarker(const AcDbEntity& entity, Adesk::GsMarker marker,
                                              Acad::ErrorStatus& status) {
  int count = 0;
  AcDbFullSubentPath* paths = nullptr;
  status = entity.getSubentPathsAtGsMarker(AcDb::kFaceSubentType, marker, AcGePoint3d::kOrigin, AcGeMatrix3d::kIdentity,
                                           count, paths);
  std::vector<AcDbFullSubentPath> faces;
  if (status == Acad::eOk) faces.assign(paths, paths + count);
  delete[] paths;
  return faces;
}

// Offers the faces in turn, round again after the last; -1 when cancelled.
int ChooseFace(const AcDbEntity& entity, const std::vector<AcDbFullSubentPath>& faces) {
  for (std::size_t i = 0;; i = (i + 1) % faces.size()) {
    entity.highlight(faces[i]);
    const Answer answer = AskTaperThisFace();
    if (answer == Answer::kYes) return static_cast<int>(i);
    entity.unhighlight(faces[i]);
    if (answer == Answer::kCancelled) return -1;
  }
}

// The marker that yields the face; tried from 1 up, stopping at the first the
// solid cannot resolve.
bool FindFaceMarker(const AcDbEntity& entity, const AcDbFullSubentPath& face) {
  for (Adesk::GsMarker marker = 1; marker < kLastMarkerTried; ++marker) {
    Acad::ErrorStatus status = Acad::eOk;
    const std::vector<AcDbFullSubentPath> faces = FacesAtMarker(entity, marker, status);
    if (status != Acad::eOk) return false;
    for (const AcDbFullSubentPath& found : faces) {
      if (found.subentId() == face.subentId()) return true;
    }
  }
  return false;
}

// What the taper needs of the face: its lowest corner, which the tilt keeps in
// place, and, for a flat face, its normal.
struct FaceFrame {
  AcGePoint3d base;
  bool flat = false;
  AcGeVector3d normal;
};

bool ReadFace(const AcDbEntity& entity, const AcDbFullSubentPath& face, FaceFrame& frame) {
  std::unique_ptr<AcDbEntity> faceEntity(entity.subentPtr(face));
  AcDbExtents extents;
  if (faceEntity == nullptr || faceEntity->getGeomExtents(extents) != Acad::eOk) {
    acutPrintf("\nFailed: subentPtr()\n");
    return false;
  }
  frame.base = extents.minPoint();
  const AcDbRegion* region = AcDbRegion::cast(faceEntity.get());
  frame.flat = region != nullptr && region->getNormal(frame.normal) == Acad::eOk;
  return true;
}

void SayWhyNot(const CString& why) {
  CString text;
  text.Format(MsgTaperFailed, why.GetString());
  acutPrintf("%s", text.GetString());
}

// Why the face cannot lean by the angle along the draft direction; empty when it can be tried.
CString WhyNotTapered(const FaceFrame& frame, const AcGeVector3d& draft, double degrees) {
  CString why;
  if (!std::isfinite(degrees) || degrees <= -kLargestTaper || degrees >= kLargestTaper || degrees == 0.0) {
    why.Format(MsgTaperAngleOutOfRange, degrees);
  } else if (frame.flat && frame.normal.isParallelTo(draft)) {
    why = MsgTaperFaceAcrossDraft;
  }
  return why;
}

void TaperFace(AcDb3dSolid& solid, const AcDbFullSubentPath& face) {
  FaceFrame frame;
  if (!ReadFace(solid, face, frame)) return;
  double degrees = 0.0;
  if (acedGetReal("\n구배 각도를 입력하시요. : ", &degrees) != RTNORM) return;
  AcGeMatrix3d ucs;
  GetUcsMatrix(ucs, solid.database());
  const AcGeVector3d draft = ucs * AcGeVector3d::kZAxis;
  const CString refused = WhyNotTapered(frame, draft, degrees);
  if (!refused.IsEmpty()) {
    SayWhyNot(refused);
    return;
  }
  AcDbSubentId faceId = face.subentId();
  AcArray<AcDbSubentId*> faces;
  faces.append(&faceId);
  const Acad::ErrorStatus status = solid.taperFaces(faces, frame.base, draft, degrees * std::numbers::pi / 180.0);
  if (status == Acad::eOk) return;
  CString why;
  why.Format(MsgTaperModelerFailed, acadErrorStatusText(status));
  SayWhyNot(why);
}

}  // namespace

void SolTaperCommand() {
  ads_name entityName = {0, 0};
  Adesk::GsMarker marker = 0;
  if (!PickFace(entityName, marker)) return;
  AcDbObjectId id;
  Acad::ErrorStatus status = acdbGetObjectId(id, entityName);
  if (status != Acad::eOk) {
    acutPrintf("\nFailed: Errorcode for acdbGetObjectId() is: %d\n", static_cast<int>(status));
    return;
  }
  OpenedObject<AcDbEntity> entity(id, AcDb::kForWrite);
  if (entity.openStatus() != Acad::eOk) {
    acutPrintf("\nFailed: Errorcode for acdbOpenAcDbEntity() is: %d\n", static_cast<int>(entity.openStatus()));
    return;
  }
  const std::vector<AcDbFullSubentPath> faces = FacesAtMarker(*entity, marker, status);
  if (status != Acad::eOk || faces.empty()) {
    acutPrintf("\nFailed: Errorcode for gsMarkerToSubentIds() is: %d\n", static_cast<int>(status));
    return;
  }
  AcDb3dSolid* solid = AcDb3dSolid::cast(entity.object());
  if (solid == nullptr) {
    acutPrintf("\n 솔리드 모델이 아닙니다.");
    return;
  }
  const int chosen = ChooseFace(*entity, faces);
  if (chosen < 0) return;
  entity->unhighlight(faces[chosen]);
  if (chosen > 0 && !FindFaceMarker(*entity, faces[chosen])) return;
  TaperFace(*solid, faces[chosen]);
}
