#include "plugin/solid/ost_custom_world_draw.h"

#include <utility>

#include "platform/cad/editor/input/aced_input.h"

namespace {

void Trace(const char* className, const char* method) { acutPrintf("\n%s::%s", className, method); }

void TraceGeometry(const char* method) { Trace("CustomWorldGeometry", method); }
void TraceTraits(const char* method) { Trace("CustomSubEntityTraits", method); }
void TraceDraw(const char* method) { Trace("CustomWorldDraw", method); }

}  // namespace

Adesk::Boolean OstCustomWorldGeometry::shell(const Adesk::UInt32 nbVertex, const AcGePoint3d* pVertexList,
                                             const Adesk::UInt32 faceListSize, const Adesk::Int32* pFaceList,
                                             const AcGiEdgeData*, const AcGiFaceData* pFaceData, const AcGiVertexData*,
                                             const resbuf*, const bool) const {
  TraceGeometry("shell");
  const short* colors = pFaceData != nullptr ? pFaceData->colors() : nullptr;
  // A shell that does not hold together is left out; the faces before it stay.
  shell_.Append(nbVertex, pVertexList, faceListSize, pFaceList, colors, colorIndex_);
  return false;
}

Adesk::Boolean OstCustomWorldGeometry::circle(const AcGePoint3d&, const double, const AcGeVector3d&) const {
  TraceGeometry("circle");
  return false;
}

Adesk::Boolean OstCustomWorldGeometry::circle(const AcGePoint3d&, const AcGePoint3d&, const AcGePoint3d&) const {
  TraceGeometry("circle");
  return false;
}

Adesk::Boolean OstCustomWorldGeometry::circularArc(const AcGePoint3d&, const double, const AcGeVector3d&,
                                                   const AcGeVector3d&, const double, const AcGiArcType) const {
  TraceGeometry("circularArc");
  return false;
}

Adesk::Boolean OstCustomWorldGeometry::circularArc(const AcGePoint3d&, const AcGePoint3d&, const AcGePoint3d&,
                                                   const AcGiArcType) const {
  TraceGeometry("circularArc");
  return false;
}

Adesk::Boolean OstCustomWorldGeometry::polyline(const Adesk::UInt32, const AcGePoint3d*, const AcGeVector3d*,
                                                Adesk::LongPtr) const {
  TraceGeometry("polyline");
  return false;
}

Adesk::Boolean OstCustomWorldGeometry::polygon(const Adesk::UInt32, const AcGePoint3d*) const {
  TraceGeometry("polygon");
  return false;
}

Adesk::Boolean OstCustomWorldGeometry::mesh(const Adesk::UInt32, const Adesk::UInt32, const AcGePoint3d*,
                                            const AcGiEdgeData*, const AcGiFaceData*, const AcGiVertexData*,
                                            const bool) const {
  TraceGeometry("mesh");
  return false;
}

Adesk::Boolean OstCustomWorldGeometry::text(const AcGePoint3d&, const AcGeVector3d&, const AcGeVector3d&, const double,
                                            const double, const double, const char*) const {
  TraceGeometry("text");
  return false;
}

Adesk::Boolean OstCustomWorldGeometry::xline(const AcGePoint3d&, const AcGePoint3d&) const {
  TraceGeometry("xline");
  return false;
}

Adesk::Boolean OstCustomWorldGeometry::ray(const AcGePoint3d&, const AcGePoint3d&) const {
  TraceGeometry("ray");
  return false;
}

Adesk::Boolean OstCustomWorldGeometry::draw(AcGiDrawable*) const {
  TraceGeometry("draw");
  return false;
}

Adesk::Boolean OstCustomWorldGeometry::pushModelTransform(const AcGeVector3d&) {
  TraceGeometry("pushModelTransform");
  return false;
}

Adesk::Boolean OstCustomWorldGeometry::pushModelTransform(const AcGeMatrix3d&) {
  TraceGeometry("pushModelTransform");
  return false;
}

Adesk::Boolean OstCustomWorldGeometry::popModelTransform() {
  TraceGeometry("popModelTransform");
  return false;
}

