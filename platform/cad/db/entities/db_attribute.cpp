#include "platform/cad/db/entities/db_attribute.h"

#include <cstdlib>
#include <cstring>

#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"

CADDB_DEFINE_BUILTIN_MEMBERS(AcDbAttributeDefinition, AcDbText, "ATTDEF")
CADDB_DEFINE_BUILTIN_MEMBERS(AcDbAttribute, AcDbText, "ATTRIB")

namespace {
constexpr int kInvisible = 1;
constexpr int kConstant = 2;
constexpr int kVerifiable = 4;
constexpr int kPreset = 8;
constexpr int kAllFlags = kInvisible | kConstant | kVerifiable | kPreset;

bool isValidTag(const char* tag) { return tag != nullptr && *tag != '\0' && std::strchr(tag, ' ') == nullptr; }

// Reads the group codes of an attribute section up to the first foreign one.
struct AttributeSection {
  std::string prompt;
  std::string tag;
  int flags = 0;
  int fieldLength = 0;
  int verticalMode = -1;
};

void readAttributeSection(AcDbDxfFiler* filer, AttributeSection& section) {
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    const char* text = rb.resval.rstring != nullptr ? rb.resval.rstring : "";
    switch (rb.restype) {
      case AcDb::kDxfAttributePrompt:
        section.prompt = text;
        break;
      case AcDb::kDxfAttributeTag:
        section.tag = text;
        break;
      case AcDb::kDxfInt16:
        section.flags = rb.resval.rint & kAllFlags;
        break;
      case 73:
        section.fieldLength = rb.resval.rint;
        break;
      case 74:
        section.verticalMode = rb.resval.rint;
        break;
      default:
        filer->pushBackItem();
        return;
    }
  }
}

AcDb::TextVertMode vertModeOf(int value) {
  return value >= AcDb::kTextBase && value <= AcDb::kTextTop ? static_cast<AcDb::TextVertMode>(value) : AcDb::kTextBase;
}
}  // namespace

// ---- AcDbAttributeDefinition ----

AcDbAttributeDefinition::AcDbAttributeDefinition() = default;
AcDbAttributeDefinition::AcDbAttributeDefinition(const AcGePoint3d& position, const char* text, const char* tag,
                                                 const char* prompt, AcDbObjectId style)
    : AcDbText(position, text, style), prompt_(prompt != nullptr ? prompt : ""), tag_(isValidTag(tag) ? tag : "") {}
AcDbAttributeDefinition::~AcDbAttributeDefinition() = default;

char* AcDbAttributeDefinition::prompt() const { return strdup(prompt_.c_str()); }
const char* AcDbAttributeDefinition::promptConst() const { return prompt_.c_str(); }

Acad::ErrorStatus AcDbAttributeDefinition::setPrompt(const char* prompt) {
  if (prompt == nullptr) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  prompt_ = prompt;
  return Acad::eOk;
}

char* AcDbAttributeDefinition::tag() const { return strdup(tag_.c_str()); }
const char* AcDbAttributeDefinition::tagConst() const { return tag_.c_str(); }

