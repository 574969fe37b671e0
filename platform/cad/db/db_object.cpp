#include "platform/cad/db/db_object.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_id_mapping.h"
#include "platform/cad/db/db_stub.h"
#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/filing/dwg_memory_filer.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/db/tables/db_block_table.h"
#include "platform/cad/db/tables/db_dictionary.h"

CADDB_DEFINE_BUILTIN_ABSTRACT_MEMBERS(AcDbObject, AcRxObject)

namespace {

void reportMisuse(const AcDbObject* object, const char* what) {
  const AcRxClass* rxClass = object->isA();
  std::fprintf(stderr, "\n%s: %s\n", rxClass != nullptr ? rxClass->name() : "AcDbObject", what);
}

bool isXDataGroup(int code) { return code >= 1000 && code <= 1071 && code != AcDb::kDxfRegAppName; }

const char* textOf(const resbuf& rb) { return rb.resval.rstring != nullptr ? rb.resval.rstring : ""; }

// A chain setXData can take: runs of groups, each led by a named 1001.
bool isValidXDataChain(const resbuf* xdata) {
  if (xdata == nullptr || xdata->restype != AcDb::kDxfRegAppName) return false;
  for (const resbuf* rb = xdata; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == AcDb::kDxfRegAppName) {
      if (textOf(*rb)[0] == '\0') return false;
    } else if (!isXDataGroup(rb->restype)) {
      return false;
    }
  }
  return true;
}

const resbuf* nextApp(const resbuf* rb) {
  while (rb != nullptr && rb->restype != AcDb::kDxfRegAppName) rb = rb->rbnext;
  return rb;
}

// Appends a copy of rb at *tail; false when memory runs out.
bool appendCopy(resbuf**& tail, const resbuf& rb) {
  resbuf* copy = duplicateResbuf(rb);
  if (copy == nullptr) return false;
  *tail = copy;
  tail = &copy->rbnext;
  return true;
}

// While set, eraseOwnedObject notes every object it flips, so cancel() can flip it back.
thread_local std::vector<AcDbStub*>* flippedAlong = nullptr;

class FlipJournal {
 public:
  explicit FlipJournal(std::vector<AcDbStub*>& flipped) : previous_(flippedAlong) { flippedAlong = &flipped; }
  ~FlipJournal() { flippedAlong = previous_; }
  FlipJournal(const FlipJournal&) = delete;
  FlipJournal& operator=(const FlipJournal&) = delete;

 private:
  std::vector<AcDbStub*>* previous_;
};

void flipBack(const std::vector<AcDbStub*>& flipped, bool erasing) {
  for (auto it = flipped.rbegin(); it != flipped.rend(); ++it) (*it)->setErased(!erasing);
}

}  // namespace

void eraseOwnedObject(AcDbObjectId id, bool erasing) {
  AcDbObject* object = peekObject(id);
  AcDbStub* stub = id;
  if (object == nullptr || stub->isErased() == erasing) return;
  if (object->subErase(erasing) != Acad::eOk) return;
  stub->setErased(erasing);
  if (flippedAlong != nullptr) flippedAlong->push_back(stub);
}

AcDbObject::AcDbObject() = default;

AcDbObject::~AcDbObject() {
  if (stub_ != nullptr) {
    // Deleted by a caller although the drawing owns it: let the drawing forget it.
    reportMisuse(this, "deleted while its drawing owns it");
    (void)stub_->object_.release();
  }
}

AcDbObjectId AcDbObject::objectId() const { return AcDbObjectId(stub_); }

Acad::ErrorStatus AcDbObject::setOwnerId(AcDbObjectId ownerId) {
  ownerId_ = ownerId;
  return Acad::eOk;
}

void AcDbObject::getAcDbHandle(AcDbHandle& handle) const { handle = stub_ != nullptr ? stub_->handle() : AcDbHandle(); }

AcDbDatabase* AcDbObject::database() const { return stub_ != nullptr ? stub_->database() : nullptr; }

bool AcDbObject::isErased() const { return stub_ != nullptr && stub_->isErased(); }

bool AcDbObject::isReadEnabled() const { return stub_ == nullptr || stub_->isOpen(); }

bool AcDbObject::isWriteEnabled() const { return stub_ == nullptr || stub_->writer_; }

bool AcDbObject::isNotifyEnabled() const { return stub_ != nullptr && stub_->notifiers_ > 0; }

