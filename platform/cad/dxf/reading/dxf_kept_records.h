// Records of a DXF file that this program has no class for, kept so that saving
// writes them back: entities and objects of other programs, and the symbol tables,
// table records and block boundaries (BLOCK, ENDBLK) the database does not model.
//
// Each keeps its handle and owner as any object does; every group after those (after
// the common entity fields for an entity) is kept as it came, references as handles.
#pragma once

#include <string>
#include <vector>

#include "platform/cad/db/entities/db_entity.h"
#include "platform/cad/db/filing/dxf_item_filer.h"

// The groups after the common fields, shared by both kept classes.
class DxfKeptGroups {
 public:
  // What the kept record is: an entity or object written where it stands, or a part
  // of the file's frame that the database does not model.
  enum Role : short { kRecord = 0, kTable, kTableRecord, kBlockBegin, kBlockEnd, kClasses, kHeader };

  Role role() const { return role_; }
  void setRole(Role role) { role_ = role; }
  const std::string& dxfName() const { return dxfName_; }
  void setDxfName(std::string name) { dxfName_ = std::move(name); }
  // For a kept table: the name of the table ("STYLE"); empty otherwise.
  const std::string& tableName() const { return tableName_; }
  void setTableName(std::string name) { tableName_ = std::move(name); }
  const std::vector<DxfItem>& items() const { return items_; }
  void setItems(std::vector<DxfItem> items) { items_ = std::move(items); }

  Acad::ErrorStatus readRest(AcDbDxfFiler* filer);
  Acad::ErrorStatus writeRest(AcDbDxfFiler* filer) const;
  Acad::ErrorStatus readRest(AcDbDwgFiler* filer);
  Acad::ErrorStatus writeRest(AcDbDwgFiler* filer) const;

 private:
  Role role_ = kRecord;
  std::string dxfName_;
  std::string tableName_;
  std::vector<DxfItem> items_;
};

class DxfUnknownObject : public AcDbObject, public DxfKeptGroups {
 public:
  ACRX_DECLARE_MEMBERS(DxfUnknownObject);
  DxfUnknownObject() = default;
  ~DxfUnknownObject() override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
};

class DxfUnknownEntity : public AcDbEntity, public DxfKeptGroups {
 public:
  ACRX_DECLARE_MEMBERS(DxfUnknownEntity);
  DxfUnknownEntity() = default;
  ~DxfUnknownEntity() override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
};

// The kept groups of an object, or null when it is of a known class.
const DxfKeptGroups* keptGroupsOf(const AcDbObject* object);
