// AcDbEntity: an object with graphics, living in a block table record, with the
// common properties layer, colour, linetype, linetype scale and visibility.
#pragma once

#include "platform/cad/db/db_color.h"
#include "platform/cad/db/db_extents.h"
#include "platform/cad/db/db_object.h"
#include "platform/cad/db/db_subent.h"
#include "platform/cad/db/graphics/gi_types.h"
#include "platform/cad/ge/ge_arrays.h"
#include "platform/cad/ge/ge_matrix3d.h"

class AcGePlane;
class AcGiWorldDraw;

class AcDbEntity : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbEntity);

  ~AcDbEntity() override;

  // The block table record that holds the entity (its owner).
  AcDbObjectId blockId() const { return ownerId(); }

  // Layer. The name is looked up in the entity's drawing, or in the working drawing
  // while the entity is in none: eKeyNotFound when there is no such layer.
  // layer() returns a copy that the caller frees with free().
  char* layer() const;
  AcDbObjectId layerId() const { return layerId_; }
  Acad::ErrorStatus setLayer(const char* newVal, Adesk::Boolean doSubents = true);
  Acad::ErrorStatus setLayer(AcDbObjectId newVal, Adesk::Boolean doSubents = true);

  // Colour by index: 0 by block, 256 by layer; eOutOfRange above 256.
  AcCmColor color() const { return color_; }
  Acad::ErrorStatus setColor(const AcCmColor& color, Adesk::Boolean doSubents = true);
  Adesk::UInt16 colorIndex() const { return color_.colorIndex(); }
  Acad::ErrorStatus setColorIndex(Adesk::UInt16 color, Adesk::Boolean doSubents = true);

  // Linetype, looked up like the layer: eKeyNotFound for a linetype the drawing lacks.
  // linetype() returns a copy that the caller frees with free().
  char* linetype() const;
  AcDbObjectId linetypeId() const { return linetypeId_; }
  Acad::ErrorStatus setLinetype(const char* newVal, Adesk::Boolean doSubents = true);
  Acad::ErrorStatus setLinetype(AcDbObjectId newVal, Adesk::Boolean doSubents = true);
  double linetypeScale() const { return linetypeScale_; }
  Acad::ErrorStatus setLinetypeScale(double newVal, Adesk::Boolean doSubents = true);

  AcDb::Visibility visibility() const { return visibility_; }
  Acad::ErrorStatus setVisibility(AcDb::Visibility newVal, Adesk::Boolean doSubents = true);

  // Layer, colour, linetype, linetype scale and visibility of the other entity.
  Acad::ErrorStatus setPropertiesFrom(const AcDbEntity* pEntity, Adesk::Boolean doSubents = true);
  // The drawing's current layer and linetype ("ByLayer" when none is current), colour by layer.
  void setDatabaseDefaults();
  void setDatabaseDefaults(AcDbDatabase* pDb);

  // Highlighting changes no data; the state is kept so that a view (or a test) can show it.
  virtual Acad::ErrorStatus highlight(const AcDbFullSubentPath& subId = kNullSubent,
                                      const Adesk::Boolean highlightAll = false) const;
  virtual Acad::ErrorStatus unhighlight(const AcDbFullSubentPath& subId = kNullSubent,
                                        const Adesk::Boolean highlightAll = false) const;
  bool isHighlighted() const { return highlighted_; }

  // Geometry, overridden by each entity class.
  virtual Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform);  // eNotApplicable
  virtual Acad::ErrorStatus getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& ent) const;
  virtual Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const;  // eInvalidExtents
  // Fills entitySet with new AcDbEntity objects (caller owns them); eNotApplicable by default.
  virtual Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const;
  virtual Acad::ErrorStatus intersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, AcGePoint3dArray& points,
                                          Adesk::IntPtr thisGsMarker = 0, Adesk::IntPtr otherGsMarker = 0) const;
  virtual Acad::ErrorStatus intersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, const AcGePlane& projPlane,
                                          AcGePoint3dArray& points, Adesk::IntPtr thisGsMarker = 0,
                                          Adesk::IntPtr otherGsMarker = 0) const;
  virtual Adesk::Boolean isPlanar() const { return false; }
  virtual Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const;  // eNotApplicable
  // Drawing through the graphics interface; nothing by default.
  virtual Adesk::Boolean worldDraw(AcGiWorldDraw* mode);

  // Sub-entities (faces and edges of modeler entities) by graphics marker; entities
  // without any answer eNotApplicable, and subentPtr null. The paths array is
  // new[]-allocated; the caller frees it with delete[].
  virtual Acad::ErrorStatus getSubentPathsAtGsMarker(AcDb::SubentType type, Adesk::GsMarker gsMark,
                                                     const AcGePoint3d& pickPoint, const AcGeMatrix3d& viewXform,
                                                     int& numPaths, AcDbFullSubentPath*& subentPaths,
                                                     int numInserts = 0,
                                                     AcDbObjectId* entAndInsertStack = nullptr) const;
  virtual Acad::ErrorStatus getGsMarkersAtSubentPath(const AcDbFullSubentPath& subPath,
                                                     AcArray<Adesk::GsMarker>& gsMarkers) const;
  virtual AcDbEntity* subentPtr(const AcDbFullSubentPath& id) const;
  // The graphics marker a pick at point, looking along viewDirection, would report
  // (0 for entities without sub-entities). Not a host call: the editor's picks use it.
  virtual Adesk::GsMarker gsMarkerAtPick(const AcGePoint3d& point, const AcGeVector3d& viewDirection,
                                         double aperture) const;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  AcDbEntity();

 private:
  friend class AcDbBlockTableRecord;
  // Gives a layer and linetype to an entity that has none when it joins a drawing.
  void applyMissingDefaults(AcDbDatabase* db);

  AcDbObjectId layerId_;
  AcDbObjectId linetypeId_;
  AcCmColor color_;
  double linetypeScale_ = 1.0;
  AcDb::Visibility visibility_ = AcDb::kVisible;
  mutable bool highlighted_ = false;
};

// Opens an entity: eNotAnEntity (and nothing left open) when the object is no entity.
Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& pEnt, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErasedEntity = false);