bool AcDbObject::assertReadEnabled() const {
  if (isReadEnabled()) return true;
  reportMisuse(this, "not open for read");
  return false;
}

bool AcDbObject::assertWriteEnabled(Adesk::Boolean autoUndo, Adesk::Boolean recordModified) {
  if (!isWriteEnabled()) {
    reportMisuse(this, "not open for write");
    return false;
  }
  if (autoUndo) takeUndoSnapshot();
  if (recordModified) modified_ = true;
  return true;
}

bool AcDbObject::assertWriteEnabledForAppend(ObjectUndoLog::Step takeBack) {
  if (!isWriteEnabled()) {
    reportMisuse(this, "not open for write");
    return false;
  }
  logUndoStep(std::move(takeBack), true, true);
  modified_ = true;
  return true;
}

ObjectUndoLog& AcDbObject::undoLog() {
  if (undo_ == nullptr) undo_ = std::make_unique<ObjectUndoLog>();
  return *undo_;
}

void AcDbObject::takeUndoSnapshot() {
  if (stub_ == nullptr) return;
  ObjectUndoLog& log = undoLog();
  if (log.hasSnapshot() || log.isTakingBack()) return;
  auto snapshot = std::make_unique<DwgMemoryFiler>(AcDb::kUndoFiler, database());
  if (dwgOutFields(snapshot.get()) == Acad::eOk) log.setSnapshot(std::move(snapshot));
}

void AcDbObject::logUndoStep(ObjectUndoLog::Step step, bool coveredBySnapshot, bool append) {
  if (stub_ == nullptr) return;
  ObjectUndoLog& log = undoLog();
  if (log.isTakingBack() || (coveredBySnapshot && log.hasSnapshot())) return;
  if (append) {
    log.addAppendStep(std::move(step));
  } else {
    log.addStep(std::move(step));
  }
}

void AcDbObject::eraseOwnedAlong(AcDbObjectId id, bool erasing) {
  std::vector<AcDbStub*> flipped;
  {
    FlipJournal journal(flipped);
    eraseOwnedObject(id, erasing);
  }
  // Erased flags live outside the filing: a snapshot does not cover them.
  if (!flipped.empty()) logUndoStep([flipped, erasing] { flipBack(flipped, erasing); }, false);
}

bool AcDbObject::assertNotifyEnabled() const {
  if (isNotifyEnabled() || isWriteEnabled()) return true;
  reportMisuse(this, "not open for notify");
  return false;
}

Acad::ErrorStatus AcDbObject::close() {
  if (stub_ == nullptr) return Acad::eOk;  // the creator still owns it
  AcDbStub& stub = *stub_;
  if (stub.writer_) {
    subClose();
    recordChange();
    stub.writer_ = false;
    undo_.reset();
    isNew_ = false;
    modified_ = false;
    return Acad::eOk;
  }
  if (stub.readers_ > 0) {
    subClose();
    --stub.readers_;
    return Acad::eOk;
  }
  if (stub.notifiers_ > 0) {
    --stub.notifiers_;
    return Acad::eOk;
  }
  return Acad::eNotOpenForRead;
}

void AcDbObject::recordChange() {
  if ((modified_ || isNew_) && stub_ != nullptr && stub_->database() != nullptr) stub_->database()->noteChange();
  modified_ = false;
}

Acad::ErrorStatus AcDbObject::cancel() {
  if (stub_ == nullptr) return Acad::eOk;
  if (stub_->writer_ && undo_ != nullptr) {
    undo_->takeBack(*this);
    modified_ = false;  // as it was: no change to count
  }
  return close();
}

