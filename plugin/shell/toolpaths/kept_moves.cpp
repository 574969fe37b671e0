#include "plugin/shell/toolpaths/kept_moves.h"

#include "plugin/shell/toolpaths/toolpath_entities.h"

namespace {

constexpr int kFeedMoveKind = 4;

}  // namespace

AcDbObjectId KeptMoves::Rapid(const AcGePoint3d& from, const AcGePoint3d& to, bool marked) {
  const AcDbObjectId id = Keep(AddMoveLine(from, to, ToolpathMoveEncoding::kRapidMoveKind));
  if (marked && !id.isNull()) SetCurveThickness(id, ToolpathMoveEncoding::FeedToThickness(1));
  return id;
}

void KeptMoves::Feed(const AcGePoint3d& from, const AcGePoint3d& to, int feed) {
  Keep(AddMoveLineWithFeed(from, to, kFeedMoveKind, feed));
}

AcDbObjectId KeptMoves::Keep(AcDbObjectId id) {
  if (id.isNull()) {
    failed_ = true;
  } else {
    ids_.append(id);
  }
  return id;
}
