#include "platform/cad/dxf/dxf_kept_records.h"

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_dwg_filer.h"
#include "platform/cad/db/rx_class.h"

#include <cstdlib>

CADDB_DEFINE_BUILTIN_MEMBERS(DxfUnknownObject, AcDbObject, nullptr)
CADDB_DEFINE_BUILTIN_MEMBERS(DxfUnknownEntity, AcDbEntity, nullptr)

namespace {

resbuf resbufFromItem(const DxfItem& item, AcDbDatabase* database) {
  resbuf rb{};
  rb.restype = item.code;
  switch (item.kind) {
    case AcDb::kDxfValueString:
    case AcDb::kDxfValueHandle:
    case AcDb::kDxfValueUnknown:
      rb.resval.rstring = const_cast<char*>(item.text.c_str());
      break;
    case AcDb::kDxfValueReal:
      rb.resval.rreal = item.reals[0];
      break;
    case AcDb::kDxfValuePoint:
      for (int i = 0; i < 3; ++i) rb.resval.rpoint[i] = item.reals[i];
      break;
    case AcDb::kDxfValueInt16:
    case AcDb::kDxfValueBool:
      rb.resval.rint = static_cast<short>(item.integer);
      break;
    case AcDb::kDxfValueInt32:
      rb.resval.rlong = static_cast<std::int32_t>(item.integer);
      break;
    case AcDb::kDxfValueInt64:
      rb.resval.rlong64 = item.integer;
      break;
    case AcDb::kDxfValueObjectId: {
      AcDbObjectId id;
      const AcDbHandle handle(item.text.c_str());
      if (database != nullptr && !handle.isNull()) database->getAcDbObjectId(id, false, handle);
      acdbGetAdsName(rb.resval.rlname, id);
      break;
    }
    case AcDb::kDxfValueBinary:
      rb.resval.rbinary.clen = static_cast<short>(item.bytes.size());
      rb.resval.rbinary.buf = const_cast<char*>(reinterpret_cast<const char*>(item.bytes.data()));
      break;
  }
  return rb;
}

// The items of an entity's object part (handle, groups in braces, owner) and of its
// "100 AcDbEntity" part as far as that holds only fields the entity writes again.
std::size_t commonEntityPart(const std::vector<DxfItem>& items) {
  std::size_t i = 0;
  bool inBraces = false;
  for (; i < items.size(); ++i) {
    const short code = items[i].code;
    if (code == 102) {
      inBraces = items[i].text != "}";
    } else if (!inBraces && code != 5 && code != 330) {
      break;
    }
  }
  if (i < items.size() && items[i].code == 100 && items[i].text == "AcDbEntity") ++i;
  for (; i < items.size(); ++i) {
    const short code = items[i].code;
    if (code != 8 && code != 6 && code != 62 && code != 48 && code != 60 && code != 67) break;
  }
  return i;
}

}  // namespace

Acad::ErrorStatus DxfKeptGroups::readRest(AcDbDxfFiler* filer) {
  items_.clear();
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) items_.push_back(DxfItem::fromResbuf(rb));
  return filer->filerStatus() == Acad::eEndOfFile ? Acad::eOk : filer->filerStatus();
}

Acad::ErrorStatus DxfKeptGroups::writeRest(AcDbDxfFiler* filer) const {
  for (const DxfItem& item : items_) {
    // A kept 2D point stays 2D: item filers take the dimensions from the item written.
    if (auto* itemFiler = dynamic_cast<DxfItemFiler*>(filer)) {
      itemFiler->append(item);
      continue;
    }
    const resbuf rb = resbufFromItem(item, filer->database());
    Acad::ErrorStatus es = filer->writeItem(rb);
    if (es != Acad::eOk) return es;
  }
  return filer->filerStatus();
}

