#include "plugin/shell/manager/toolpath_move_copy.h"

#include "plugin/shell/copy_helpers.h"
#include "plugin/shell/manager/manager_boxes.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/shell/toolpaths/toolpath_store_internal.h"

namespace {

constexpr const char* kCannotMoveText = "공구경로를 이동할 수 없습니다.!!";
constexpr const char* kScratchSuffix = "~moving";

// The entities and the information filed for their points.
void EraseWithInfo(const AcDbObjectIdArray& ids) {
  AcDbObjectIdArray erased = ids;
  EraseToolPathInfos(erased);
  EraseEntityArray(erased);
}

int FirstPointIndex(const AcDbObjectIdArray& ids) {
  for (int i = 0; i < ids.length(); ++i) {
    if (GetEntityKind(ids[i]) == kEntityPoint) return i;
  }
  return -1;
}

AcDbObjectIdArray Slice(const AcDbObjectIdArray& ids, int from, int to) {
  AcDbObjectIdArray part;
  for (int i = from; i < to; ++i) part.append(ids[i]);
  return part;
}

// From the first point on the path is transformed: in place (move), or as
// copies appended behind rapid moves, the n-th transformed n times (copy).
// path gets the result; made lists every entity this made. False, with what
// was made erased, when a copy fails.
bool TransformPath(AcDbObjectIdArray& path, const AcGeMatrix3d& matrix, const CToolpathTransformDlg& transform,
                   bool inPlace, AcDbObjectIdArray& made) {
  const int first = FirstPointIndex(path);
  if (first < 0) return false;
  AcDbObjectIdArray moving = Slice(path, first, path.length());
  if (!transform.m_CopyOn) {
    if (inPlace) return TransformEntities(moving, matrix);
    AcDbObjectIdArray moved;
    const bool copied = CopyAndTransformEntities(moving, matrix, moved);
    made = moved;
    if (!copied) return false;
    path.setLogicalLength(first);
    path.append(moved);
    return true;
  }
  for (int n = 0; n < transform.m_CopyCount; ++n) {
    AcDbObjectIdArray copies;
    const bool copied = CopyAndTransformEntities(moving, matrix, copies);
    made.append(copies);
    if (!copied) return false;
    moving = copies;
    const int before = path.length();
    AppendPathPiece(path, copies, ToolpathMoveEncoding::kRapidMoveKind);
    // The rapid move that links the copy is new as well.
    if (path.length() > before && !made.contains(path[before])) made.append(path[before]);
  }
  return true;
}

bool ReadRecord(const char* name, CString& record) {
  AcDbObjectId id;
  return FindToolpathByName(name, id) && ReadToolpathTypeCode(id, record) > 0;
}

// The block's entities come out as loose clones, are transformed and go back
// into a block that replaces the old one once complete.
MoveOutcome MoveBlockToolpath(const char* name, const CString& record, const AcGeMatrix3d& matrix,
                              const CToolpathTransformDlg& transform) {
  AcDbObjectIdArray blockEntities;
  if (!GetToolpathEntityIds(name, blockEntities)) {
    return OfferToDeleteBrokenToolpath(name) ? MoveOutcome::kDeleted : MoveOutcome::kKept;
  }
  AcDbObjectIdArray loose;
  CopyEntitiesWithInfo(blockEntities, loose);
  if (loose.isEmpty()) return OfferToDeleteBrokenToolpath(name) ? MoveOutcome::kDeleted : MoveOutcome::kKept;
  AcDbObjectIdArray path = loose;
  AcDbObjectIdArray made;
  const bool transformed = TransformPath(path, matrix, transform, true, made);
  loose.append(made);
  bool stored = false;
  if (transformed) {
    AcDbObjectIdArray stock = path;
    stored = CreateToolpathBlock(name, record, stock);
  }
  EraseWithInfo(loose);
  if (!stored) ShowManagerBox(kCannotMoveText);
  return stored ? MoveOutcome::kMoved : MoveOutcome::kKept;
}

// A group's own moves are copied; the group made of them replaces the old one,
// which takes its moved originals along.
MoveOutcome MoveGroupToolpath(const char* name, const CString& record, const AcGeMatrix3d& matrix,
                              const CToolpathTransformDlg& transform) {
  AcDbObjectIdArray members;
  if (!GetToolpathEntityIds(name, members)) {
    return OfferToDeleteBrokenToolpath(name) ? MoveOutcome::kDeleted : MoveOutcome::kKept;
  }
  AcDbObjectIdArray path = members;
  AcDbObjectIdArray made;
  CString scratch;
  bool stored = TransformPath(path, matrix, transform, false, made) &&
                MakeUniqueToolpathName(CString(name) + kScratchSuffix, scratch);
  if (stored) {
    AcDbObjectIdArray stock = path;
    stored = CreateToolpathGroup(scratch, record, stock);
  }
  if (stored && !toolpath_store::DeleteToolpathKeeping(name, path)) {
    toolpath_store::DeleteToolpathKeeping(scratch, members);
    made.setLogicalLength(0);  // gone with the scratch group
    stored = false;
  }
  if (!stored) {
    EraseWithInfo(made);
    ShowManagerBox(kCannotMoveText);
    return MoveOutcome::kKept;
  }
  // Under its scratch name it can still be listed, renamed and deleted.
  RenameToolpath(scratch, name);
  return MoveOutcome::kMoved;
}

}  // namespace

MoveOutcome MoveOrCopyToolpath(const char* name, CToolpathTransformDlg& transform) {
  transform.m_ToolpathName = name;
  if (transform.DoModal() != IDOK) return MoveOutcome::kKept;
  AcGeMatrix3d matrix;
  transform.BuildTransform(matrix);
  CString record;
  if (!ReadRecord(name, record)) {
    ShowManagerBox(kCannotMoveText);
    return MoveOutcome::kKept;
  }
  if (IsToolpathGroupName(name)) return MoveGroupToolpath(name, record, matrix, transform);
  return MoveBlockToolpath(name, record, matrix, transform);
}
