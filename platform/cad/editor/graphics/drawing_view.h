// What the selection functions see of the working drawing: the entities of the
// current space in drawing order, whether each is shown, and the UCS.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/ge/ge_matrix3d.h"

namespace cadeditor {

class DrawingView {
 public:
  DrawingView();  // of the working drawing

  AcDbDatabase* database() const { return db_; }
  const AcGeMatrix3d& toUcs() const { return toUcs_; }

  // Not erased, oldest first.
  std::vector<AcDbObjectId> currentSpaceEntities() const;
  // Model space and every paper space.
  std::vector<AcDbObjectId> layoutEntities() const;
  // Visible and on a layer that is neither off nor frozen.
  bool isShown(const AcDbEntity& entity);
  // A live entity of the drawing's layouts with this (hex) handle; null when none.
  AcDbObjectId entityByHandle(const std::string& hex) const;
  // The newest shown entity of the current space; null when none.
  AcDbObjectId lastEntity();

 private:
  static std::vector<AcDbObjectId> LiveEntities(AcDbObjectId record);

  AcDbDatabase* db_;
  AcGeMatrix3d toUcs_;
  std::unordered_map<AcDbObjectId, bool> layerShown_;
};

}  // namespace cadeditor
