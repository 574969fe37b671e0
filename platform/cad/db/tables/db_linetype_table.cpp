#include "platform/cad/db/tables/db_linetype_table.h"

#include <cstdlib>
#include <cstring>

#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"

CADDB_DEFINE_BUILTIN_MEMBERS(AcDbLinetypeTableRecord, AcDbSymbolTableRecord, "LTYPE")
CADDB_DEFINE_BUILTIN_MEMBERS(AcDbLinetypeTable, AcDbSymbolTable, nullptr)

AcDbLinetypeTableRecord::AcDbLinetypeTableRecord() = default;

AcDbLinetypeTableRecord::~AcDbLinetypeTableRecord() = default;

Acad::ErrorStatus AcDbLinetypeTableRecord::comments(char*& pString) const {
  assertReadEnabled();
  pString = static_cast<char*>(std::malloc(comments_.size() + 1));
  if (pString == nullptr) return Acad::eOutOfMemory;
  std::memcpy(pString, comments_.c_str(), comments_.size() + 1);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::comments(const char*& pString) const {
  assertReadEnabled();
  pString = comments_.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setComments(const char* pString) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  comments_ = pString != nullptr ? pString : "";
  return Acad::eOk;
}

void AcDbLinetypeTableRecord::setPatternLength(double patternLength) {
  if (assertWriteEnabled()) patternLength_ = patternLength;
}

void AcDbLinetypeTableRecord::setNumDashes(int count) {
  if (count >= 0 && assertWriteEnabled()) dashes_.resize(static_cast<std::size_t>(count), 0.0);
}

double AcDbLinetypeTableRecord::dashLengthAt(int index) const {
  if (index < 0 || index >= numDashes()) return 0.0;
  return dashes_[static_cast<std::size_t>(index)];
}

void AcDbLinetypeTableRecord::setDashLengthAt(int index, double value) {
  if (index < 0 || index >= numDashes() || !assertWriteEnabled()) return;
  dashes_[static_cast<std::size_t>(index)] = value;
}

void AcDbLinetypeTableRecord::setIsScaledToFit(bool scaledToFit) {
  if (assertWriteEnabled()) scaledToFit_ = scaledToFit;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(comments_.c_str());
  filer->writeDouble(patternLength_);
  filer->writeBool(scaledToFit_);
  filer->writeInt32(numDashes());
  for (double dash : dashes_) filer->writeDouble(dash);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int32 count = 0;
  filer->readString(&comments_);
  filer->readDouble(&patternLength_);
  filer->readBool(&scaledToFit_);
  if (filer->readInt32(&count) != Acad::eOk || count < 0) return filer->filerStatus();
  std::vector<double> dashes(static_cast<std::size_t>(count));
  for (double& dash : dashes) filer->readDouble(&dash);
  if (filer->filerStatus() == Acad::eOk) dashes_ = std::move(dashes);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbLinetypeTableRecord");
  writeDxfNameAndFlags(filer);
  filer->writeString(AcDb::kDxfDescription, comments_.c_str());
  filer->writeInt16(AcDb::kDxfLinetypeAlign, 65);  // 'A': the only alignment there is
  filer->writeInt16(AcDb::kDxfLinetypePDC, static_cast<Adesk::Int16>(numDashes()));
  filer->writeDouble(AcDb::kDxfReal, patternLength_);
  for (double dash : dashes_) {
    filer->writeDouble(AcDb::kDxfDashLength, dash);
    filer->writeInt16(static_cast<AcDb::DxfCode>(74), 0);  // a plain dash, no shape or text
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbLinetypeTableRecord")) {
    return filer->setError(Acad::eBadDxfSequence, "\nError: expected subclass marker AcDbLinetypeTableRecord");
  }
  dashes_.clear();
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    if (readDxfNameOrFlags(rb)) continue;
    switch (rb.restype) {
      case AcDb::kDxfDescription:
        comments_ = rb.resval.rstring;
        break;
      case AcDb::kDxfReal:
        patternLength_ = rb.resval.rreal;
        break;
      case AcDb::kDxfDashLength:
        dashes_.push_back(rb.resval.rreal);
        break;
      case AcDb::kDxfSubclass:
      case AcDb::kDxfStart:
        filer->pushBackItem();
        return filer->filerStatus();
      default:
        break;  // alignment, counts and dash shapes
    }
  }
  return filer->filerStatus();
}

AcDbLinetypeTable::AcDbLinetypeTable() = default;

AcDbLinetypeTable::~AcDbLinetypeTable() = default;

AcRxClass* AcDbLinetypeTable::recordClass() const { return AcDbLinetypeTableRecord::desc(); }

Acad::ErrorStatus AcDbLinetypeTable::getAt(const char* entryName, AcDbLinetypeTableRecord*& pRec,
                                           AcDb::OpenMode openMode, bool openErasedRec) const {
  pRec = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = AcDbSymbolTable::getAt(entryName, id, openErasedRec);
  if (es != Acad::eOk) return es;
  return acdbOpenObject(pRec, id, openMode, openErasedRec);
}

Acad::ErrorStatus AcDbLinetypeTable::newIterator(AcDbLinetypeTableIterator*& pIterator, bool atBeginning,
                                                 bool skipDeleted) const {
  assertReadEnabled();
  pIterator = new AcDbLinetypeTableIterator(recordIds(), atBeginning, skipDeleted);
  return Acad::eOk;
}
