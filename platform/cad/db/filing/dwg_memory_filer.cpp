#include "platform/cad/db/filing/dwg_memory_filer.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#include "platform/cad/db/db_id_mapping.h"

DwgMemoryFiler::DwgMemoryFiler(AcDb::FilerType type, AcDbDatabase* database) : type_(type), database_(database) {}

void DwgMemoryFiler::clear() {
  items_.clear();
  ownedIds_.clear();
  readIndex_ = 0;
  status_ = Acad::eOk;
}

Acad::ErrorStatus DwgMemoryFiler::put(Item item) {
  if (status_ != Acad::eOk) return status_;
  items_.push_back(std::move(item));
  return Acad::eOk;
}

template <class T>
const T* DwgMemoryFiler::take() {
  if (status_ != Acad::eOk) return nullptr;
  if (readIndex_ >= items_.size()) {
    status_ = Acad::eEndOfFile;
    return nullptr;
  }
  const T* value = std::get_if<T>(&items_[readIndex_]);
  if (value == nullptr) {
    status_ = Acad::eDwgObjectImproperlyRead;
    return nullptr;
  }
  ++readIndex_;
  return value;
}

Acad::ErrorStatus DwgMemoryFiler::writeId(const AcDbObjectId& id, IdKind kind) {
  if ((kind == IdKind::kHardOwnership || kind == IdKind::kSoftOwnership) && !id.isNull()) {
    ownedIds_.push_back({id, kind});
  }
  return put(IdItem{id, kind});
}

Acad::ErrorStatus DwgMemoryFiler::readId(AcDbObjectId* id, IdKind kind) {
  const IdItem* item = take<IdItem>();
  if (item == nullptr) return status_;
  if (item->kind != kind) {
    status_ = Acad::eDwgObjectImproperlyRead;
    return status_;
  }
  AcDbObjectId value = item->id;
  if (translation_ != nullptr && !value.isNull()) {
    AcDbIdPair pair(value, AcDbObjectId(), false);
    if (translation_->compute(pair) && pair.isCloned()) value = pair.value();
  }
  if (id != nullptr) *id = value;
  return Acad::eOk;
}

template <class T>
Acad::ErrorStatus DwgMemoryFiler::readSigned(T* value) {
  const std::int64_t* item = take<std::int64_t>();
  if (item == nullptr) return status_;
  if constexpr (sizeof(T) < sizeof(std::int64_t)) {
    if (*item < std::numeric_limits<T>::min() || *item > std::numeric_limits<T>::max()) {
      status_ = Acad::eDwgObjectImproperlyRead;
      return status_;
    }
  }
  if (value != nullptr) *value = static_cast<T>(*item);
  return Acad::eOk;
}

template <class T>
Acad::ErrorStatus DwgMemoryFiler::readUnsigned(T* value) {
  const std::uint64_t* item = take<std::uint64_t>();
  if (item == nullptr) return status_;
  if constexpr (sizeof(T) < sizeof(std::uint64_t)) {
    if (*item > std::numeric_limits<T>::max()) {
      status_ = Acad::eDwgObjectImproperlyRead;
      return status_;
    }
  }
  if (value != nullptr) *value = static_cast<T>(*item);
  return Acad::eOk;
}

Acad::ErrorStatus DwgMemoryFiler::readHardOwnershipId(AcDbHardOwnershipId* id) {
  return readId(id, IdKind::kHardOwnership);
}
Acad::ErrorStatus DwgMemoryFiler::writeHardOwnershipId(const AcDbHardOwnershipId& id) {
  return writeId(id, IdKind::kHardOwnership);
}
Acad::ErrorStatus DwgMemoryFiler::readSoftOwnershipId(AcDbSoftOwnershipId* id) {
  return readId(id, IdKind::kSoftOwnership);
}
Acad::ErrorStatus DwgMemoryFiler::writeSoftOwnershipId(const AcDbSoftOwnershipId& id) {
  return writeId(id, IdKind::kSoftOwnership);
}
Acad::ErrorStatus DwgMemoryFiler::readHardPointerId(AcDbHardPointerId* id) { return readId(id, IdKind::kHardPointer); }
Acad::ErrorStatus DwgMemoryFiler::writeHardPointerId(const AcDbHardPointerId& id) {
  return writeId(id, IdKind::kHardPointer);
}
Acad::ErrorStatus DwgMemoryFiler::readSoftPointerId(AcDbSoftPointerId* id) { return readId(id, IdKind::kSoftPointer); }
Acad::ErrorStatus DwgMemoryFiler::writeSoftPointerId(const AcDbSoftPointerId& id) {
  return writeId(id, IdKind::kSoftPointer);
}

Acad::ErrorStatus DwgMemoryFiler::readString(char** value) {
  const std::string* item = take<std::string>();
  if (item == nullptr) return status_;
  if (value != nullptr) {
    *value = static_cast<char*>(std::malloc(item->size() + 1));
    if (*value == nullptr) return status_ = Acad::eOutOfMemory;
    std::memcpy(*value, item->c_str(), item->size() + 1);
  }
  return Acad::eOk;
}

Acad::ErrorStatus DwgMemoryFiler::readString(std::string* value) {
  const std::string* item = take<std::string>();
  if (item == nullptr) return status_;
  if (value != nullptr) *value = *item;
  return Acad::eOk;
}

Acad::ErrorStatus DwgMemoryFiler::writeString(const char* value) {
  return put(std::string(value != nullptr ? value : ""));
}

