// Symbol tables: named records (blocks, layers, linetypes) in a table that keeps
// them in the order they were added and finds them by name without regard to case.
#pragma once

#include <string>
#include <vector>

#include "platform/cad/db/db_object.h"
#include "platform/cad/db/filing/resbuf.h"

class AcDbSymbolTableIterator;

class AcDbSymbolTableRecord : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSymbolTableRecord);

  ~AcDbSymbolTableRecord() override;

  // getName(const char*&) points into the record; getName(char*&) hands over a
  // malloc'ed copy (free it with free() or acutDelString).
  Acad::ErrorStatus getName(const char*& pName) const;
  Acad::ErrorStatus getName(char*& pName) const;
  const char* name() const { return name_.c_str(); }
  // eInvalidInput for an empty name, eDuplicateRecordName when another record of
  // the table has it.
  Acad::ErrorStatus setName(const char* pName);
  bool isDependent() const { return false; }
  bool isResolved() const { return true; }

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  AcDbSymbolTableRecord();
  // The standard flags (70) of the record's DXF fields; records add their own bits.
  virtual Adesk::Int16 dxfFlags() const { return 0; }
  virtual void setDxfFlags(Adesk::Int16 /*flags*/) {}
  // For the records' DXF fields: writes the name (2) and flags (70); takes them back
  // from an item (true when the item was one of them).
  Acad::ErrorStatus writeDxfNameAndFlags(AcDbDxfFiler* filer) const;
  bool readDxfNameOrFlags(const resbuf& item);

 private:
  std::string name_;
};

class AcDbSymbolTable : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSymbolTable);

  ~AcDbSymbolTable() override;

  // eKeyNotFound when no (not erased, unless asked) record has the name.
  Acad::ErrorStatus getAt(const char* entryName, AcDbObjectId& recordId, bool getErasedRecord = false) const;
  Acad::ErrorStatus getAt(const char* entryName, AcDbSymbolTableRecord*& pRec, AcDb::OpenMode openMode,
                          bool openErasedRec = false) const;
  bool has(const char* name) const;
  bool has(AcDbObjectId id) const;
  // The table must be open for write (eNotOpenForWrite) and in a drawing (eNoDatabase);
  // eInvalidInput for a record without a name, eDuplicateRecordName for a taken one.
  // A new record joins the drawing and comes back open for write.
  Acad::ErrorStatus add(AcDbSymbolTableRecord* pRecord);
  Acad::ErrorStatus add(AcDbObjectId& recordId, AcDbSymbolTableRecord* pRecord);
  // The caller deletes the iterator.
  Acad::ErrorStatus newIterator(AcDbSymbolTableIterator*& pIterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

  // The live record of the name, without the open check: for the database's own lookups.
  AcDbObjectId findRecordId(const char* name) const;
  // The record ids in table order, erased ones too.
  const std::vector<AcDbObjectId>& recordIds() const { return records_; }

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  AcDbSymbolTable();
  // Which record class the table takes.
  virtual AcRxClass* recordClass() const;

 private:
  friend class AcDbSymbolTableRecord;
  // The record with the name other than except; null when none.
  AcDbSymbolTableRecord* findRecord(const char* name, bool includeErased, AcDbObjectId except) const;

  std::vector<AcDbObjectId> records_;
};

class AcDbSymbolTableIterator {
 public:
  virtual ~AcDbSymbolTableIterator() = default;

  void start(bool atBeginning = true, bool skipDeleted = true);
  bool done() const;
  void step(bool forward = true, bool skipDeleted = true);
  Acad::ErrorStatus getRecordId(AcDbObjectId& id) const;
  Acad::ErrorStatus getRecord(AcDbSymbolTableRecord*& pRecord, AcDb::OpenMode openMode,
                              bool openErasedRec = false) const;
  Acad::ErrorStatus seek(AcDbObjectId id);

 protected:
  friend class AcDbSymbolTable;
  AcDbSymbolTableIterator(std::vector<AcDbObjectId> records, bool atBeginning, bool skipDeleted);
  template <class T>
  Acad::ErrorStatus getRecordAs(T*& pRecord, AcDb::OpenMode openMode, bool openErasedRec) const;

 private:
  void skipErased(bool forward);

  std::vector<AcDbObjectId> records_;  // a snapshot: adding records during the walk is safe
  long index_ = 0;
};

template <class T>
Acad::ErrorStatus AcDbSymbolTableIterator::getRecordAs(T*& pRecord, AcDb::OpenMode openMode, bool openErasedRec) const {
  pRecord = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = getRecordId(id);
  if (es != Acad::eOk) return es;
  return acdbOpenObject(pRecord, id, openMode, openErasedRec);
}