Acad::ErrorStatus DxfKeptGroups::writeRest(AcDbDwgFiler* filer) const {
  filer->writeInt16(role_);
  filer->writeString(dxfName_.c_str());
  filer->writeString(tableName_.c_str());
  filer->writeUInt32(static_cast<Adesk::UInt32>(items_.size()));
  for (const DxfItem& item : items_) {
    filer->writeInt16(item.code);
    filer->writeInt16(static_cast<Adesk::Int16>(item.kind));
    filer->writeString(item.text.c_str());
    for (double real : item.reals) filer->writeDouble(real);
    filer->writeInt16(static_cast<Adesk::Int16>(item.dimensions));
    filer->writeInt64(item.integer);
    ads_binary chunk{static_cast<short>(item.bytes.size()),
                     const_cast<char*>(reinterpret_cast<const char*>(item.bytes.data()))};
    filer->writeBChunk(chunk);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus DxfKeptGroups::readRest(AcDbDwgFiler* filer) {
  std::string name, table;
  Adesk::UInt32 count = 0;
  Adesk::Int16 role = kRecord;
  filer->readInt16(&role);
  filer->readString(&name);
  filer->readString(&table);
  filer->readUInt32(&count);
  std::vector<DxfItem> items;
  for (Adesk::UInt32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    DxfItem item;
    Adesk::Int16 kind = 0, dimensions = 0;
    filer->readInt16(&item.code);
    filer->readInt16(&kind);
    item.kind = static_cast<AcDb::DxfValueKind>(kind);
    filer->readString(&item.text);
    for (double& real : item.reals) filer->readDouble(&real);
    filer->readInt16(&dimensions);
    item.dimensions = dimensions;
    filer->readInt64(&item.integer);
    ads_binary chunk{0, nullptr};
    filer->readBChunk(&chunk);
    if (chunk.buf != nullptr) {
      item.bytes.assign(chunk.buf, chunk.buf + chunk.clen);
      std::free(chunk.buf);
    }
    items.push_back(std::move(item));
  }
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  role_ = static_cast<Role>(role);
  dxfName_ = std::move(name);
  tableName_ = std::move(table);
  items_ = std::move(items);
  return Acad::eOk;
}

DxfUnknownObject::~DxfUnknownObject() = default;

Acad::ErrorStatus DxfUnknownObject::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  return readRest(filer);
}

Acad::ErrorStatus DxfUnknownObject::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  return writeRest(filer);
}

Acad::ErrorStatus DxfUnknownObject::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  return readRest(filer);
}

Acad::ErrorStatus DxfUnknownObject::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  return writeRest(filer);
}

DxfUnknownEntity::~DxfUnknownEntity() = default;

Acad::ErrorStatus DxfUnknownEntity::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  return readRest(filer);
}

Acad::ErrorStatus DxfUnknownEntity::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  return writeRest(filer);
}

Acad::ErrorStatus DxfUnknownEntity::dxfInFields(AcDbDxfFiler* filer) {
  // The common entity fields read over all groups of their part, dropping those the
  // drawing does not keep: here they take only those they write again, so that every
  // other group stays among the kept ones.
  auto* items = dynamic_cast<DxfItemFiler*>(filer);
  if (items == nullptr) {
    Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
    if (es != Acad::eOk) return es;
    if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
    return readRest(filer);
  }
  const std::vector<DxfItem>& all = items->items();
  DxfItemFiler common(std::vector<DxfItem>(all.begin(), all.begin() + static_cast<long>(commonEntityPart(all))),
                      filer->database());
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(&common);
  if (es != Acad::eOk) return es;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  resbuf skipped;
  for (std::size_t i = 0; i < common.position(); ++i) items->readItem(&skipped);
  return readRest(filer);
}

Acad::ErrorStatus DxfUnknownEntity::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  return writeRest(filer);
}

const DxfKeptGroups* keptGroupsOf(const AcDbObject* object) {
  // Asked of every object read and written; the two classes have no subclasses.
  if (object == nullptr) return nullptr;
  const AcRxClass* rxClass = object->isA();
  if (rxClass == DxfUnknownEntity::desc()) return static_cast<const DxfUnknownEntity*>(object);
  if (rxClass == DxfUnknownObject::desc()) return static_cast<const DxfUnknownObject*>(object);
  return nullptr;
}