Acad::ErrorStatus DwgMemoryFiler::readBChunk(ads_binary* value) {
  const Bytes* item = take<Bytes>();
  if (item == nullptr) return status_;
  if (value != nullptr) {
    value->clen = static_cast<short>(item->size());
    value->buf = static_cast<char*>(std::malloc(item->empty() ? 1 : item->size()));
    if (value->buf == nullptr) return status_ = Acad::eOutOfMemory;
    if (!item->empty()) std::memcpy(value->buf, item->data(), item->size());
  }
  return Acad::eOk;
}

Acad::ErrorStatus DwgMemoryFiler::writeBChunk(const ads_binary& value) {
  Bytes bytes;
  if (value.buf != nullptr && value.clen > 0) bytes.assign(value.buf, value.buf + value.clen);
  return put(std::move(bytes));
}

Acad::ErrorStatus DwgMemoryFiler::readAcDbHandle(AcDbHandle* value) {
  const AcDbHandle* item = take<AcDbHandle>();
  if (item == nullptr) return status_;
  if (value != nullptr) *value = *item;
  return Acad::eOk;
}
Acad::ErrorStatus DwgMemoryFiler::writeAcDbHandle(const AcDbHandle& value) { return put(value); }

Acad::ErrorStatus DwgMemoryFiler::readInt64(Adesk::Int64* value) { return readSigned(value); }
Acad::ErrorStatus DwgMemoryFiler::writeInt64(Adesk::Int64 value) { return put(std::int64_t{value}); }
Acad::ErrorStatus DwgMemoryFiler::readInt32(Adesk::Int32* value) { return readSigned(value); }
Acad::ErrorStatus DwgMemoryFiler::writeInt32(Adesk::Int32 value) { return put(std::int64_t{value}); }
Acad::ErrorStatus DwgMemoryFiler::readInt16(Adesk::Int16* value) { return readSigned(value); }
Acad::ErrorStatus DwgMemoryFiler::writeInt16(Adesk::Int16 value) { return put(std::int64_t{value}); }
Acad::ErrorStatus DwgMemoryFiler::readInt8(Adesk::Int8* value) { return readSigned(value); }
Acad::ErrorStatus DwgMemoryFiler::writeInt8(Adesk::Int8 value) { return put(std::int64_t{value}); }
Acad::ErrorStatus DwgMemoryFiler::readUInt32(Adesk::UInt32* value) { return readUnsigned(value); }
Acad::ErrorStatus DwgMemoryFiler::writeUInt32(Adesk::UInt32 value) { return put(std::uint64_t{value}); }
Acad::ErrorStatus DwgMemoryFiler::readUInt16(Adesk::UInt16* value) { return readUnsigned(value); }
Acad::ErrorStatus DwgMemoryFiler::writeUInt16(Adesk::UInt16 value) { return put(std::uint64_t{value}); }
Acad::ErrorStatus DwgMemoryFiler::readUInt8(Adesk::UInt8* value) { return readUnsigned(value); }
Acad::ErrorStatus DwgMemoryFiler::writeUInt8(Adesk::UInt8 value) { return put(std::uint64_t{value}); }

Acad::ErrorStatus DwgMemoryFiler::readBool(bool* value) {
  const bool* item = take<bool>();
  if (item == nullptr) return status_;
  if (value != nullptr) *value = *item;
  return Acad::eOk;
}
Acad::ErrorStatus DwgMemoryFiler::writeBool(bool value) { return put(value); }

Acad::ErrorStatus DwgMemoryFiler::readDouble(double* value) {
  const double* item = take<double>();
  if (item == nullptr) return status_;
  if (value != nullptr) *value = *item;
  return Acad::eOk;
}
Acad::ErrorStatus DwgMemoryFiler::writeDouble(double value) { return put(value); }

#define DWG_MEMORY_FILER_VALUE(TYPE, NAME)                    \
  Acad::ErrorStatus DwgMemoryFiler::read##NAME(TYPE* value) { \
    const TYPE* item = take<TYPE>();                          \
    if (item == nullptr) return status_;                      \
    if (value != nullptr) *value = *item;                     \
    return Acad::eOk;                                         \
  }                                                           \
  Acad::ErrorStatus DwgMemoryFiler::write##NAME(const TYPE& value) { return put(value); }

DWG_MEMORY_FILER_VALUE(AcGePoint2d, Point2d)
DWG_MEMORY_FILER_VALUE(AcGePoint3d, Point3d)
DWG_MEMORY_FILER_VALUE(AcGeVector2d, Vector2d)
DWG_MEMORY_FILER_VALUE(AcGeVector3d, Vector3d)
DWG_MEMORY_FILER_VALUE(AcGeScale3d, Scale3d)
#undef DWG_MEMORY_FILER_VALUE

Acad::ErrorStatus DwgMemoryFiler::readBytes(void* buffer, Adesk::UInt32 length) {
  const Bytes* item = take<Bytes>();
  if (item == nullptr) return status_;
  if (item->size() != length) {
    status_ = Acad::eDwgObjectImproperlyRead;
    return status_;
  }
  if (buffer != nullptr && length > 0) std::memcpy(buffer, item->data(), length);
  return Acad::eOk;
}

Acad::ErrorStatus DwgMemoryFiler::writeBytes(const void* buffer, Adesk::UInt32 length) {
  Bytes bytes(length);
  if (buffer != nullptr && length > 0) std::memcpy(bytes.data(), buffer, length);
  return put(std::move(bytes));
}

Acad::ErrorStatus DwgMemoryFiler::readAddress(void** value) {
  const void* const* item = take<const void*>();
  if (item == nullptr) return status_;
  if (value != nullptr) *value = const_cast<void*>(*item);
  return Acad::eOk;
}
Acad::ErrorStatus DwgMemoryFiler::writeAddress(const void* value) { return put(value); }
