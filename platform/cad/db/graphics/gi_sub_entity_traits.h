// The attributes of what a worldDraw draws next (colour, layer, selection marker
// ...) and the context of the drawing. A draw recorder implements the traits; the
// setters' effect is the recorder's business.
#pragma once

#include "platform/cad/db/db_enums.h"
#include "platform/cad/db/db_object_id.h"
#include "platform/cad/db/graphics/gi_types.h"

class AcDbDatabase;

class AcGiSubEntityTraits {
 public:
  virtual ~AcGiSubEntityTraits() = default;

  virtual void setColor(const Adesk::UInt16 color) = 0;
  virtual void setLayer(const AcDbObjectId layerId) = 0;
  virtual void setLineType(const AcDbObjectId linetypeId) = 0;
  // Tags the primitives drawn after it, until the next call.
  virtual void setSelectionMarker(const Adesk::GsMarker marker) = 0;
  virtual void setFillType(const AcGiFillType fillType) = 0;
  virtual void setLineWeight(const AcDb::LineWeight lineWeight) = 0;
  virtual void setLineTypeScale(double scale = 1.0) { (void)scale; }
  virtual void setThickness(double thickness) { (void)thickness; }

  virtual Adesk::UInt16 color() const = 0;
  virtual AcDbObjectId layerId() const = 0;
  virtual AcDbObjectId lineTypeId() const = 0;
  virtual AcGiFillType fillType() const = 0;
  virtual AcDb::LineWeight lineWeight() const = 0;
  virtual double lineTypeScale() const { return 1.0; }
  virtual double thickness() const { return 0.0; }
};

// Where the drawing goes. Nothing here needs overriding.
class AcGiContext {
 public:
  virtual ~AcGiContext() = default;
  virtual Adesk::Boolean isPsOut() const { return false; }
  virtual Adesk::Boolean isPlotGeneration() const { return false; }
  virtual AcDbDatabase* database() const { return nullptr; }
  virtual bool isBoundaryClipping() const { return false; }
};
