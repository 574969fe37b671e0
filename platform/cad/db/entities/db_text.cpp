#include "platform/cad/db/entities/db_text.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/cad/db/entities/db_entity_math.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/ge/ge_ecs.h"
#include "platform/cad/ge/ge_plane.h"

CADDB_DEFINE_BUILTIN_MEMBERS(AcDbText, AcDbEntity, "TEXT")

using namespace entity_math;

namespace {
constexpr int kMirrorXFlag = 2;
constexpr int kMirrorYFlag = 4;

AcDb::TextHorzMode horzModeOf(int value) {
  return value >= AcDb::kTextLeft && value <= AcDb::kTextFit ? static_cast<AcDb::TextHorzMode>(value) : AcDb::kTextLeft;
}

AcDb::TextVertMode vertModeOf(int value) {
  return value >= AcDb::kTextBase && value <= AcDb::kTextTop ? static_cast<AcDb::TextVertMode>(value) : AcDb::kTextBase;
}
}  // namespace

AcDbText::AcDbText() = default;
AcDbText::AcDbText(const AcGePoint3d& position, const char* text, AcDbObjectId style, double height, double rotation)
    : position_(position),
      alignmentPoint_(position),
      height_(height > 0.0 ? height : 0.2),
      rotation_(rotation),
      text_(text != nullptr ? text : ""),
      styleId_(style) {}
AcDbText::~AcDbText() = default;

AcGePoint3d AcDbText::position() const {
  assertReadEnabled();
  return position_;
}

Acad::ErrorStatus AcDbText::setPosition(const AcGePoint3d& position) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  position_ = position;
  return Acad::eOk;
}

AcGePoint3d AcDbText::alignmentPoint() const {
  assertReadEnabled();
  return alignmentPoint_;
}

Acad::ErrorStatus AcDbText::setAlignmentPoint(const AcGePoint3d& point) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  alignmentPoint_ = point;
  return Acad::eOk;
}

Adesk::Boolean AcDbText::isDefaultAlignment() const {
  return horzMode_ == AcDb::kTextLeft && vertMode_ == AcDb::kTextBase;
}

double AcDbText::height() const {
  assertReadEnabled();
  return height_;
}

Acad::ErrorStatus AcDbText::setHeight(double height) {
  if (!(height > 0.0) || !std::isfinite(height)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  height_ = height;
  return Acad::eOk;
}

double AcDbText::widthFactor() const {
  assertReadEnabled();
  return widthFactor_;
}

Acad::ErrorStatus AcDbText::setWidthFactor(double factor) {
  if (!(factor > 0.0) || !std::isfinite(factor)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  widthFactor_ = factor;
  return Acad::eOk;
}

double AcDbText::rotation() const {
  assertReadEnabled();
  return rotation_;
}

Acad::ErrorStatus AcDbText::setRotation(double rotation) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  rotation_ = normalizeAngle(rotation);
  return Acad::eOk;
}

double AcDbText::oblique() const {
  assertReadEnabled();
  return oblique_;
}

Acad::ErrorStatus AcDbText::setOblique(double oblique) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  oblique_ = oblique;
  return Acad::eOk;
}

double AcDbText::thickness() const {
  assertReadEnabled();
  return thickness_;
}

Acad::ErrorStatus AcDbText::setThickness(double thickness) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  thickness_ = thickness;
  return Acad::eOk;
}

AcGeVector3d AcDbText::normal() const {
  assertReadEnabled();
  return normal_;
}

Acad::ErrorStatus AcDbText::setNormal(const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  normal_ = normal.normal();
  return Acad::eOk;
}

char* AcDbText::textString() const {
  assertReadEnabled();
  return strdup(text_.c_str());
}

const char* AcDbText::textStringConst() const {
  assertReadEnabled();
  return text_.c_str();
}

Acad::ErrorStatus AcDbText::setTextString(const char* text) {
  if (text == nullptr) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  text_ = text;
  return Acad::eOk;
}

AcDbObjectId AcDbText::textStyle() const {
  assertReadEnabled();
  return styleId_;
}

Acad::ErrorStatus AcDbText::setTextStyle(AcDbObjectId style) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  styleId_ = style;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::setTextStyleName(const char* name) {
  if (name == nullptr || *name == '\0') return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  styleName_ = name;
  return Acad::eOk;
}

Adesk::Boolean AcDbText::isMirroredInX() const { return mirroredInX_; }

Acad::ErrorStatus AcDbText::mirrorInX(Adesk::Boolean mirror) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  mirroredInX_ = mirror;
  return Acad::eOk;
}

Adesk::Boolean AcDbText::isMirroredInY() const { return mirroredInY_; }

