#include "host/svg/svg_drawing_walker.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/svg/svg_entity_shapes.h"
#include "host/svg/svg_modeler_shapes.h"
#include "host/svg/svg_style.h"
#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_object_iterator.h"
#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/db/entities/db_attribute.h"
#include "platform/cad/db/entities/db_block_reference.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/entities/db_text.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/db/tables/db_block_table.h"

namespace {

// Blocks nest at most this deep; deeper references are left out.
constexpr std::size_t kMaxBlockDepth = 32;

bool isFiniteMatrix(const AcGeMatrix3d& m) {
  for (const auto& row : m.entry) {
    for (const double value : row) {
      if (!std::isfinite(value)) return false;
    }
  }
  return true;
}

std::string kindName(const AcDbEntity& entity) {
  const AcRxClass* rxClass = entity.isA();
  if (rxClass == nullptr) return "unknown";
  if (rxClass->dxfName()[0] != '\0') return rxClass->dxfName();
  return rxClass->name();
}

class ModelSpaceWalker {
 public:
  explicit ModelSpaceWalker(AcDbDatabase& db) : db_(db), styles_(db) {}

  SvgScene run();

 private:
  void walkBlock(AcDbObjectId recordId, const AcGeMatrix3d& xform, const SvgInherited& inherited);
  void walkEntity(AcDbObjectId id, const AcGeMatrix3d& xform, const SvgInherited& inherited);
  void drawEntity(const AcDbEntity& entity, const SvgLook& look, const AcGeMatrix3d& xform,
                  const SvgInherited& inherited);
  void drawReference(const AcDbBlockReference& reference, const SvgLook& look, const AcGeMatrix3d& xform,
                     const SvgInherited& inherited);
  void drawAttributes(const AcDbBlockReference& reference, const AcGeMatrix3d& xform, const SvgInherited& inner);
  void drawText(const AcDbText& text, std::string_view content, const SvgLook& look, const AcGeMatrix3d& xform);
  void addItem(SvgItem item, const SvgLook& look, const SvgBounds& bounds);
  std::string blockName(AcDbObjectId recordId) const;

