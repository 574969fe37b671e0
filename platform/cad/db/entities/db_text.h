// AcDbText: a single line of text. Position and alignment point are world points;
// the rotation is measured in the entity's coordinate system (that of the normal).
#pragma once

#include <string>

#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/ge/ge_point3d.h"
#include "platform/cad/ge/ge_vector3d.h"

namespace AcDb {
enum TextHorzMode { kTextLeft = 0, kTextCenter = 1, kTextRight = 2, kTextAlign = 3, kTextMid = 4, kTextFit = 5 };
enum TextVertMode { kTextBase = 0, kTextBottom = 1, kTextVertMid = 2, kTextTop = 3 };
}  // namespace AcDb

class AcDbText : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbText);

  AcDbText();
  AcDbText(const AcGePoint3d& position, const char* text, AcDbObjectId style = AcDbObjectId::kNull, double height = 0.0,
           double rotation = 0.0);
  ~AcDbText() override;

  AcGePoint3d position() const;
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);
  AcGePoint3d alignmentPoint() const;
  Acad::ErrorStatus setAlignmentPoint(const AcGePoint3d& point);
  // True for left-baseline text, which needs no alignment point.
  Adesk::Boolean isDefaultAlignment() const;
  double height() const;
  Acad::ErrorStatus setHeight(double height);
  double widthFactor() const;
  Acad::ErrorStatus setWidthFactor(double factor);
  double rotation() const;
  Acad::ErrorStatus setRotation(double rotation);
  double oblique() const;
  Acad::ErrorStatus setOblique(double oblique);
  double thickness() const;
  Acad::ErrorStatus setThickness(double thickness);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

  // A malloc'ed copy the caller frees with free().
  char* textString() const;
  const char* textStringConst() const;
  Acad::ErrorStatus setTextString(const char* text);
  AcDbObjectId textStyle() const;
  Acad::ErrorStatus setTextStyle(AcDbObjectId style);
  // The style's name as filed in DXF ("Standard" unless read otherwise).
  const char* textStyleName() const { return styleName_.c_str(); }
  Acad::ErrorStatus setTextStyleName(const char* name);

  Adesk::Boolean isMirroredInX() const;
  Acad::ErrorStatus mirrorInX(Adesk::Boolean mirror);
  Adesk::Boolean isMirroredInY() const;
  Acad::ErrorStatus mirrorInY(Adesk::Boolean mirror);
  AcDb::TextHorzMode horizontalMode() const;
  Acad::ErrorStatus setHorizontalMode(AcDb::TextHorzMode mode);
  AcDb::TextVertMode verticalMode() const;
  Acad::ErrorStatus setVerticalMode(AcDb::TextVertMode mode);

  Adesk::Boolean isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  // Uniform scale only (eCannotScaleNonUniformly); a mirror turns the text upside down
  // along its transformed baseline (mirrorInY toggles) so that its letters map exactly.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  // From the height and a nominal character width of the height times the width factor,
  // as no font metrics are at hand.
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  // The text's own DXF closing section: "AcDbText" again with the vertical mode.
  // Attributes file their vertical mode in their own section instead.
  virtual Acad::ErrorStatus dxfOutTextTail(AcDbDxfFiler* filer) const;
  virtual Acad::ErrorStatus dxfInTextTail(AcDbDxfFiler* filer);
  // Copies the text data (not the entity properties) of another text.
  void copyTextData(const AcDbText& other);

 private:
  AcGePoint3d position_;
  AcGePoint3d alignmentPoint_;
  double height_ = 0.2;
  double widthFactor_ = 1.0;
  double rotation_ = 0.0;
  double oblique_ = 0.0;
  double thickness_ = 0.0;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  std::string text_;
  AcDbObjectId styleId_;
  std::string styleName_ = "Standard";
  bool mirroredInX_ = false;
  bool mirroredInY_ = false;
  AcDb::TextHorzMode horzMode_ = AcDb::kTextLeft;
  AcDb::TextVertMode vertMode_ = AcDb::kTextBase;
};
