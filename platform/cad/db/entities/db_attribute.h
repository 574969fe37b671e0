// Attribute definitions (in a block's definition) and attributes (owned by a block
// reference): texts with a tag and the flags invisible, constant, verifiable, preset.
#pragma once

#include <string>

#include "platform/cad/db/db_sub_entity_handle.h"
#include "platform/cad/db/entities/db_text.h"

class AcDbAttributeDefinition : public AcDbText {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAttributeDefinition);

  AcDbAttributeDefinition();
  AcDbAttributeDefinition(const AcGePoint3d& position, const char* text, const char* tag, const char* prompt,
                          AcDbObjectId style = AcDbObjectId::kNull);
  ~AcDbAttributeDefinition() override;

  // Malloc'ed copies the caller frees with free().
  char* prompt() const;
  const char* promptConst() const;
  Acad::ErrorStatus setPrompt(const char* prompt);
  char* tag() const;
  const char* tagConst() const;
  // eInvalidInput for an empty tag or one with a space.
  Acad::ErrorStatus setTag(const char* tag);
  Adesk::Boolean isInvisible() const;
  Acad::ErrorStatus setInvisible(Adesk::Boolean value);
  Adesk::Boolean isConstant() const;
  Acad::ErrorStatus setConstant(Adesk::Boolean value);
  Adesk::Boolean isVerifiable() const;
  Acad::ErrorStatus setVerifiable(Adesk::Boolean value);
  Adesk::Boolean isPreset() const;
  Acad::ErrorStatus setPreset(Adesk::Boolean value);
  Adesk::UInt16 fieldLength() const;
  Acad::ErrorStatus setFieldLength(Adesk::UInt16 length);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  Acad::ErrorStatus dxfOutTextTail(AcDbDxfFiler* filer) const override;
  Acad::ErrorStatus dxfInTextTail(AcDbDxfFiler* filer) override;

 private:
  Acad::ErrorStatus setFlag(int flag, Adesk::Boolean value);

  std::string prompt_;
  std::string tag_;
  int flags_ = 0;
  Adesk::UInt16 fieldLength_ = 0;
};

class AcDbAttribute : public AcDbText {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAttribute);

  AcDbAttribute();
  AcDbAttribute(const AcGePoint3d& position, const char* text, const char* tag,
                AcDbObjectId style = AcDbObjectId::kNull);
  ~AcDbAttribute() override;

  char* tag() const;
  const char* tagConst() const;
  Acad::ErrorStatus setTag(const char* tag);
  Adesk::Boolean isInvisible() const;
  Acad::ErrorStatus setInvisible(Adesk::Boolean value);
  Adesk::Boolean isConstant() const;
  Adesk::Boolean isVerifiable() const;
  Adesk::Boolean isPreset() const;
  Adesk::UInt16 fieldLength() const;
  Acad::ErrorStatus setFieldLength(Adesk::UInt16 length);

  // Takes the definition's text data, tag, flags and properties, placed by the
  // reference's block transform.
  Acad::ErrorStatus setAttributeFromBlock(const AcDbAttributeDefinition* definition,
                                          const AcGeMatrix3d& blockTransform);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // The handle of the ATTRIB record (null until the reference's drawing gives one).
  AcDbHandle subEntityHandle() const { return handle_.handle(); }

 protected:
  Acad::ErrorStatus dxfOutTextTail(AcDbDxfFiler* filer) const override;
  Acad::ErrorStatus dxfInTextTail(AcDbDxfFiler* filer) override;

 private:
  friend class AcDbBlockReference;

  // Mutable: a save gives a missing handle even to a reference opened for read.
  mutable SubEntityHandle handle_;
  std::string tag_;
  int flags_ = 0;
  Adesk::UInt16 fieldLength_ = 0;
};