  AcDbDatabase& db_;
  SvgStyleResolver styles_;
  SvgScene scene_;
  std::vector<AcDbObjectId> openBlocks_;  // the chain of blocks being walked
};

SvgScene ModelSpaceWalker::run() {
  scene_.pointMode = db_.pdmode();
  scene_.pointSize = db_.pdsize();
  AcDbSymbolTablePointer<AcDbBlockTable> blocks(&db_, AcDb::kForRead);
  if (blocks.openStatus() != Acad::eOk) return std::move(scene_);
  AcDbObjectId modelSpace;
  const Acad::ErrorStatus found = blocks->getAt("*Model_Space", modelSpace);
  blocks.close();
  if (found == Acad::eOk) walkBlock(modelSpace, AcGeMatrix3d::kIdentity, SvgInherited{});
  return std::move(scene_);
}

std::string ModelSpaceWalker::blockName(AcDbObjectId recordId) const {
  AcDbObjectPointer<AcDbBlockTableRecord> record(recordId, AcDb::kForRead);
  return record.openStatus() == Acad::eOk ? record->name() : "?";
}

void ModelSpaceWalker::walkBlock(AcDbObjectId recordId, const AcGeMatrix3d& xform, const SvgInherited& inherited) {
  if (std::find(openBlocks_.begin(), openBlocks_.end(), recordId) != openBlocks_.end()) {
    scene_.addNote("block \"" + blockName(recordId) + "\" contains itself: its inner references are not drawn");
    return;
  }
  if (openBlocks_.size() > kMaxBlockDepth) {
    scene_.addNote("blocks nested deeper than " + std::to_string(kMaxBlockDepth) + " levels are not drawn");
    return;
  }
  std::vector<AcDbObjectId> entities;
  {
    AcDbObjectPointer<AcDbBlockTableRecord> record(recordId, AcDb::kForRead);
    if (record.openStatus() != Acad::eOk) {
      scene_.addNote("a block reference names no readable block: not drawn");
      return;
    }
    entities = record->entityIds();
  }
  openBlocks_.push_back(recordId);
  for (const AcDbObjectId& id : entities) walkEntity(id, xform, inherited);
  openBlocks_.pop_back();
}

void ModelSpaceWalker::walkEntity(AcDbObjectId id, const AcGeMatrix3d& xform, const SvgInherited& inherited) {
  if (id.isErased()) return;
  AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
  if (entity.openStatus() == Acad::eWasErased || entity.openStatus() == Acad::eNotThatKindOfClass) return;
  if (entity.openStatus() != Acad::eOk) {
    ++scene_.notDrawn["unreadable"];
    return;
  }
  const SvgLook look = styles_.lookOf(*entity, inherited);
  if (const AcDbBlockReference* reference = AcDbBlockReference::cast(entity.object())) {
    // Entities of the block on other layers stay visible when the reference's layer is off.
    if (!look.invisible && !look.layerFrozen) drawReference(*reference, look, xform, inherited);
    return;
  }
  if (look.shown()) drawEntity(*entity, look, xform, inherited);
}

void ModelSpaceWalker::drawEntity(const AcDbEntity& entity, const SvgLook& look, const AcGeMatrix3d& xform,
                                  const SvgInherited& inherited) {
  if (const AcDbAttributeDefinition* definition = AcDbAttributeDefinition::cast(&entity)) {
    // In a block a definition is a template shown by the references' attributes; only
    // a constant one shows itself. Elsewhere it shows its tag.
    if (!inherited.inBlock) {
      drawText(*definition, definition->tagConst(), look, xform);
    } else if (definition->isConstant() && !definition->isInvisible()) {
      drawText(*definition, definition->textStringConst(), look, xform);
    }
    return;
  }
  if (const AcDbText* text = AcDbText::cast(&entity)) {
    drawText(*text, text->textStringConst(), look, xform);
    return;
  }
  if (const AcDbPoint* point = AcDbPoint::cast(&entity)) {
    SvgItem item;
    item.kind = SvgItem::Kind::kPoint;
    item.point = ToSvgPoint(xform * point->position());
    if (!std::isfinite(item.point.x) || !std::isfinite(item.point.y)) {
      ++scene_.notDrawn[kindName(entity)];
      return;
    }
    SvgBounds bounds;
    bounds.add(item.point.x, item.point.y);
    addItem(std::move(item), look, bounds);
    return;
  }
  SvgItem item;
  DrawnFaces faces;
  const bool shaped = CurvePathOf(entity, xform, item.path) || ModelerEdgePathOf(entity, xform, item.path) ||
                      WorldDrawPathOf(entity, xform, item.path, faces);
  if (!shaped || !item.path.isFinite()) {
    ++scene_.notDrawn[kindName(entity)];
    return;
  }
  if (item.path.empty()) return;
  item.width = ConstantWidthOf(entity, xform);
  const SvgBounds bounds = item.path.bounds();
  // Faces drawn in a colour of their own show in it.
  SvgLook shown = look;
  if (faces.colorIndex >= 1 && faces.colorIndex <= 255) shown.colorIndex = faces.colorIndex;
  addItem(std::move(item), shown, bounds);
}

void ModelSpaceWalker::drawText(const AcDbText& text, std::string_view content, const SvgLook& look,
                                const AcGeMatrix3d& xform) {
  SvgItem item;
  item.kind = SvgItem::Kind::kText;
  SvgBounds bounds;
  if (!TextShapeOf(text, content, xform, item.text, bounds)) return;
  for (const double value : item.text.matrix) {
    if (!std::isfinite(value)) {
      ++scene_.notDrawn[kindName(text)];
      return;
    }
  }
  addItem(std::move(item), look, bounds);
}

void ModelSpaceWalker::drawReference(const AcDbBlockReference& reference, const SvgLook& look,
                                     const AcGeMatrix3d& xform, const SvgInherited& inherited) {
  const AcGeMatrix3d placement = reference.blockTransform();
  if (!isFiniteMatrix(placement)) {
    ++scene_.notDrawn[kindName(reference)];
    return;
  }
  const SvgInherited inner = SvgStyleResolver::inheritedFrom(look, inherited, placement.scale());
  walkBlock(reference.blockTableRecord(), xform * placement, inner);
  drawAttributes(reference, xform, inner);
}

// Attributes lie where the reference put them, in the reference's own space.
void ModelSpaceWalker::drawAttributes(const AcDbBlockReference& reference, const AcGeMatrix3d& xform,
                                      const SvgInherited& inner) {
  std::unique_ptr<AcDbObjectIterator> attributes(reference.attributeIterator());
  if (!attributes) return;
  for (attributes->start(); !attributes->done(); attributes->step()) {
    const AcDbAttribute* attribute = AcDbAttribute::cast(attributes->entity());
    if (attribute == nullptr || attribute->isInvisible()) continue;
    const SvgLook look = styles_.lookOf(*attribute, inner);
    if (look.shown()) drawText(*attribute, attribute->textStringConst(), look, xform);
  }
}

void ModelSpaceWalker::addItem(SvgItem item, const SvgLook& look, const SvgBounds& bounds) {
  item.colorIndex = look.colorIndex;
  item.dashes = look.dashes;
  scene_.bounds.add(bounds);
  scene_.items.push_back(std::move(item));
}

}  // namespace

SvgScene CollectModelSpace(AcDbDatabase& db) { return ModelSpaceWalker(db).run(); }
