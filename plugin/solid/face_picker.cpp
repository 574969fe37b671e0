#include "plugin/solid/face_picker.h"

#include <memory>
#include <string>
#include <vector>

#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/solid/selection_marker.h"

namespace {

// A selection set freed on every way out.
class SelectionSetGuard {
 public:
  SelectionSetGuard() = default;
  SelectionSetGuard(const SelectionSetGuard&) = delete;
  SelectionSetGuard& operator=(const SelectionSetGuard&) = delete;
  ~SelectionSetGuard() {
    if (held_) acedSSFree(set_);
  }
  // The answer of the general selection prompt; false when nothing was selected.
  bool Select() {
    held_ = acedSSGet(nullptr, nullptr, nullptr, nullptr, set_) == RTNORM;
    return held_;
  }
  const ads_name& name() const { return set_; }

 private:
  ads_name set_ = {0, 0};
  bool held_ = false;
};

struct ResbufChainFree {
  void operator()(resbuf* rb) const { acutRelRb(rb); }
};

// The picked entity and the graphics marker under the pick; false after its message.
bool ReadPick(const SelectionSetGuard& set, ads_name entityName, Adesk::GsMarker& marker) {
  resbuf* raw = nullptr;
  if (acedSSNameX(&raw, set.name(), 0) != RTNORM) {
    acutRelRb(raw);
    return false;
  }
  std::unique_ptr<resbuf, ResbufChainFree> details(raw);
  int method = 0;
  if (!ParseSelectionMarker(details.get(), method, entityName, marker)) {
    acutPrintf("\nFailed: Incorrect Entity Info");
    return false;
  }
  return true;
}

Acad::ErrorStatus FacesAtMarker(const AcDbEntity& entity, Adesk::GsMarker marker,
                                std::vector<AcDbFullSubentPath>& faces) {
  int count = 0;
  AcDbFullSubentPath* paths = nullptr;
  const Acad::ErrorStatus status = entity.getSubentPathsAtGsMarker(AcDb::kFaceSubentType, marker, AcGePoint3d::kOrigin,
                                                                   AcGeMatrix3d::kIdentity, count, paths);
  std::unique_ptr<AcDbFullSubentPath[]> owned(paths);
  if (status == Acad::eOk && paths != nullptr && count > 0) faces.assign(paths, paths + count);
  return status;
}

// Offers the faces in turn, round again after the last; -1 when cancelled.
int ChooseFace(const AcDbEntity& entity, const std::vector<AcDbFullSubentPath>& faces) {
  for (std::size_t i = 0;; i = (i + 1) % faces.size()) {
    entity.highlight(faces[i]);
    const FaceAnswer answer = AskIsThisTheFace("Is this the face <Yes>/No: ");
    entity.unhighlight(faces[i]);
    if (answer == FaceAnswer::kYes) return static_cast<int>(i);
    if (answer == FaceAnswer::kCancelled) return -1;
  }
}

// Appends the new face to model space: the drawing owns it after success, and
// it is deleted otherwise.
Acad::ErrorStatus PostToModelSpace(AcDbEntity* newFace, AcDbObjectId& faceId) {
  OpenedObject<AcDbEntity> face;
  face.acquire(newFace);
  OpenedObject<AcDbBlockTableRecord> modelSpace;
  switch (OpenModelSpace(modelSpace)) {
    case ModelSpaceAccess::kOpen:
      return modelSpace->appendAcDbEntity(faceId, face);
    case ModelSpaceAccess::kNoDrawing:
      return Acad::eNoDatabase;
    default:
      return Acad::eNotOpenForWrite;
  }
}

}  // namespace

FaceAnswer AskIsThisTheFace(const char* prompt) {
  acedInitGet(0, "Yes No");
  char word[512] = {};
  const int status = acedGetKword(prompt, word);
  if (status == RTNONE) return FaceAnswer::kYes;
  if (status != RTNORM && status != RTKWORD) return FaceAnswer::kCancelled;
  return std::string(word) == "No" ? FaceAnswer::kNo : FaceAnswer::kYes;
}

int PickFace(AcDbObjectId& faceId) {
  faceId.setNull();
  SelectionSetGuard set;
  if (!set.Select()) return kPickFaceEnded;
  ads_name entityName = {0, 0};
  Adesk::GsMarker marker = 0;
  if (!ReadPick(set, entityName, marker)) return kPickFaceEnded;
  AcDbObjectId entityId;
  Acad::ErrorStatus status = acdbGetObjectId(entityId, entityName);
  if (status != Acad::eOk) {
    acutPrintf("\nFailed: Errorcode for acdbGetObjectId() is: %d\n", static_cast<int>(status));
    return kPickFaceEnded;
  }
  AcDbEntity* face = nullptr;
  {
    OpenedObject<AcDbEntity> entity(entityId, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk) {
      acutPrintf("\nFailed: Errorcode for acdbOpenAcDbEntity() is: %d\n", static_cast<int>(entity.openStatus()));
      return entity.openStatus();
    }
    std::vector<AcDbFullSubentPath> faces;
    status = FacesAtMarker(*entity, marker, faces);
    if (status != Acad::eOk) {
      acutPrintf("\nFailed: Errorcode for gsMarkerToSubentIds() is: %d\n", static_cast<int>(status));
      return status;
    }
    if (faces.empty()) {
      acutPrintf("%s", MsgNoFacePicked.GetString());
      return kPickFaceEnded;
    }
    const int chosen = ChooseFace(*entity, faces);
    if (chosen < 0) return kPickFaceEnded;
    face = entity->subentPtr(faces[static_cast<std::size_t>(chosen)]);
  }
  if (face == nullptr) {
    acutPrintf("\nFailed: subentPtr()\n");
    return kPickFaceEnded;
  }
  status = PostToModelSpace(face, faceId);
  if (status != Acad::eOk) {
    acutPrintf("\nFailed: Errorcode for postToDb() is: %d\n", static_cast<int>(status));
    faceId.setNull();
    return status;
  }
  return 0;
}
