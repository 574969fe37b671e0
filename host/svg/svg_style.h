// How an entity looks in the plan view: shown or hidden, colour index and dash
// pattern, with by-layer and by-block properties resolved.
#pragma once

#include <unordered_map>
#include <vector>

#include "platform/cad/db/db_object_id.h"

class AcDbDatabase;
class AcDbEntity;

// What the entities of a block take from the reference that shows them.
struct SvgInherited {
  bool inBlock = false;
  AcDbObjectId layerId;        // for entities on layer "0"
  int colorIndex = 7;          // for colour by block
  AcDbObjectId linetypeId;     // for linetype by block; null: continuous
  double linetypeScale = 1.0;  // the placement's scale
};

struct SvgLook {
  bool invisible = false;
  bool layerOff = false;
  bool layerFrozen = false;
  AcDbObjectId layerId;  // the layer it is drawn on
  int colorIndex = 7;
  AcDbObjectId linetypeId;     // null: continuous
  std::vector<double> dashes;  // SVG dash array, empty for a solid line

  bool shown() const { return !invisible && !layerOff && !layerFrozen; }
};

class SvgStyleResolver {
 public:
  explicit SvgStyleResolver(AcDbDatabase& db);

  SvgLook lookOf(const AcDbEntity& entity, const SvgInherited& inherited);
  // What the entities placed by a block reference of this look take.
  static SvgInherited inheritedFrom(const SvgLook& referenceLook, const SvgInherited& outer, double placementScale);

 private:
  struct LayerInfo {
    bool isLayerZero = false;
    bool off = false;
    bool frozen = false;
    int colorIndex = 7;
    AcDbObjectId linetypeId;
  };
  enum class LinetypeKind { kPattern, kByLayer, kByBlock };
  struct LinetypeInfo {
    LinetypeKind kind = LinetypeKind::kPattern;
    std::vector<double> pattern;
  };
  const LayerInfo& layer(AcDbObjectId id);
  const LinetypeInfo& linetype(AcDbObjectId id);
  // A linetype record that draws (by-layer and by-block ones give null: continuous).
  AcDbObjectId patternLinetype(AcDbObjectId id);

  AcDbDatabase& db_;
  std::unordered_map<AcDbObjectId, LayerInfo> layers_;
  std::unordered_map<AcDbObjectId, LinetypeInfo> linetypes_;
};

// The SVG dash array of a linetype pattern (dashes positive, gaps negative, dots 0)
// at a scale: starting with a dash, an even count, dots as short dashes. Empty for
// a solid line.
std::vector<double> SvgDashArray(const std::vector<double>& pattern, double scale);