Adesk::Boolean OstCustomWorldGeometry::pushClipBoundary(AcGiClipBoundary*) {
  TraceGeometry("pushClipBoundary");
  return false;
}

void OstCustomWorldGeometry::popClipBoundary() { TraceGeometry("popClipBoundary"); }

void OstCustomWorldGeometry::setExtents(AcGePoint3d*) const { TraceGeometry("setExtents"); }

void OstCustomSubEntityTraits::setColor(const Adesk::UInt16) { TraceTraits("setColor"); }
void OstCustomSubEntityTraits::setLayer(const AcDbObjectId) { TraceTraits("setLayer"); }
void OstCustomSubEntityTraits::setLineType(const AcDbObjectId) { TraceTraits("setLineType"); }
void OstCustomSubEntityTraits::setSelectionMarker(const Adesk::GsMarker) { TraceTraits("setSelectionMarker"); }
void OstCustomSubEntityTraits::setFillType(const AcGiFillType) { TraceTraits("setFillType"); }
void OstCustomSubEntityTraits::setLineWeight(const AcDb::LineWeight) { TraceTraits("setLineWeight"); }
void OstCustomSubEntityTraits::setLineTypeScale(double) { TraceTraits("setLineTypeScale"); }
void OstCustomSubEntityTraits::setThickness(double) { TraceTraits("setThickness"); }

Adesk::UInt16 OstCustomSubEntityTraits::color() const {
  TraceTraits("color");
  return 0;
}

AcDbObjectId OstCustomSubEntityTraits::layerId() const {
  TraceTraits("layerId");
  return AcDbObjectId::kNull;
}

AcDbObjectId OstCustomSubEntityTraits::lineTypeId() const {
  TraceTraits("lineTypeId");
  return AcDbObjectId::kNull;
}

AcGiFillType OstCustomSubEntityTraits::fillType() const {
  TraceTraits("fillType");
  return kAcGiFillNever;
}

AcDb::LineWeight OstCustomSubEntityTraits::lineWeight() const {
  TraceTraits("lineWeight");
  return AcDb::kLnWtByLayer;
}

double OstCustomSubEntityTraits::lineTypeScale() const {
  TraceTraits("lineTypeScale");
  return 1.0;
}

double OstCustomSubEntityTraits::thickness() const {
  TraceTraits("thickness");
  return 0.0;
}

OstCustomWorldDraw::OstCustomWorldDraw(double deviation, short colorIndex)
    : deviation_(deviation), colorIndex_(colorIndex), geometry_(shell_, colorIndex_) {}

AcGiRegenType OstCustomWorldDraw::regenType() const {
  TraceDraw("regenType");
  return kAcGiHideOrShadeCommand;
}

Adesk::Boolean OstCustomWorldDraw::regenAbort() const {
  TraceDraw("regenAbort");
  return false;
}

AcGiSubEntityTraits& OstCustomWorldDraw::subEntityTraits() const {
  TraceDraw("subEntityTraits");
  return traits_;
}

AcGiGeometry* OstCustomWorldDraw::rawGeometry() const {
  TraceDraw("rawGeometry");
  return &geometry_;
}

AcGiWorldGeometry& OstCustomWorldDraw::geometry() const {
  TraceDraw("geometry");
  return geometry_;
}

Adesk::Boolean OstCustomWorldDraw::isDragging() const {
  TraceDraw("isDragging");
  return false;
}

AcGiContext* OstCustomWorldDraw::context() {
  TraceDraw("context");
  return &context_;
}

Adesk::UInt32 OstCustomWorldDraw::numberOfIsolines() const {
  TraceDraw("numberOfIsolines");
  return 1;
}

double OstCustomWorldDraw::deviation(const AcGiDeviationType, const AcGePoint3d&) const {
  TraceDraw("deviation");
  return deviation_;
}

void OstCustomWorldDraw::setColor(short colorIndex) {
  colorIndex_ = colorIndex;
  shell_.SetColor(colorIndex);
}

FacetShell OstCustomWorldDraw::takeShell() { return std::exchange(shell_, FacetShell{}); }
