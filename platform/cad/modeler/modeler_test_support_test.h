// Helpers of the modeler tests: owning the entities that calls hand out, making
// profiles, and a world draw that records what an entity draws.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/cad/db/db.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_entity_test_support_test.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/graphics/gi_world_draw.h"
#include "platform/cad/ge/ge_plane.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/cad/modeler/db_region.h"

namespace modeler_test {

// Entities handed out in a void pointer array, owned until the end of the scope.
class OwnedEntities {
 public:
  OwnedEntities() = default;
  OwnedEntities(const OwnedEntities&) = delete;
  OwnedEntities& operator=(const OwnedEntities&) = delete;
  ~OwnedEntities() {
    for (int i = 0; i < array.length(); ++i) delete static_cast<AcRxObject*>(array[i]);
  }
  int size() const { return array.length(); }
  template <class T = AcDbEntity>
  T* at(int i) const {
    return T::cast(static_cast<AcRxObject*>(array[i]));
  }
  template <class T>
  int count() const {
    int n = 0;
    for (int i = 0; i < array.length(); ++i) n += at<T>(i) != nullptr ? 1 : 0;
    return n;
  }

  AcDbVoidPtrArray array;
};

inline std::unique_ptr<AcDbPolyline> rectangle(double x0, double y0, double x1, double y1, double elevation = 0.0) {
  auto polyline = std::make_unique<AcDbPolyline>();
  polyline->addVertexAt(0, AcGePoint2d(x0, y0));
  polyline->addVertexAt(1, AcGePoint2d(x1, y0));
  polyline->addVertexAt(2, AcGePoint2d(x1, y1));
  polyline->addVertexAt(3, AcGePoint2d(x0, y1));
  polyline->setClosed(true);
  polyline->setElevation(elevation);
  return polyline;
}

// The one region the curve makes (failing the test otherwise).
inline std::unique_ptr<AcDbRegion> regionOf(const AcDbCurve& curve) {
  AcDbVoidPtrArray curves;
  curves.append(const_cast<AcDbCurve*>(&curve));
  AcDbVoidPtrArray regions;
  EXPECT_EQ(AcDbRegion::createFromCurves(curves, regions), Acad::eOk);
  EXPECT_EQ(regions.length(), 1);
  for (int i = 1; i < regions.length(); ++i) delete static_cast<AcDbRegion*>(regions[i]);
  return std::unique_ptr<AcDbRegion>(regions.isEmpty() ? nullptr : static_cast<AcDbRegion*>(regions[0]));
}

inline std::unique_ptr<AcDb3dSolid> box(double x, double y, double z) {
  auto solid = std::make_unique<AcDb3dSolid>();
  EXPECT_EQ(solid->createBox(x, y, z), Acad::eOk);
  return solid;
}

inline AcGeMatrix3d moved(double x, double y, double z) { return AcGeMatrix3d::translation(AcGeVector3d(x, y, z)); }

// The section of the solid at height z, exploded into curves.
inline void sectionCurves(const AcDb3dSolid& solid, double z, OwnedEntities& curves) {
  AcDbRegion* section = nullptr;
  ASSERT_EQ(solid.getSection(AcGePlane(AcGePoint3d(0, 0, z), AcGeVector3d::kZAxis), section), Acad::eOk);
  std::unique_ptr<AcDbRegion> owned(section);
  ASSERT_EQ(section->explode(curves.array), Acad::eOk);
}

// A world draw that keeps every shell and wire with the marker set before it.
class RecordingDraw : public AcGiWorldDraw, AcGiWorldGeometry, AcGiSubEntityTraits, AcGiContext {
 public:
  struct Shell {
    Adesk::GsMarker marker;
    std::vector<AcGePoint3d> points;
    std::vector<Adesk::Int32> faces;
  };
  struct Wire {
    Adesk::GsMarker marker;
    int kind;  // 0 polyline, 1 circle, 2 arc
  };

  explicit RecordingDraw(AcGiRegenType regen, double deviation = 0.0) : regen_(regen), deviation_(deviation) {}

  std::vector<Shell> shells;
  std::vector<Wire> wires;

  AcGiRegenType regenType() const override { return regen_; }
  Adesk::Boolean regenAbort() const override { return false; }
  AcGiSubEntityTraits& subEntityTraits() const override { return const_cast<RecordingDraw&>(*this); }
  AcGiGeometry* rawGeometry() const override { return const_cast<RecordingDraw*>(this); }
  AcGiWorldGeometry& geometry() const override { return const_cast<RecordingDraw&>(*this); }
  Adesk::Boolean isDragging() const override { return false; }
  AcGiContext* context() override { return this; }
  Adesk::UInt32 numberOfIsolines() const override { return 1; }
  double deviation(const AcGiDeviationType, const AcGePoint3d&) const override { return deviation_; }

  Adesk::Boolean circle(const AcGePoint3d&, const double, const AcGeVector3d&) const override { return add(1); }
  Adesk::Boolean circularArc(const AcGePoint3d&, const double, const AcGeVector3d&, const AcGeVector3d&, const double,
                             const AcGiArcType) const override {
    return add(2);
  }
  Adesk::Boolean polyline(const Adesk::UInt32, const AcGePoint3d*, const AcGeVector3d*, Adesk::LongPtr) const override {
    return add(0);
  }
  Adesk::Boolean polygon(const Adesk::UInt32, const AcGePoint3d*) const override { return false; }
  Adesk::Boolean mesh(const Adesk::UInt32, const Adesk::UInt32, const AcGePoint3d*, const AcGiEdgeData*,
                      const AcGiFaceData*, const AcGiVertexData*, const bool) const override {
    return false;
  }
  Adesk::Boolean shell(const Adesk::UInt32 nbVertex, const AcGePoint3d* pVertexList, const Adesk::UInt32 faceListSize,
                       const Adesk::Int32* pFaceList, const AcGiEdgeData*, const AcGiFaceData*, const AcGiVertexData*,
                       const resbuf*, const bool) const override {
    auto& self = const_cast<RecordingDraw&>(*this);
    self.shells.push_back(Shell{marker_, std::vector<AcGePoint3d>(pVertexList, pVertexList + nbVertex),
                                std::vector<Adesk::Int32>(pFaceList, pFaceList + faceListSize)});
    return false;
  }

  void setColor(const Adesk::UInt16) override {}
  void setLayer(const AcDbObjectId) override {}
  void setLineType(const AcDbObjectId) override {}
  void setSelectionMarker(const Adesk::GsMarker marker) override { marker_ = marker; }
  void setFillType(const AcGiFillType) override {}
  void setLineWeight(const AcDb::LineWeight) override {}
  Adesk::UInt16 color() const override { return 256; }
  AcDbObjectId layerId() const override { return AcDbObjectId(); }
  AcDbObjectId lineTypeId() const override { return AcDbObjectId(); }
  AcGiFillType fillType() const override { return kAcGiFillNever; }
  AcDb::LineWeight lineWeight() const override { return AcDb::kLnWtByLayer; }

 private:
  Adesk::Boolean add(int kind) const {
    const_cast<RecordingDraw&>(*this).wires.push_back(Wire{marker_, kind});
    return false;
  }

  AcGiRegenType regen_;
  double deviation_;
  Adesk::GsMarker marker_ = 0;
};

}  // namespace modeler_test