Acad::ErrorStatus AcDbText::mirrorInY(Adesk::Boolean mirror) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  mirroredInY_ = mirror;
  return Acad::eOk;
}

AcDb::TextHorzMode AcDbText::horizontalMode() const { return horzMode_; }

Acad::ErrorStatus AcDbText::setHorizontalMode(AcDb::TextHorzMode mode) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  horzMode_ = horzModeOf(mode);
  return Acad::eOk;
}

AcDb::TextVertMode AcDbText::verticalMode() const { return vertMode_; }

Acad::ErrorStatus AcDbText::setVerticalMode(AcDb::TextVertMode mode) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  vertMode_ = vertModeOf(mode);
  return Acad::eOk;
}

void AcDbText::copyTextData(const AcDbText& other) {
  position_ = other.position_;
  alignmentPoint_ = other.alignmentPoint_;
  height_ = other.height_;
  widthFactor_ = other.widthFactor_;
  rotation_ = other.rotation_;
  oblique_ = other.oblique_;
  thickness_ = other.thickness_;
  normal_ = other.normal_;
  text_ = other.text_;
  styleId_ = other.styleId_;
  styleName_ = other.styleName_;
  mirroredInX_ = other.mirroredInX_;
  mirroredInY_ = other.mirroredInY_;
  horzMode_ = other.horzMode_;
  vertMode_ = other.vertMode_;
}

Acad::ErrorStatus AcDbText::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  plane.set(position_, normal_);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::transformBy(const AcGeMatrix3d& xform) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  CircleFrame frame{position_, normal_, height_, thickness_};
  bool mirrored = false;
  const AcGeVector3d baseline = tangentOnCircle(normal_, rotation_ - kPi / 2.0);
  Acad::ErrorStatus es = transformCircleFrame(xform, frame, mirrored);
  if (es != Acad::eOk) return es;
  const AcGeVector3d newBaseline = xform * baseline;
  position_ = frame.center;
  alignmentPoint_ = xform * alignmentPoint_;
  normal_ = frame.normal;
  height_ = frame.radius;
  thickness_ = frame.thickness;
  rotation_ = normalizeAngle(
      std::atan2(newBaseline.dotProduct(acgeEcsYAxis(normal_)), newBaseline.dotProduct(acgeEcsXAxis(normal_))));
  if (mirrored) mirroredInY_ = !mirroredInY_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = AcDbExtents();
  const AcGeVector3d along = tangentOnCircle(normal_, rotation_ - kPi / 2.0);
  const AcGeVector3d up = tangentOnCircle(normal_, rotation_) * (mirroredInY_ ? -1.0 : 1.0);
  const double width = static_cast<double>(text_.size()) * height_ * widthFactor_ * (mirroredInX_ ? -1.0 : 1.0);
  extents.addPoint(position_);
  extents.addPoint(position_ + along * width);
  extents.addPoint(position_ + up * height_);
  extents.addPoint(position_ + along * width + up * height_);
  extrudeExtents(extents, normal_ * thickness_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(position_);
  filer->writePoint3d(alignmentPoint_);
  filer->writeDouble(height_);
  filer->writeDouble(widthFactor_);
  filer->writeDouble(rotation_);
  filer->writeDouble(oblique_);
  filer->writeDouble(thickness_);
  filer->writeVector3d(normal_);
  filer->writeString(text_.c_str());
  filer->writeHardPointerId(styleId_);
  filer->writeString(styleName_.c_str());
  filer->writeBool(mirroredInX_);
  filer->writeBool(mirroredInY_);
  filer->writeInt16(static_cast<Adesk::Int16>(horzMode_));
  filer->writeInt16(static_cast<Adesk::Int16>(vertMode_));
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbText::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcDbHardPointerId style;
  Adesk::Int16 horz = 0;
  Adesk::Int16 vert = 0;
  filer->readPoint3d(&position_);
  filer->readPoint3d(&alignmentPoint_);
  filer->readDouble(&height_);
  filer->readDouble(&widthFactor_);
  filer->readDouble(&rotation_);
  filer->readDouble(&oblique_);
  filer->readDouble(&thickness_);
  filer->readVector3d(&normal_);
  filer->readString(&text_);
  filer->readHardPointerId(&style);
  filer->readString(&styleName_);
  filer->readBool(&mirroredInX_);
  filer->readBool(&mirroredInY_);
  filer->readInt16(&horz);
  filer->readInt16(&vert);
  styleId_ = style;
  horzMode_ = horzModeOf(horz);
  vertMode_ = vertModeOf(vert);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbText::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(AcDb::kDxfSubclass, "AcDbText");
  if (thickness_ != 0.0) filer->writeDouble(AcDb::kDxfThickness, thickness_);
  filer->writePoint3d(AcDb::kDxfXCoord, acgeWorldPointToEcs(position_, normal_));
  filer->writeDouble(AcDb::kDxfTxtSize, height_);
  filer->writeString(AcDb::kDxfText, text_.c_str());
  if (rotation_ != 0.0) filer->writeDouble(AcDb::kDxfAngle, radiansToDegrees(rotation_));
  if (widthFactor_ != 1.0) filer->writeDouble(AcDb::kDxfTxtStyleXScale, widthFactor_);
  if (oblique_ != 0.0) filer->writeDouble(AcDb::kDxfViewportTwist, radiansToDegrees(oblique_));
  filer->writeString(AcDb::kDxfTextStyleName, styleName_.c_str());
  const int flags = (mirroredInX_ ? kMirrorXFlag : 0) | (mirroredInY_ ? kMirrorYFlag : 0);
  if (flags != 0) filer->writeInt16(AcDb::kDxfTxtStyleFlags, static_cast<Adesk::Int16>(flags));
  if (horzMode_ != AcDb::kTextLeft) filer->writeInt16(AcDb::kDxfLinetypeAlign, static_cast<Adesk::Int16>(horzMode_));
  if (!isDefaultAlignment())
    filer->writePoint3d(static_cast<AcDb::DxfCode>(11), acgeWorldPointToEcs(alignmentPoint_, normal_));
  if (normal_ != AcGeVector3d::kZAxis) filer->writeVector3d(AcDb::kDxfNormalX, normal_);
  es = filer->filerStatus();
  if (es != Acad::eOk) return es;
  return dxfOutTextTail(filer);
}

