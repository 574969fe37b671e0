// DwgMemoryFiler: a DWG filer over memory, used for clone, undo and deep clone.
// Every item keeps its type, so a read that does not mirror the write is caught
// (eDwgObjectImproperlyRead) instead of misreading bytes.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "platform/cad/db/filing/db_dwg_filer.h"

class AcDbIdMapping;

class DwgMemoryFiler : public AcDbDwgFiler {
 public:
  enum class IdKind { kHardOwnership, kSoftOwnership, kHardPointer, kSoftPointer };
  struct OwnedId {
    AcDbObjectId id;
    IdKind kind;
  };

  explicit DwgMemoryFiler(AcDb::FilerType type = AcDb::kCopyFiler, AcDbDatabase* database = nullptr);

  // Back to the first item for reading; the written items stay.
  void rewind() { readIndex_ = 0; }
  void clear();
  std::size_t itemCount() const { return items_.size(); }
  // Ownership ids written so far, in order: what a deep clone must clone along.
  const std::vector<OwnedId>& ownedIds() const { return ownedIds_; }
  // While set, ids read back are translated: a cloned key becomes its clone.
  void setIdTranslation(const AcDbIdMapping* mapping) { translation_ = mapping; }

  Acad::ErrorStatus filerStatus() const override { return status_; }
  AcDb::FilerType filerType() const override { return type_; }
  void setFilerStatus(Acad::ErrorStatus status) override { status_ = status; }
  void resetFilerStatus() override { status_ = Acad::eOk; }
  AcDbDatabase* database() const override { return database_; }

  Acad::ErrorStatus readHardOwnershipId(AcDbHardOwnershipId* id) override;
  Acad::ErrorStatus writeHardOwnershipId(const AcDbHardOwnershipId& id) override;
  Acad::ErrorStatus readSoftOwnershipId(AcDbSoftOwnershipId* id) override;
  Acad::ErrorStatus writeSoftOwnershipId(const AcDbSoftOwnershipId& id) override;
  Acad::ErrorStatus readHardPointerId(AcDbHardPointerId* id) override;
  Acad::ErrorStatus writeHardPointerId(const AcDbHardPointerId& id) override;
  Acad::ErrorStatus readSoftPointerId(AcDbSoftPointerId* id) override;
  Acad::ErrorStatus writeSoftPointerId(const AcDbSoftPointerId& id) override;
  Acad::ErrorStatus readString(char** value) override;
  Acad::ErrorStatus readString(std::string* value) override;
  Acad::ErrorStatus writeString(const char* value) override;
  Acad::ErrorStatus readBChunk(ads_binary* value) override;
  Acad::ErrorStatus writeBChunk(const ads_binary& value) override;
  Acad::ErrorStatus readAcDbHandle(AcDbHandle* value) override;
  Acad::ErrorStatus writeAcDbHandle(const AcDbHandle& value) override;
  Acad::ErrorStatus readInt64(Adesk::Int64* value) override;
  Acad::ErrorStatus writeInt64(Adesk::Int64 value) override;
  Acad::ErrorStatus readInt32(Adesk::Int32* value) override;
  Acad::ErrorStatus writeInt32(Adesk::Int32 value) override;
  Acad::ErrorStatus readInt16(Adesk::Int16* value) override;
  Acad::ErrorStatus writeInt16(Adesk::Int16 value) override;
  Acad::ErrorStatus readInt8(Adesk::Int8* value) override;
  Acad::ErrorStatus writeInt8(Adesk::Int8 value) override;
  Acad::ErrorStatus readUInt32(Adesk::UInt32* value) override;
  Acad::ErrorStatus writeUInt32(Adesk::UInt32 value) override;
  Acad::ErrorStatus readUInt16(Adesk::UInt16* value) override;
  Acad::ErrorStatus writeUInt16(Adesk::UInt16 value) override;
  Acad::ErrorStatus readUInt8(Adesk::UInt8* value) override;
  Acad::ErrorStatus writeUInt8(Adesk::UInt8 value) override;
  Acad::ErrorStatus readBool(bool* value) override;
  Acad::ErrorStatus writeBool(bool value) override;
  Acad::ErrorStatus readDouble(double* value) override;
  Acad::ErrorStatus writeDouble(double value) override;
  Acad::ErrorStatus readPoint2d(AcGePoint2d* value) override;
  Acad::ErrorStatus writePoint2d(const AcGePoint2d& value) override;
  Acad::ErrorStatus readPoint3d(AcGePoint3d* value) override;
  Acad::ErrorStatus writePoint3d(const AcGePoint3d& value) override;
  Acad::ErrorStatus readVector2d(AcGeVector2d* value) override;
  Acad::ErrorStatus writeVector2d(const AcGeVector2d& value) override;
  Acad::ErrorStatus readVector3d(AcGeVector3d* value) override;
  Acad::ErrorStatus writeVector3d(const AcGeVector3d& value) override;
  Acad::ErrorStatus readScale3d(AcGeScale3d* value) override;
  Acad::ErrorStatus writeScale3d(const AcGeScale3d& value) override;
  Acad::ErrorStatus readBytes(void* buffer, Adesk::UInt32 length) override;
  Acad::ErrorStatus writeBytes(const void* buffer, Adesk::UInt32 length) override;
  Acad::ErrorStatus readAddress(void** value) override;
  Acad::ErrorStatus writeAddress(const void* value) override;

 private:
  struct IdItem {
    AcDbObjectId id;
    IdKind kind;
  };
  using Bytes = std::vector<std::uint8_t>;
  using Item = std::variant<IdItem, std::string, Bytes, AcDbHandle, std::int64_t, std::uint64_t, bool, double,
                            AcGePoint2d, AcGePoint3d, AcGeVector2d, AcGeVector3d, AcGeScale3d, const void*>;

  Acad::ErrorStatus put(Item item);
  // The next item if it holds a T; else the status is set and null comes back.
  template <class T>
  const T* take();
  Acad::ErrorStatus readId(AcDbObjectId* id, IdKind kind);
  Acad::ErrorStatus writeId(const AcDbObjectId& id, IdKind kind);
  template <class T>
  Acad::ErrorStatus readSigned(T* value);
  template <class T>
  Acad::ErrorStatus readUnsigned(T* value);

  AcDb::FilerType type_;
  AcDbDatabase* database_;
  Acad::ErrorStatus status_ = Acad::eOk;
  std::vector<Item> items_;
  std::size_t readIndex_ = 0;
  std::vector<OwnedId> ownedIds_;
  const AcDbIdMapping* translation_ = nullptr;
};
