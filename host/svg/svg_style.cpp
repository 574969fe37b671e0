#include "host/svg/svg_style.h"

#include <strings.h>
#include <algorithm>
#include <cmath>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/db/tables/db_layer_table.h"
#include "platform/cad/db/tables/db_linetype_table.h"

namespace {

// A dot is drawn as a dash this part of the pattern's shortest element.
constexpr double kDotShare = 0.2;

int drawableColor(int index) { return (index >= 1 && index <= 255) ? index : 7; }

double usableScale(double scale) { return (std::isfinite(scale) && scale > 0.0) ? scale : 1.0; }

}  // namespace

SvgStyleResolver::SvgStyleResolver(AcDbDatabase& db) : db_(db) {}

const SvgStyleResolver::LayerInfo& SvgStyleResolver::layer(AcDbObjectId id) {
  auto found = layers_.find(id);
  if (found != layers_.end()) return found->second;
  LayerInfo info;
  AcDbObjectPointer<AcDbLayerTableRecord> record(id, AcDb::kForRead);
  if (record.openStatus() == Acad::eOk) {
    info.isLayerZero = std::string(record->name()) == "0";
    info.off = record->isOff();
    info.frozen = record->isFrozen();
    info.colorIndex = drawableColor(record->color().colorIndex());
    info.linetypeId = record->linetypeObjectId();
  }
  return layers_.emplace(id, info).first->second;
}

const SvgStyleResolver::LinetypeInfo& SvgStyleResolver::linetype(AcDbObjectId id) {
  auto found = linetypes_.find(id);
  if (found != linetypes_.end()) return found->second;
  LinetypeInfo info;
  if (id.isNull() || id == db_.byLayerLinetype()) {
    info.kind = LinetypeKind::kByLayer;
  } else if (id == db_.byBlockLinetype()) {
    info.kind = LinetypeKind::kByBlock;
  } else {
    AcDbObjectPointer<AcDbLinetypeTableRecord> record(id, AcDb::kForRead);
    if (record.openStatus() == Acad::eOk) {
      if (strcasecmp(record->name(), "ByLayer") == 0) {
        info.kind = LinetypeKind::kByLayer;
      } else if (strcasecmp(record->name(), "ByBlock") == 0) {
        info.kind = LinetypeKind::kByBlock;
      } else {
        for (int i = 0; i < record->numDashes(); ++i) info.pattern.push_back(record->dashLengthAt(i));
      }
    }
  }
  return linetypes_.emplace(id, info).first->second;
}

AcDbObjectId SvgStyleResolver::patternLinetype(AcDbObjectId id) {
  return linetype(id).kind == LinetypeKind::kPattern ? id : AcDbObjectId();
}

SvgLook SvgStyleResolver::lookOf(const AcDbEntity& entity, const SvgInherited& inherited) {
  SvgLook look;
  look.layerId = entity.layerId();
  if (inherited.inBlock && !inherited.layerId.isNull() && layer(look.layerId).isLayerZero) {
    look.layerId = inherited.layerId;
  }
  const LayerInfo& onLayer = layer(look.layerId);
  look.invisible = entity.visibility() != AcDb::kVisible;
  look.layerOff = onLayer.off;
  look.layerFrozen = onLayer.frozen;

  const int color = entity.colorIndex();
  if (color == AcDb::kColorByLayer) {
    look.colorIndex = onLayer.colorIndex;
  } else if (color == AcDb::kColorByBlock) {
    look.colorIndex = drawableColor(inherited.colorIndex);
  } else {
    look.colorIndex = drawableColor(color);
  }

  switch (linetype(entity.linetypeId()).kind) {
    case LinetypeKind::kByLayer:
      look.linetypeId = patternLinetype(onLayer.linetypeId);
      break;
    case LinetypeKind::kByBlock:
      look.linetypeId = inherited.linetypeId;
      break;
    case LinetypeKind::kPattern:
      look.linetypeId = entity.linetypeId();
      break;
  }
  if (!look.linetypeId.isNull()) {
    const double scale =
        usableScale(entity.linetypeScale()) * usableScale(db_.ltscale()) * usableScale(inherited.linetypeScale);
    look.dashes = SvgDashArray(linetype(look.linetypeId).pattern, scale);
  }
  return look;
}

SvgInherited SvgStyleResolver::inheritedFrom(const SvgLook& referenceLook, const SvgInherited& outer,
                                             double placementScale) {
  SvgInherited inner;
  inner.inBlock = true;
  inner.layerId = referenceLook.layerId;
  inner.colorIndex = referenceLook.colorIndex;
  inner.linetypeId = referenceLook.linetypeId;
  inner.linetypeScale = usableScale(outer.linetypeScale) * usableScale(placementScale);
  return inner;
}

std::vector<double> SvgDashArray(const std::vector<double>& pattern, double scale) {
  if (!std::isfinite(scale) || scale <= 0.0) return {};
  double shortest = 0.0;
  for (const double element : pattern) {
    if (!std::isfinite(element)) return {};
    const double length = std::fabs(element) * scale;
    if (length > 0.0 && (shortest == 0.0 || length < shortest)) shortest = length;
  }
  if (shortest == 0.0) return {};
  std::vector<double> dashes;
  double drawn = 0.0, skipped = 0.0;
  for (const double element : pattern) {
    const bool isDash = element >= 0.0;
    const double length = element == 0.0 ? shortest * kDotShare : std::fabs(element) * scale;
    (isDash ? drawn : skipped) += length;
    const bool wantDash = dashes.size() % 2 == 0;
    if (isDash == wantDash) {
      dashes.push_back(length);
    } else if (dashes.empty()) {
      dashes.push_back(0.0);  // a pattern that opens with a gap
      dashes.push_back(length);
    } else {
      dashes.back() += length;  // two dashes or two gaps in a row
    }
  }
  if (drawn <= 0.0 || skipped <= 0.0) return {};
  if (dashes.size() % 2 != 0) dashes.push_back(0.0);
  return dashes;
}