Acad::ErrorStatus AcDbText::dxfOutTextTail(AcDbDxfFiler* filer) const {
  filer->writeItem(AcDb::kDxfSubclass, "AcDbText");
  if (vertMode_ != AcDb::kTextBase) filer->writeInt16(AcDb::kDxfLinetypePDC, static_cast<Adesk::Int16>(vertMode_));
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbText::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbText"))
    return filer->filerStatus() != Acad::eOk ? filer->filerStatus() : Acad::eBadDxfSequence;
  AcGePoint3d ecsPosition;
  AcGePoint3d ecsAlignment;
  bool hasAlignment = false;
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    const double* p = rb.resval.rpoint;
    bool more = true;
    switch (rb.restype) {
      case AcDb::kDxfThickness:
        thickness_ = rb.resval.rreal;
        break;
      case AcDb::kDxfXCoord:
        ecsPosition.set(p[0], p[1], p[2]);
        break;
      case AcDb::kDxfTxtSize:
        height_ = rb.resval.rreal;
        break;
      case AcDb::kDxfText:
        text_ = rb.resval.rstring != nullptr ? rb.resval.rstring : "";
        break;
      case AcDb::kDxfAngle:
        rotation_ = normalizeAngle(degreesToRadians(rb.resval.rreal));
        break;
      case AcDb::kDxfTxtStyleXScale:
        widthFactor_ = rb.resval.rreal;
        break;
      case AcDb::kDxfViewportTwist:
        oblique_ = degreesToRadians(rb.resval.rreal);
        break;
      case AcDb::kDxfTextStyleName:
        if (rb.resval.rstring != nullptr && *rb.resval.rstring != '\0') styleName_ = rb.resval.rstring;
        break;
      case AcDb::kDxfTxtStyleFlags:
        mirroredInX_ = (rb.resval.rint & kMirrorXFlag) != 0;
        mirroredInY_ = (rb.resval.rint & kMirrorYFlag) != 0;
        break;
      case AcDb::kDxfLinetypeAlign:
        horzMode_ = horzModeOf(rb.resval.rint);
        break;
      case 11:
        ecsAlignment.set(p[0], p[1], p[2]);
        hasAlignment = true;
        break;
      case AcDb::kDxfNormalX:
        normal_ = unitNormal(AcGeVector3d(p[0], p[1], p[2]));
        break;
      default:
        filer->pushBackItem();
        more = false;
        break;
    }
    if (!more) break;
  }
  position_ = acgeEcsPointToWorld(ecsPosition, normal_);
  alignmentPoint_ = hasAlignment ? acgeEcsPointToWorld(ecsAlignment, normal_) : position_;
  return dxfInTextTail(filer);
}

Acad::ErrorStatus AcDbText::dxfInTextTail(AcDbDxfFiler* filer) {
  if (!filer->atSubclassData("AcDbText")) return Acad::eOk;
  resbuf rb;
  if (filer->readItem(&rb) != Acad::eOk) return Acad::eOk;
  if (rb.restype == AcDb::kDxfLinetypePDC)
    vertMode_ = vertModeOf(rb.resval.rint);
  else
    filer->pushBackItem();
  return Acad::eOk;
}
