// AcDbBlockReference: an insert of a block table record, placed by position, scale
// factors, rotation (in the coordinate system of the normal) and normal. Attributes
// appended to it are owned by it and walked with attributeIterator. Their handles, and
// the one of the SEQEND closing them in a DXF file, are held in the drawing
// (SubEntityHandle).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/cad/db/db_sub_entity_handle.h"
#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/ge/ge_scale.h"

class AcDbAttribute;
class AcDbObjectIterator;

class AcDbBlockReference : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockReference);

  AcDbBlockReference();
  AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord);
  ~AcDbBlockReference() override;

  AcDbObjectId blockTableRecord() const;
  Acad::ErrorStatus setBlockTableRecord(AcDbObjectId blockTableRecord);
  AcGePoint3d position() const;
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);
  AcGeScale3d scaleFactors() const;
  // eInvalidInput when a factor is 0.
  Acad::ErrorStatus setScaleFactors(const AcGeScale3d& scale);
  double rotation() const;
  Acad::ErrorStatus setRotation(double rotation);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

  // Block coordinates to world: the record's origin goes to the position.
  AcGeMatrix3d blockTransform() const;
  // Position, normal, rotation and scale from a matrix; eCannotScaleNonUniformly for
  // a skewing matrix, eInvalidInput for a singular one.
  Acad::ErrorStatus setBlockTransform(const AcGeMatrix3d& xform);

  // Takes ownership of the attribute (null: eNullObjectPointer).
  Acad::ErrorStatus appendAttribute(AcDbAttribute* attribute);
  Acad::ErrorStatus appendAttribute(AcDbObjectId& attributeId, AcDbAttribute* attribute);
  // The caller deletes the iterator.
  AcDbObjectIterator* attributeIterator() const;

  // A mirror gives a negative X scale, as the host's mirror does.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  // The transformed boxes of the record's entities (attribute definitions aside) and
  // of the attributes.
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  // Transformed copies of the record's entities (caller owns them). Nothing is given
  // when one of them cannot take the transform.
  Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // The INSERT entity's data; the DXF writer files the attributes after it as ATTRIB
  // entities and a SEQEND (group 66 says whether they follow).
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // Joining a drawing claims the attributes' handles there.
  Acad::ErrorStatus setOwnerId(AcDbObjectId ownerId) override;
  // The handle of the SEQEND record after the attributes; a read one is claimed at
  // once when the reference is in a drawing.
  AcDbHandle sequenceEndHandle() const { return sequenceEnd_.handle(); }
  void setSequenceEndHandle(const AcDbHandle& handle);
  // Gives the attributes and their SEQEND that lack one a handle of the drawing, so
  // every save writes the same handles.
  void holdSubEntityHandles() const;

 private:
  AcGeMatrix3d placement() const;  // the block transform without the origin shift
  AcGePoint3d blockOrigin() const;

  mutable AcDbObjectId blockTableRecord_;
  // A record named in DXF before the drawing had it; looked up again when asked.
  mutable std::string pendingBlockName_;
  AcGePoint3d position_;
  AcGeScale3d scale_;
  double rotation_ = 0.0;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  std::vector<std::unique_ptr<AcDbAttribute>> attributes_;
  mutable SubEntityHandle sequenceEnd_;
};
