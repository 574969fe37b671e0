// The block table and its records: "*Model_Space", "*Paper_Space" and user blocks,
// each holding entities in the order they were appended.
#pragma once

#include <string>
#include <vector>

#include "platform/cad/db/tables/db_symbol_table.h"
#include "platform/cad/ge/ge_point3d.h"

class AcDbEntity;
class AcDbBlockTableIterator;
class AcDbBlockTableRecordIterator;

class AcDbBlockTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockTableRecord);

  AcDbBlockTableRecord();
  ~AcDbBlockTableRecord() override;

  // The record must be open for write and in a drawing; the entity must be new (or
  // in this drawing and owned by no record). It joins the drawing open for write; the
  // caller closes it. On failure the entity stays the caller's.
  Acad::ErrorStatus appendAcDbEntity(AcDbEntity* pEntity);
  Acad::ErrorStatus appendAcDbEntity(AcDbObjectId& pOutputId, AcDbEntity* pEntity);
  // The caller deletes the iterator.
  Acad::ErrorStatus newIterator(AcDbBlockTableRecordIterator*& pIterator, bool atBeginning = true,
                                bool skipDeleted = true) const;
  // The entity ids in record order, erased ones too.
  const std::vector<AcDbObjectId>& entityIds() const { return entities_; }

  // comments(char*&) and pathName(char*&) hand over malloc'ed copies; the const char*&
  // forms point into the record.
  Acad::ErrorStatus comments(char*& pString) const;
  Acad::ErrorStatus comments(const char*& pString) const;
  Acad::ErrorStatus setComments(const char* pString);
  Acad::ErrorStatus pathName(char*& pPath) const;
  Acad::ErrorStatus pathName(const char*& pPath) const;
  Acad::ErrorStatus setPathName(const char* pathStr);
  AcGePoint3d origin() const { return origin_; }
  Acad::ErrorStatus setOrigin(const AcGePoint3d& pt);
  // *Model_Space and *Paper_Space (and *Paper_Space0 ...).
  bool isLayout() const;
  bool isAnonymous() const;
  bool isFromExternalReference() const { return false; }
  // True when an entity of the record is an attribute definition.
  bool hasAttributeDefinitions() const;

  Acad::ErrorStatus subErase(Adesk::Boolean erasing) override;
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  Adesk::Int16 dxfFlags() const override;

 private:
  std::vector<AcDbObjectId> entities_;
  std::string comments_;
  std::string pathName_;
  AcGePoint3d origin_;
};

class AcDbBlockTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockTable);

  AcDbBlockTable();
  ~AcDbBlockTable() override;

  using AcDbSymbolTable::getAt;
  Acad::ErrorStatus getAt(const char* entryName, AcDbBlockTableRecord*& pRec, AcDb::OpenMode openMode,
                          bool openErasedRec = false) const;
  using AcDbSymbolTable::newIterator;
  Acad::ErrorStatus newIterator(AcDbBlockTableIterator*& pIterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

 protected:
  AcRxClass* recordClass() const override;
};

class AcDbBlockTableIterator : public AcDbSymbolTableIterator {
 public:
  Acad::ErrorStatus getRecord(AcDbBlockTableRecord*& pRecord, AcDb::OpenMode openMode,
                              bool openErasedRec = false) const {
    return getRecordAs(pRecord, openMode, openErasedRec);
  }

 private:
  friend class AcDbBlockTable;
  using AcDbSymbolTableIterator::AcDbSymbolTableIterator;
};

class AcDbBlockTableRecordIterator {
 public:
  void start(bool atBeginning = true, bool skipDeleted = true);
  bool done() const;
  void step(bool forward = true, bool skipDeleted = true);
  Acad::ErrorStatus getEntityId(AcDbObjectId& entityId) const;
  Acad::ErrorStatus getEntity(AcDbEntity*& pEntity, AcDb::OpenMode openMode, bool openErasedEntity = false) const;
  Acad::ErrorStatus seek(AcDbObjectId id);
  // The record being walked.
  AcDbObjectId blockTableRecord() const { return record_; }

 private:
  friend class AcDbBlockTableRecord;
  AcDbBlockTableRecordIterator(AcDbObjectId record, std::vector<AcDbObjectId> entities, bool atBeginning,
                               bool skipDeleted);
  void skipErased(bool forward);

  AcDbObjectId record_;
  std::vector<AcDbObjectId> entities_;  // a snapshot: appending during the walk is safe
  long index_ = 0;
};
