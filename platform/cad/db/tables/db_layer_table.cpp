#include "platform/cad/db/tables/db_layer_table.h"

#include <cstring>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_stub.h"
#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/db/tables/db_linetype_table.h"

CADDB_DEFINE_BUILTIN_MEMBERS(AcDbLayerTableRecord, AcDbSymbolTableRecord, "LAYER")
CADDB_DEFINE_BUILTIN_MEMBERS(AcDbLayerTable, AcDbSymbolTable, nullptr)

namespace {
constexpr Adesk::Int16 kFrozenFlag = 1;
constexpr Adesk::Int16 kLockedFlag = 4;
constexpr auto kDxfPlotStyleId = static_cast<AcDb::DxfCode>(390);

bool isValidLineWeight(int weight) {
  static constexpr int kWeights[] = {0,  5,  9,  13,  15,  18,  20,  25,  30,  35,  40, 50, 53, 60,
                                     70, 80, 90, 100, 106, 120, 140, 158, 200, 211, -1, -2, -3};
  for (int known : kWeights) {
    if (weight == known) return true;
  }
  return false;
}
}  // namespace

AcDbLayerTableRecord::AcDbLayerTableRecord() { color_.setColorIndex(7); }

AcDbLayerTableRecord::~AcDbLayerTableRecord() = default;

void AcDbLayerTableRecord::setIsOff(bool off) {
  if (assertWriteEnabled()) off_ = off;
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsFrozen(bool frozen) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  frozen_ = frozen;
  return Acad::eOk;
}

void AcDbLayerTableRecord::setIsLocked(bool locked) {
  if (assertWriteEnabled()) locked_ = locked;
}

void AcDbLayerTableRecord::setColor(const AcCmColor& color) {
  if (assertWriteEnabled()) color_ = color;
}

void AcDbLayerTableRecord::setLinetypeObjectId(AcDbObjectId id) {
  if (assertWriteEnabled()) linetypeId_ = id;
}

Acad::ErrorStatus AcDbLayerTableRecord::setLineWeight(AcDb::LineWeight weight) {
  if (!isValidLineWeight(weight)) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  lineWeight_ = weight;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsPlottable(bool plottable) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  plottable_ = plottable;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::setPlotStyleName(const AcDbObjectId& id) {
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  plotStyleId_ = id;
  return Acad::eOk;
}

Adesk::Int16 AcDbLayerTableRecord::dxfFlags() const {
  return static_cast<Adesk::Int16>((frozen_ ? kFrozenFlag : 0) | (locked_ ? kLockedFlag : 0));
}

void AcDbLayerTableRecord::setDxfFlags(Adesk::Int16 flags) {
  frozen_ = (flags & kFrozenFlag) != 0;
  locked_ = (flags & kLockedFlag) != 0;
}

Acad::ErrorStatus AcDbLayerTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeBool(off_);
  filer->writeBool(frozen_);
  filer->writeBool(locked_);
  filer->writeUInt16(color_.colorIndex());
  filer->writeHardPointerId(linetypeId_);
  filer->writeInt16(static_cast<Adesk::Int16>(lineWeight_));
  filer->writeBool(plottable_);
  filer->writeHardPointerId(plotStyleId_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLayerTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::UInt16 color = 7;
  AcDbHardPointerId linetypeId;
  filer->readBool(&off_);
  filer->readBool(&frozen_);
  filer->readBool(&locked_);
  filer->readUInt16(&color);
  filer->readHardPointerId(&linetypeId);
  Adesk::Int16 weight = AcDb::kLnWtByLwDefault;
  AcDbHardPointerId plotStyleId;
  filer->readInt16(&weight);
  filer->readBool(&plottable_);
  filer->readHardPointerId(&plotStyleId);
  color_.setColorIndex(color);
  linetypeId_ = linetypeId;
  lineWeight_ = static_cast<AcDb::LineWeight>(weight);
  plotStyleId_ = plotStyleId;
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLayerTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(AcDb::kDxfSubclass, "AcDbLayerTableRecord");
  writeDxfNameAndFlags(filer);
  // An off layer keeps its colour negative, as DXF has it.
  const Adesk::Int16 color = static_cast<Adesk::Int16>(color_.colorIndex());
  filer->writeInt16(AcDb::kDxfColor, off_ ? static_cast<Adesk::Int16>(-color) : color);
  const auto* linetype = AcDbLinetypeTableRecord::cast(peekObject(linetypeId_));
  filer->writeString(AcDb::kDxfLinetypeName, linetype != nullptr ? linetype->name() : "Continuous");
  if (!plottable_) filer->writeBool(AcDb::kDxfBool, false);
  filer->writeInt16(AcDb::kDxfLineWeight, static_cast<Adesk::Int16>(lineWeight_));
  if (!plotStyleId_.isNull()) filer->writeObjectId(kDxfPlotStyleId, plotStyleId_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLayerTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData("AcDbLayerTableRecord")) {
    return filer->setError(Acad::eBadDxfSequence, "\nError: expected subclass marker AcDbLayerTableRecord");
  }
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    if (readDxfNameOrFlags(rb)) continue;
    if (rb.restype == AcDb::kDxfColor) {
      off_ = rb.resval.rint < 0;
      color_.setColorIndex(static_cast<Adesk::UInt16>(off_ ? -rb.resval.rint : rb.resval.rint));
    } else if (rb.restype == AcDb::kDxfLinetypeName) {
      AcDbDatabase* db = filer->database();
      const auto* table = db != nullptr ? AcDbLinetypeTable::cast(peekObject(db->linetypeTableId())) : nullptr;
      const AcDbObjectId id = table != nullptr ? table->findRecordId(rb.resval.rstring) : AcDbObjectId();
      if (!id.isNull()) linetypeId_ = id;
    } else if (rb.restype == AcDb::kDxfBool) {
      plottable_ = rb.resval.rint != 0;
    } else if (rb.restype == AcDb::kDxfLineWeight) {
      // A weight no program draws with reads as the default rather than failing the file.
      lineWeight_ =
          isValidLineWeight(rb.resval.rint) ? static_cast<AcDb::LineWeight>(rb.resval.rint) : AcDb::kLnWtByLwDefault;
    } else if (rb.restype == kDxfPlotStyleId) {
      acdbGetObjectId(plotStyleId_, rb.resval.rlname);
    } else if (rb.restype == AcDb::kDxfSubclass || rb.restype == AcDb::kDxfStart) {
      filer->pushBackItem();
      break;
    }
  }
  return filer->filerStatus();
}

AcDbLayerTable::AcDbLayerTable() = default;

AcDbLayerTable::~AcDbLayerTable() = default;

AcRxClass* AcDbLayerTable::recordClass() const { return AcDbLayerTableRecord::desc(); }

Acad::ErrorStatus AcDbLayerTable::getAt(const char* entryName, AcDbLayerTableRecord*& pRec, AcDb::OpenMode openMode,
                                        bool openErasedRec) const {
  pRec = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = AcDbSymbolTable::getAt(entryName, id, openErasedRec);
  if (es != Acad::eOk) return es;
  return acdbOpenObject(pRec, id, openMode, openErasedRec);
}

Acad::ErrorStatus AcDbLayerTable::newIterator(AcDbLayerTableIterator*& pIterator, bool atBeginning,
                                              bool skipDeleted) const {
  assertReadEnabled();
  pIterator = new AcDbLayerTableIterator(recordIds(), atBeginning, skipDeleted);
  return Acad::eOk;
}
