// AcDbHatch: a pattern of lines (or a solid fill) over an area bounded by loops in
// the plane of its normal at its elevation. Loop geometry is 2D in the entity's
// coordinate system; a loop may remember the entities it was made from.
//
// Ownership: appendLoop copies the edges it is given (the caller keeps its own);
// getLoopAt hands out pointers to the hatch's copies, valid while the hatch stays
// open and its loops unchanged; the caller must not delete them.
//
// The pattern lines follow the loops and the pattern: evaluateHatch computes them,
// and the line queries and explode compute them on demand when anything changed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/cad/curve/hatch_boundary.h"
#include "platform/cad/curve/hatch_lines.h"
#include "platform/cad/curve/hatch_pattern.h"
#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/ge/curves/ge_curve2d.h"

class AcDbCurve;

class AcDbHatch : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbHatch);

  enum HatchObjectType { kHatchObject = 0, kGradientObject = 1 };
  enum HatchLoopType {
    kDefault = 0,
    kExternal = 1,
    kPolyline = 2,
    kDerived = 4,
    kTextbox = 8,
    kOutermost = 0x10,
    kNotClosed = 0x20,
    kSelfIntersecting = 0x40,
    kTextIsland = 0x80,
    kDuplicate = 0x100
  };
  enum HatchEdgeType { kLine = 1, kCirArc = 2, kEllArc = 3, kSpline = 4 };
  enum HatchPatternType { kUserDefined = 0, kPreDefined = 1, kCustomDefined = 2 };
  enum HatchStyle { kNormal = 0, kOuter = 1, kIgnore = 2 };

  AcDbHatch();
  ~AcDbHatch() override;

  HatchObjectType hatchObjectType() const;
  Acad::ErrorStatus setHatchObjectType(HatchObjectType type);
  Adesk::Boolean associative() const;
  Acad::ErrorStatus setAssociative(Adesk::Boolean isAssociative);
  AcGeVector3d normal() const;
  // eInvalidInput for a zero vector.
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  double elevation() const;
  Acad::ErrorStatus setElevation(double elevation);
  HatchStyle hatchStyle() const;
  Acad::ErrorStatus setHatchStyle(HatchStyle style);
  Adesk::Boolean isSolidFill() const;

  // Pattern. A predefined name must be one we know (LINE, SOLID, ANSI31, NET):
  // eInvalidInput otherwise, the pattern as it was.
  HatchPatternType patternType() const;
  const char* patternName() const;
  Acad::ErrorStatus setPattern(HatchPatternType patType, const char* patName);
  double patternAngle() const;  // radians
  Acad::ErrorStatus setPatternAngle(double angle);
  // Spacing of user-defined lines; eInvalidInput unless above 0.
  double patternSpace() const;
  Acad::ErrorStatus setPatternSpace(double space);
  // Scale of predefined patterns; eInvalidInput unless above 0.
  double patternScale() const;
  Acad::ErrorStatus setPatternScale(double scale);
  Adesk::Boolean patternDouble() const;
  Acad::ErrorStatus setPatternDouble(Adesk::Boolean isDouble);
  // The point every pattern family passes through, (0,0) unless set.
  AcGePoint2d originPoint() const;
  Acad::ErrorStatus setOriginPoint(const AcGePoint2d& point);
  // The pattern's definition lines as placed (angle, scale and origin applied).
  int numPatternDefinitions() const;
  Acad::ErrorStatus getPatternDefinitionAt(int index, double& angle, double& baseX, double& baseY, double& offsetX,
                                           double& offsetY, AcGeDoubleArray& dashes) const;

  // Loops. Those from entities: curves that meet end to end, in any order and
  // direction; an entity that is no curve (a region) counts with the curves its
  // explode() gives. A single closed lightweight polyline makes a polyline loop.
  // Curves that do not close give eInvalidInput and append nothing.
  int numLoops() const;
  Adesk::Int32 loopTypeAt(int loopIndex) const;
  Acad::ErrorStatus getLoopAt(int loopIndex, Adesk::Int32& loopType, AcGeVoidPointerArray& edgePtrs,
                              AcGeIntArray& edgeTypes) const;
  // Polyline loops only (eNotApplicable for edge loops).
  Acad::ErrorStatus getLoopAt(int loopIndex, Adesk::Int32& loopType, AcGePoint2dArray& vertices,
                              AcGeDoubleArray& bulges) const;
  Acad::ErrorStatus appendLoop(Adesk::Int32 loopType, const AcDbObjectIdArray& dbObjIds);
  Acad::ErrorStatus appendLoop(Adesk::Int32 loopType, const AcGeVoidPointerArray& edgePtrs,
                               const AcGeIntArray& edgeTypes);
  Acad::ErrorStatus appendLoop(Adesk::Int32 loopType, const AcGePoint2dArray& vertices, const AcGeDoubleArray& bulges);
  Acad::ErrorStatus removeLoopAt(int loopIndex);
  // The entities a loop was made from (empty for a hatch that is not associative).
  Acad::ErrorStatus getAssocObjIdsAt(int loopIndex, AcDbObjectIdArray& dbObjIds) const;
  Acad::ErrorStatus getAssocObjIds(AcDbObjectIdArray& dbObjIds) const;

  int numSeedPoints() const;
  AcGePoint2d getSeedPointAt(int index) const;
  Acad::ErrorStatus appendSeedPoint(const AcGePoint2d& point);

  // Pattern lines, 2D in the entity's coordinate system, in pattern order. eInvalidInput
  // when the pattern would need an unreasonable number of lines (none are kept then).
  Acad::ErrorStatus evaluateHatch(bool underEstimateNumLines = false);
  int numHatchLines() const;
  Acad::ErrorStatus getHatchLineDataAt(int lineIndex, AcGePoint2d& startPoint, AcGePoint2d& endPoint) const;
  Acad::ErrorStatus getHatchLinesData(AcGePoint2dArray& startPoints, AcGePoint2dArray& endPoints) const;

  // Area under the even-odd rule, for loops that do not cross each other.
  Acad::ErrorStatus getArea(double& area) const;

  // One AcDbLine per pattern line, with the hatch's properties (eNotApplicable for a solid fill).
  Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;
  // Similarity transforms only (eCannotScaleNonUniformly otherwise); the pattern follows.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  Adesk::Boolean isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  struct Loop {
    Adesk::Int32 type = kDefault;
    bool isPolyline = false;
    hatch::Loop edges;
    std::vector<AcDbObjectId> sources;
  };

  bool validLoopIndex(int index) const { return index >= 0 && index < static_cast<int>(loops_.size()); }
  // Edges of an entity, 2D in this hatch's plane.
  Acad::ErrorStatus edgesOfEntity(AcDbObjectId id, std::vector<hatch::Edge>& edges, bool& wholePolyline) const;
  Acad::ErrorStatus edgesOfCurve(const AcDbCurve* curve, std::vector<hatch::Edge>& edges) const;
  Acad::ErrorStatus edgesOfEntityObject(const AcDbEntity* entity, std::vector<hatch::Edge>& edges, int depth) const;
  AcGePoint2d toPlane(const AcGePoint3d& world) const;
  AcGePoint3d toWorld(const AcGePoint2d& point) const;
  double closeTolerance(const std::vector<hatch::Edge>& edges) const;
  void addLoops(Adesk::Int32 type, bool isPolyline, std::vector<hatch::Loop> chains,
                const std::vector<AcDbObjectId>& sources);
  std::vector<hatch::Loop> loopGeometry() const;
  std::vector<hatch::PatternLine> patternLines() const;
  Acad::ErrorStatus computeLines() const;
  void patternChanged();
  Acad::ErrorStatus readDxfLoop(AcDbDxfFiler* filer, Loop& loop);

  HatchObjectType objectType_ = kHatchObject;
  bool associative_ = false;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double elevation_ = 0.0;
  HatchStyle style_ = kNormal;
  HatchPatternType patternType_ = kPreDefined;
  std::string patternName_ = "SOLID";
  double patternAngle_ = 0.0;
  double patternSpace_ = 1.0;
  double patternScale_ = 1.0;
  bool patternDouble_ = false;
  AcGePoint2d origin_;
  // Definition lines of a pattern we have no definition for (read from a file).
  std::vector<hatch::PatternLine> keptPattern_;
  std::vector<Loop> loops_;
  std::vector<AcGePoint2d> seeds_;

  // Derived data, rebuilt on demand.
  mutable bool linesCurrent_ = false;
  mutable Acad::ErrorStatus linesStatus_ = Acad::eOk;
  mutable std::vector<hatch::Segment> lines_;
  mutable std::vector<std::vector<std::unique_ptr<AcGeCurve2d>>> loopCurves_;
};
