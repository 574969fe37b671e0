// The moves of a toolpath appended in drawing order: one that cannot be
// appended spoils the whole path.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_point3d.h"

class KeptMoves {
 public:
  // Null when it could not be appended. A marked rapid tells the posts that a
  // hole's cycle starts at its end.
  AcDbObjectId Rapid(const AcGePoint3d& from, const AcGePoint3d& to, bool marked = false);
  void Feed(const AcGePoint3d& from, const AcGePoint3d& to, int feed);
  bool failed() const { return failed_; }
  AcDbObjectIdArray& ids() { return ids_; }

 private:
  AcDbObjectId Keep(AcDbObjectId id);

  AcDbObjectIdArray ids_;
  bool failed_ = false;
};
