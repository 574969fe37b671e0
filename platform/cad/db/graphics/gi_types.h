// Graphics-interface values an entity's worldDraw and a draw recorder share:
// why the entity is drawn, which deviation is asked for, and the optional
// per-face, per-edge and per-vertex data of shells and meshes.
#pragma once

#include "platform/cad/db/adesk.h"
#include "platform/cad/ge/ge_vector3d.h"

namespace Adesk {
// Graphics marker: what a drawn primitive is tagged with, so that a pick can name a sub-entity.
using GsMarker = IntPtr;
using LongPtr = IntPtr;
}  // namespace Adesk

enum AcGiRegenType {
  eAcGiRegenTypeInvalid = 0,
  kAcGiStandardDisplay = 2,
  kAcGiHideOrShadeCommand = 3,  // faces wanted: shells rather than wires
  kAcGiRenderCommand = 4,
  kAcGiShadedDisplay = kAcGiRenderCommand,
  kAcGiForExplode = 5,
  kAcGiSaveWorldDrawForProxy = 6
};

enum AcGiDeviationType {
  kAcGiMaxDevForCircle = 0,
  kAcGiMaxDevForCurve,
  kAcGiMaxDevForBoundary,
  kAcGiMaxDevForIsoline,
  kAcGiMaxDevForFacet
};

enum AcGiFillType { kAcGiFillAlways = 1, kAcGiFillNever = 2 };

enum AcGiArcType { kAcGiArcSimple = 0, kAcGiArcSector, kAcGiArcChord };

// Per-face data of a shell or mesh: arrays the caller keeps alive while drawing.
class AcGiFaceData {
 public:
  void setColors(const short* colors) { colors_ = colors; }
  void setNormals(const AcGeVector3d* normals) { normals_ = normals; }
  void setSelectionMarkers(const Adesk::GsMarker* markers) { markers_ = markers; }
  const short* colors() const { return colors_; }
  const AcGeVector3d* normals() const { return normals_; }
  const Adesk::GsMarker* selectionMarkers() const { return markers_; }

 private:
  const short* colors_ = nullptr;
  const AcGeVector3d* normals_ = nullptr;
  const Adesk::GsMarker* markers_ = nullptr;
};

class AcGiEdgeData {
 public:
  void setColors(const short* colors) { colors_ = colors; }
  void setSelectionMarkers(const Adesk::GsMarker* markers) { markers_ = markers; }
  const short* colors() const { return colors_; }
  const Adesk::GsMarker* selectionMarkers() const { return markers_; }

 private:
  const short* colors_ = nullptr;
  const Adesk::GsMarker* markers_ = nullptr;
};

class AcGiVertexData {
 public:
  void setNormals(const AcGeVector3d* normals) { normals_ = normals; }
  const AcGeVector3d* normals() const { return normals_; }

 private:
  const AcGeVector3d* normals_ = nullptr;
};