Acad::ErrorStatus AcDbObject::upgradeOpen() {
  if (stub_ == nullptr) return Acad::eOk;
  if (stub_->writer_) return Acad::eWasOpenForWrite;
  if (stub_->readers_ == 0) return Acad::eNotOpenForRead;
  if (stub_->readers_ > 1) return Acad::eHadMultipleReaders;
  stub_->readers_ = 0;
  stub_->writer_ = true;
  modified_ = false;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::downgradeOpen() {
  if (stub_ == nullptr) return Acad::eOk;
  if (!stub_->writer_) return Acad::eNotOpenForWrite;
  recordChange();
  stub_->writer_ = false;
  stub_->readers_ = 1;
  undo_.reset();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::upgradeFromNotify(Adesk::Boolean& wasWritable) {
  if (stub_ == nullptr) return Acad::eNotInDatabase;
  if (stub_->notifiers_ == 0) return Acad::eNotOpenForNotify;
  wasWritable = stub_->writer_;
  if (!stub_->writer_ && stub_->readers_ > 0) return Acad::eWasOpenForRead;
  --stub_->notifiers_;
  stub_->writer_ = true;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::downgradeToNotify(Adesk::Boolean wasWritable) {
  if (stub_ == nullptr) return Acad::eNotInDatabase;
  if (!stub_->writer_) return Acad::eNotOpenForWrite;
  if (!wasWritable) stub_->writer_ = false;
  ++stub_->notifiers_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::erase(Adesk::Boolean erasing) {
  if (stub_ == nullptr) return Acad::eNotInDatabase;
  if (!stub_->writer_) return Acad::eNotOpenForWrite;
  if (stub_->erased_ == erasing) return erasing ? Acad::eWasErased : Acad::eOk;
  std::vector<AcDbStub*> flipped;
  Acad::ErrorStatus es = Acad::eOk;
  {
    FlipJournal journal(flipped);
    es = subErase(erasing);
  }
  if (es != Acad::eOk) {
    flipBack(flipped, erasing);  // a refused erase changes nothing
    return es;
  }
  stub_->erased_ = erasing;
  flipped.insert(flipped.begin(), stub_);
  modified_ = true;
  logUndoStep([flipped = std::move(flipped), erasing] { flipBack(flipped, erasing); }, false);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::subErase(Adesk::Boolean erasing) {
  if (!extensionDictionary_.isNull()) eraseOwnedObject(extensionDictionary_, erasing);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::subOpen(AcDb::OpenMode /*mode*/) { return Acad::eOk; }

Acad::ErrorStatus AcDbObject::subClose() { return Acad::eOk; }

Acad::ErrorStatus AcDbObject::dwgIn(AcDbDwgFiler* filer) {
  if (filer == nullptr) return Acad::eInvalidInput;
  Acad::ErrorStatus es = dwgInFields(filer);
  return es != Acad::eOk ? es : filer->filerStatus();
}

Acad::ErrorStatus AcDbObject::dwgOut(AcDbDwgFiler* filer) const {
  if (filer == nullptr) return Acad::eInvalidInput;
  Acad::ErrorStatus es = dwgOutFields(filer);
  return es != Acad::eOk ? es : filer->filerStatus();
}

Acad::ErrorStatus AcDbObject::dxfIn(AcDbDxfFiler* filer) {
  if (filer == nullptr) return Acad::eInvalidInput;
  Acad::ErrorStatus es = dxfInFields(filer);
  return es != Acad::eOk ? es : filer->filerStatus();
}

Acad::ErrorStatus AcDbObject::dxfOut(AcDbDxfFiler* filer) const {
  if (filer == nullptr) return Acad::eInvalidInput;
  Acad::ErrorStatus es = dxfOutFields(filer);
  return es != Acad::eOk ? es : filer->filerStatus();
}

Acad::ErrorStatus AcDbObject::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  filer->writeSoftPointerId(ownerId_);
  filer->writeHardOwnershipId(extensionDictionary_);
  return writeXData(filer);
}

Acad::ErrorStatus AcDbObject::dwgInFields(AcDbDwgFiler* filer) {
  AcDbSoftPointerId owner;
  AcDbHardOwnershipId extensionDictionary;
  filer->readSoftPointerId(&owner);
  filer->readHardOwnershipId(&extensionDictionary);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  // Copies, clones and undo all keep the extended data.
  if (Acad::ErrorStatus es = readXData(filer); es != Acad::eOk) return es;
  switch (filer->filerType()) {
    case AcDb::kCopyFiler:
      break;  // a copy belongs nowhere yet and shares no dictionary
    case AcDb::kDeepCloneFiler:
      extensionDictionary_ = extensionDictionary;  // cloned along, then translated
      break;
    default:
      ownerId_ = owner;
      extensionDictionary_ = extensionDictionary;
      break;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  if (stub_ != nullptr) filer->writeAcDbHandle(AcDb::kDxfHandle, stub_->handle());
  if (!extensionDictionary_.isNull()) {
    filer->writeString(AcDb::kDxfControlString, "{ACAD_XDICTIONARY");
    filer->writeObjectId(AcDb::kDxfHardOwnershipId, extensionDictionary_);
    filer->writeString(AcDb::kDxfControlString, "}");
  }
  if (!ownerId_.isNull()) filer->writeObjectId(AcDb::kDxfSoftPointerId, ownerId_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbObject::dxfInFields(AcDbDxfFiler* filer) {
  resbuf rb;
  bool inExtensionDictionary = false;
  bool inOtherGroup = false;
  while (filer->readItem(&rb) == Acad::eOk) {
    if (rb.restype == AcDb::kDxfHandle) {
      if (stub_ == nullptr) pendingHandle_ = AcDbHandle(rb.resval.rstring);
    } else if (rb.restype == AcDb::kDxfControlString) {
      const char* text = rb.resval.rstring != nullptr ? rb.resval.rstring : "";
      if (std::strcmp(text, "}") == 0) {
        inExtensionDictionary = inOtherGroup = false;
      } else if (std::strcmp(text, "{ACAD_XDICTIONARY") == 0) {
        inExtensionDictionary = true;
      } else {
        inOtherGroup = true;
      }
    } else if (inExtensionDictionary && rb.restype == AcDb::kDxfHardOwnershipId) {
      acdbGetObjectId(extensionDictionary_, rb.resval.rlname);
    } else if (inOtherGroup) {
      continue;  // reactors and application groups are not kept
    } else if (rb.restype == AcDb::kDxfSoftPointerId) {
      acdbGetObjectId(ownerId_, rb.resval.rlname);
    } else {
      filer->pushBackItem();
      break;
    }
  }
  return filer->filerStatus();
}

resbuf* AcDbObject::xData(const char* regappName) const {
  assertReadEnabled();
  resbuf* head = nullptr;
  resbuf** tail = &head;
  for (const XDataApp& app : xdata_) {
    if (regappName != nullptr && strcasecmp(regappName, app.name.c_str()) != 0) continue;
    resbuf name{};
    name.restype = AcDb::kDxfRegAppName;
    name.resval.rstring = const_cast<char*>(app.name.c_str());
    if (!appendCopy(tail, name)) break;
    resbuf* groups = duplicateResbufChain(app.groups.get());
    if (groups == nullptr) break;
    *tail = groups;
    while (*tail != nullptr) tail = &(*tail)->rbnext;
  }
  return head;
}

Acad::ErrorStatus AcDbObject::setXData(const resbuf* xdata) {
  if (!isValidXDataChain(xdata)) return Acad::eInvalidInput;
  // Copies first, so that running out of memory changes nothing.
  std::vector<XDataApp> incoming;
  for (const resbuf* app = xdata; app != nullptr;) {
    const resbuf* next = nextApp(app->rbnext);
    XDataApp entry{textOf(*app), nullptr};
    if (app->rbnext != next) {
      entry.groups.reset(duplicateResbufChain(app->rbnext, next));
      if (entry.groups == nullptr) return Acad::eOutOfMemory;
    }
    incoming.push_back(std::move(entry));
    app = next;
  }
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  for (XDataApp& entry : incoming) {
    auto same = [&](const XDataApp& held) { return strcasecmp(held.name.c_str(), entry.name.c_str()) == 0; };
    auto found = std::find_if(xdata_.begin(), xdata_.end(), same);
    if (entry.groups == nullptr) {
      if (found != xdata_.end()) xdata_.erase(found);
    } else if (found != xdata_.end()) {
      found->groups = std::move(entry.groups);
    } else {
      xdata_.push_back(std::move(entry));
    }
  }
  return Acad::eOk;
}

std::vector<std::string> AcDbObject::xDataAppNames() const {
  std::vector<std::string> names;
  for (const XDataApp& app : xdata_) names.push_back(app.name);
  return names;
}

Acad::ErrorStatus AcDbObject::writeXData(AcDbDwgFiler* filer) const {
  filer->writeUInt32(static_cast<Adesk::UInt32>(xdata_.size()));
  for (const XDataApp& app : xdata_) {
    filer->writeString(app.name.c_str());
    Adesk::UInt32 count = 0;
    for (const resbuf* rb = app.groups.get(); rb != nullptr; rb = rb->rbnext) ++count;
    filer->writeUInt32(count);
    for (const resbuf* rb = app.groups.get(); rb != nullptr; rb = rb->rbnext) {
      filer->writeInt16(rb->restype);
      switch (AcDb::dxfValueKind(rb->restype)) {
        case AcDb::kDxfValueReal:
          filer->writeDouble(rb->resval.rreal);
          break;
        case AcDb::kDxfValuePoint:
          for (double coordinate : rb->resval.rpoint) filer->writeDouble(coordinate);
          break;
        case AcDb::kDxfValueInt16:
          filer->writeInt16(rb->resval.rint);
          break;
        case AcDb::kDxfValueInt32:
          filer->writeInt32(rb->resval.rlong);
          break;
        case AcDb::kDxfValueBinary:
          filer->writeBChunk(rb->resval.rbinary);
          break;
        default:
          filer->writeString(textOf(*rb));
          break;
      }
    }
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbObject::readXData(AcDbDwgFiler* filer) {
  std::vector<XDataApp> apps;
  Adesk::UInt32 appCount = 0;
  filer->readUInt32(&appCount);
  for (Adesk::UInt32 a = 0; a < appCount && filer->filerStatus() == Acad::eOk; ++a) {
    XDataApp app;
    Adesk::UInt32 count = 0;
    filer->readString(&app.name);
    filer->readUInt32(&count);
    resbuf** tail = nullptr;
    for (Adesk::UInt32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
      Adesk::Int16 code = 0;
      filer->readInt16(&code);
      resbuf* rb = acutNewRb(code);
      if (rb == nullptr) return Acad::eOutOfMemory;
      if (tail == nullptr) {
        app.groups.reset(rb);
      } else {
        *tail = rb;
      }
      tail = &rb->rbnext;
      switch (AcDb::dxfValueKind(code)) {
        case AcDb::kDxfValueReal:
          filer->readDouble(&rb->resval.rreal);
          break;
        case AcDb::kDxfValuePoint:
          for (double& coordinate : rb->resval.rpoint) filer->readDouble(&coordinate);
          break;
        case AcDb::kDxfValueInt16:
          filer->readInt16(&rb->resval.rint);
          break;
        case AcDb::kDxfValueInt32:
          filer->readInt32(&rb->resval.rlong);
          break;
        case AcDb::kDxfValueBinary:
          filer->readBChunk(&rb->resval.rbinary);
          break;
        default:
          filer->readString(&rb->resval.rstring);
          break;
      }
    }
    if (app.groups != nullptr) apps.push_back(std::move(app));
  }
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  xdata_ = std::move(apps);
  return Acad::eOk;
}

AcRxObject* AcDbObject::clone() const {
  AcRxClass* rxClass = isA();
  AcRxObject* created = rxClass != nullptr ? rxClass->create() : nullptr;
  AcDbObject* copy = AcDbObject::cast(created);
  if (copy == nullptr) {
    delete created;
    return nullptr;
  }
  DwgMemoryFiler filer(AcDb::kCopyFiler, database());
  if (dwgOut(&filer) != Acad::eOk) {
    delete copy;
    return nullptr;
  }
  filer.rewind();
  if (copy->dwgIn(&filer) != Acad::eOk) {
    delete copy;
    return nullptr;
  }
  return copy;
}

Acad::ErrorStatus AcDbObject::copyFrom(const AcRxObject* other) {
  const AcDbObject* source = AcDbObject::cast(other);
  if (source == nullptr || source->isA() != isA()) return Acad::eNotThatKindOfClass;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  DwgMemoryFiler filer(AcDb::kCopyFiler, source->database());
  Acad::ErrorStatus es = source->dwgOut(&filer);
  if (es != Acad::eOk) return es;
  filer.rewind();
  return dwgIn(&filer);
}

Acad::ErrorStatus AcDbObject::deepClone(AcDbObject* pOwner, AcDbObject*& pClonedObject, AcDbIdMapping& idMap,
                                        Adesk::Boolean isPrimary) const {
  pClonedObject = nullptr;
  if (pOwner == nullptr) return Acad::eNullObjectPointer;
  if (stub_ == nullptr || pOwner->database() == nullptr) return Acad::eNotInDatabase;
  AcDbIdPair known(objectId(), AcDbObjectId(), false);
  if (idMap.compute(known) && known.isCloned()) return Acad::eOk;

  AcRxClass* rxClass = isA();
  AcRxObject* created = rxClass != nullptr ? rxClass->create() : nullptr;
  AcDbObject* copy = AcDbObject::cast(created);
  if (copy == nullptr) {
    delete created;
    return Acad::eNotApplicable;
  }
  DwgMemoryFiler filer(AcDb::kDeepCloneFiler, database());
  Acad::ErrorStatus es = dwgOut(&filer);
  if (es == Acad::eOk) {
    filer.rewind();
    es = copy->dwgIn(&filer);
  }
  if (es == Acad::eOk) {
    AcDbBlockTableRecord* block = AcDbBlockTableRecord::cast(pOwner);
    AcDbEntity* entity = AcDbEntity::cast(copy);
    if (block != nullptr && entity != nullptr) {
      es = block->appendAcDbEntity(entity);
    } else {
      es = pOwner->database()->addAcDbObject(copy);
      if (es == Acad::eOk) copy->setOwnerId(pOwner->objectId());
    }
  }
  if (es != Acad::eOk) {
    delete copy;
    return es;
  }
  idMap.assign(AcDbIdPair(objectId(), copy->objectId(), true, isPrimary, true));

  for (const DwgMemoryFiler::OwnedId& owned : filer.ownedIds()) {
    if (owned.id.isErased()) continue;
    ScopedReadAccess access(owned.id);
    const AcDbObject* child = access.get();
    if (child == nullptr) continue;
    AcDbObject* childClone = nullptr;
    Acad::ErrorStatus childStatus = child->deepClone(copy, childClone, idMap, false);
    if (childClone != nullptr) childClone->close();
    if (childStatus != Acad::eOk && es == Acad::eOk) es = childStatus;
  }
  pClonedObject = copy;
  return es;
}

Acad::ErrorStatus AcDbObject::createExtensionDictionary() {
  if (stub_ == nullptr) return Acad::eNotInDatabase;
  if (!extensionDictionary_.isNull() && !extensionDictionary_.isErased()) return Acad::eAlreadyInDb;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  auto* dictionary = new AcDbDictionary();
  dictionary->setTreatElementsAsHard(true);
  AcDbObjectId id;
  Acad::ErrorStatus es = database()->addAcDbObject(id, dictionary);
  if (es != Acad::eOk) {
    delete dictionary;
    return es;
  }
  dictionary->setOwnerId(objectId());
  dictionary->close();
  extensionDictionary_ = id;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::releaseExtensionDictionary() {
  if (extensionDictionary_.isNull()) return Acad::eOk;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  const AcDbDictionary* dictionary = AcDbDictionary::cast(peekObject(extensionDictionary_));
  if (dictionary != nullptr && dictionary->numEntries() > 0) return Acad::eNotApplicable;
  eraseOwnedAlong(extensionDictionary_, true);
  extensionDictionary_.setNull();
  return Acad::eOk;
}

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
  obj = nullptr;
  AcDbStub* stub = id;
  if (stub == nullptr) return Acad::eNullObjectId;
  AcDbObject* object = stub->object();
  if (object == nullptr) return Acad::eUnknownHandle;
  if (stub->erased_ && !openErased) return Acad::eWasErased;
  switch (mode) {
    case AcDb::kForRead:
      if (stub->writer_) return Acad::eWasOpenForWrite;
      if (stub->readers_ >= AcDbStub::kMaxReaders) return Acad::eAtMaxReaders;
      break;
    case AcDb::kForWrite:
      if (stub->writer_) return Acad::eWasOpenForWrite;
      if (stub->readers_ > 0) return Acad::eWasOpenForRead;
      if (stub->notifiers_ > 0) return Acad::eWasOpenForNotify;
      break;
    case AcDb::kForNotify:
      if (stub->notifiers_ > 0) return Acad::eWasOpenForNotify;
      break;
    default:
      return Acad::eInvalidOpenState;
  }
  Acad::ErrorStatus es = object->subOpen(mode);
  if (es != Acad::eOk) return es;
  if (mode == AcDb::kForRead) {
    ++stub->readers_;
  } else if (mode == AcDb::kForWrite) {
    stub->writer_ = true;
    object->modified_ = false;
  } else {
    ++stub->notifiers_;
  }
  obj = object;
  return Acad::eOk;
}

Acad::ErrorStatus acdbOpenObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
  return acdbOpenAcDbObject(obj, id, mode, openErased);
}

ScopedReadAccess::ScopedReadAccess(AcDbObjectId id) {
  AcDbObject* object = peekObject(id);
  if (object == nullptr) return;
  if (object->isReadEnabled()) {
    object_ = object;
    return;
  }
  if (acdbOpenAcDbObject(object_, id, AcDb::kForRead, true) == Acad::eOk) {
    opened_ = true;
  } else {
    object_ = nullptr;
  }
}

ScopedReadAccess::~ScopedReadAccess() {
  if (opened_) object_->close();
}