Acad::ErrorStatus AcDbAttributeDefinition::setTag(const char* tag) {
  if (!isValidTag(tag)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  tag_ = tag;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbAttributeDefinition::setFlag(int flag, Adesk::Boolean value) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  flags_ = value ? (flags_ | flag) : (flags_ & ~flag);
  return Acad::eOk;
}

Adesk::Boolean AcDbAttributeDefinition::isInvisible() const { return (flags_ & kInvisible) != 0; }
Acad::ErrorStatus AcDbAttributeDefinition::setInvisible(Adesk::Boolean value) { return setFlag(kInvisible, value); }
Adesk::Boolean AcDbAttributeDefinition::isConstant() const { return (flags_ & kConstant) != 0; }
Acad::ErrorStatus AcDbAttributeDefinition::setConstant(Adesk::Boolean value) { return setFlag(kConstant, value); }
Adesk::Boolean AcDbAttributeDefinition::isVerifiable() const { return (flags_ & kVerifiable) != 0; }
Acad::ErrorStatus AcDbAttributeDefinition::setVerifiable(Adesk::Boolean value) { return setFlag(kVerifiable, value); }
Adesk::Boolean AcDbAttributeDefinition::isPreset() const { return (flags_ & kPreset) != 0; }
Acad::ErrorStatus AcDbAttributeDefinition::setPreset(Adesk::Boolean value) { return setFlag(kPreset, value); }
Adesk::UInt16 AcDbAttributeDefinition::fieldLength() const { return fieldLength_; }

Acad::ErrorStatus AcDbAttributeDefinition::setFieldLength(Adesk::UInt16 length) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  fieldLength_ = length;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbAttributeDefinition::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbText::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(prompt_.c_str());
  filer->writeString(tag_.c_str());
  filer->writeInt32(flags_);
  filer->writeUInt16(fieldLength_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbAttributeDefinition::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbText::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int32 flags = 0;
  filer->readString(&prompt_);
  filer->readString(&tag_);
  filer->readInt32(&flags);
  filer->readUInt16(&fieldLength_);
  flags_ = flags & kAllFlags;
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbAttributeDefinition::dxfOutTextTail(AcDbDxfFiler* filer) const { return filer->filerStatus(); }

Acad::ErrorStatus AcDbAttributeDefinition::dxfInTextTail(AcDbDxfFiler* filer) { return filer->filerStatus(); }

Acad::ErrorStatus AcDbAttributeDefinition::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbText::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(AcDb::kDxfSubclass, "AcDbAttributeDefinition");
  filer->writeString(AcDb::kDxfAttributePrompt, prompt_.c_str());
  filer->writeString(AcDb::kDxfAttributeTag, tag_.c_str());
  filer->writeInt16(AcDb::kDxfInt16, static_cast<Adesk::Int16>(flags_));
  if (fieldLength_ != 0) filer->writeInt16(static_cast<AcDb::DxfCode>(73), static_cast<Adesk::Int16>(fieldLength_));
  if (verticalMode() != AcDb::kTextBase)
    filer->writeInt16(static_cast<AcDb::DxfCode>(74), static_cast<Adesk::Int16>(verticalMode()));
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbAttributeDefinition::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbText::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbAttributeDefinition"))
    return filer->filerStatus() != Acad::eOk ? filer->filerStatus() : Acad::eBadDxfSequence;
  AttributeSection section;
  readAttributeSection(filer, section);
  prompt_ = section.prompt;
  tag_ = section.tag;
  flags_ = section.flags;
  fieldLength_ = static_cast<Adesk::UInt16>(section.fieldLength);
  if (section.verticalMode >= 0) setVerticalMode(vertModeOf(section.verticalMode));
  return Acad::eOk;
}

// ---- AcDbAttribute ----

AcDbAttribute::AcDbAttribute() = default;
AcDbAttribute::AcDbAttribute(const AcGePoint3d& position, const char* text, const char* tag, AcDbObjectId style)
    : AcDbText(position, text, style), tag_(isValidTag(tag) ? tag : "") {}
AcDbAttribute::~AcDbAttribute() = default;

char* AcDbAttribute::tag() const { return strdup(tag_.c_str()); }
const char* AcDbAttribute::tagConst() const { return tag_.c_str(); }

Acad::ErrorStatus AcDbAttribute::setTag(const char* tag) {
  if (!isValidTag(tag)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  tag_ = tag;
  return Acad::eOk;
}

Adesk::Boolean AcDbAttribute::isInvisible() const { return (flags_ & kInvisible) != 0; }

Acad::ErrorStatus AcDbAttribute::setInvisible(Adesk::Boolean value) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  flags_ = value ? (flags_ | kInvisible) : (flags_ & ~kInvisible);
  return Acad::eOk;
}

Adesk::Boolean AcDbAttribute::isConstant() const { return (flags_ & kConstant) != 0; }
Adesk::Boolean AcDbAttribute::isVerifiable() const { return (flags_ & kVerifiable) != 0; }
Adesk::Boolean AcDbAttribute::isPreset() const { return (flags_ & kPreset) != 0; }
Adesk::UInt16 AcDbAttribute::fieldLength() const { return fieldLength_; }

Acad::ErrorStatus AcDbAttribute::setFieldLength(Adesk::UInt16 length) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  fieldLength_ = length;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbAttribute::setAttributeFromBlock(const AcDbAttributeDefinition* definition,
                                                       const AcGeMatrix3d& blockTransform) {
  if (definition == nullptr) return Acad::eNullObjectPointer;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  setPropertiesFrom(definition);
  copyTextData(*definition);
  tag_ = definition->tagConst();
  flags_ = (definition->isInvisible() ? kInvisible : 0) | (definition->isConstant() ? kConstant : 0) |
           (definition->isVerifiable() ? kVerifiable : 0) | (definition->isPreset() ? kPreset : 0);
  fieldLength_ = definition->fieldLength();
  return transformBy(blockTransform);
}

Acad::ErrorStatus AcDbAttribute::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbText::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(tag_.c_str());
  filer->writeInt32(flags_);
  filer->writeUInt16(fieldLength_);
  handle_.dwgOut(filer);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbAttribute::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbText::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int32 flags = 0;
  filer->readString(&tag_);
  filer->readInt32(&flags);
  filer->readUInt16(&fieldLength_);
  flags_ = flags & kAllFlags;
  handle_.dwgIn(filer);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbAttribute::dxfOutTextTail(AcDbDxfFiler* filer) const { return filer->filerStatus(); }

Acad::ErrorStatus AcDbAttribute::dxfInTextTail(AcDbDxfFiler* filer) { return filer->filerStatus(); }

Acad::ErrorStatus AcDbAttribute::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbText::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(AcDb::kDxfSubclass, "AcDbAttribute");
  filer->writeString(AcDb::kDxfAttributeTag, tag_.c_str());
  filer->writeInt16(AcDb::kDxfInt16, static_cast<Adesk::Int16>(flags_));
  if (fieldLength_ != 0) filer->writeInt16(static_cast<AcDb::DxfCode>(73), static_cast<Adesk::Int16>(fieldLength_));
  if (verticalMode() != AcDb::kTextBase)
    filer->writeInt16(static_cast<AcDb::DxfCode>(74), static_cast<Adesk::Int16>(verticalMode()));
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbAttribute::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbText::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  // An attribute never joins the drawing itself: its reference holds the handle for it.
  handle_.setRead(pendingHandle());
  setPendingHandle(AcDbHandle());
  if (!filer->atSubclassData("AcDbAttribute"))
    return filer->filerStatus() != Acad::eOk ? filer->filerStatus() : Acad::eBadDxfSequence;
  AttributeSection section;
  readAttributeSection(filer, section);
  tag_ = section.tag;
  flags_ = section.flags;
  fieldLength_ = static_cast<Adesk::UInt16>(section.fieldLength);
  if (section.verticalMode >= 0) setVerticalMode(vertModeOf(section.verticalMode));
  return Acad::eOk;
}
