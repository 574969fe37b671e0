// The layer table and its records (on/off, frozen, locked, colour, linetype, line
// weight, plotting and plot style).
#pragma once

#include "platform/cad/db/db_color.h"
#include "platform/cad/db/tables/db_symbol_table.h"

class AcDbLayerTableIterator;

class AcDbLayerTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLayerTableRecord);

  AcDbLayerTableRecord();
  ~AcDbLayerTableRecord() override;

  bool isOff() const { return off_; }
  void setIsOff(bool off);
  bool isFrozen() const { return frozen_; }
  Acad::ErrorStatus setIsFrozen(bool frozen);
  bool isLocked() const { return locked_; }
  void setIsLocked(bool locked);
  AcCmColor color() const { return color_; }
  void setColor(const AcCmColor& color);
  AcDbObjectId linetypeObjectId() const { return linetypeId_; }
  void setLinetypeObjectId(AcDbObjectId id);
  AcDb::LineWeight lineWeight() const { return lineWeight_; }
  Acad::ErrorStatus setLineWeight(AcDb::LineWeight weight);
  bool isPlottable() const { return plottable_; }
  Acad::ErrorStatus setIsPlottable(bool plottable);
  // The plot style placeholder object the layer names (null when it names none).
  AcDbObjectId plotStyleNameId() const { return plotStyleId_; }
  Acad::ErrorStatus setPlotStyleName(const AcDbObjectId& id);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  Adesk::Int16 dxfFlags() const override;
  void setDxfFlags(Adesk::Int16 flags) override;

 private:
  bool off_ = false;
  bool frozen_ = false;
  bool locked_ = false;
  AcCmColor color_;
  AcDbObjectId linetypeId_;
  AcDb::LineWeight lineWeight_ = AcDb::kLnWtByLwDefault;
  bool plottable_ = true;
  AcDbObjectId plotStyleId_;
};

class AcDbLayerTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLayerTable);

  AcDbLayerTable();
  ~AcDbLayerTable() override;

  using AcDbSymbolTable::getAt;
  Acad::ErrorStatus getAt(const char* entryName, AcDbLayerTableRecord*& pRec, AcDb::OpenMode openMode,
                          bool openErasedRec = false) const;
  using AcDbSymbolTable::newIterator;
  Acad::ErrorStatus newIterator(AcDbLayerTableIterator*& pIterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

 protected:
  AcRxClass* recordClass() const override;
};

class AcDbLayerTableIterator : public AcDbSymbolTableIterator {
 public:
  Acad::ErrorStatus getRecord(AcDbLayerTableRecord*& pRecord, AcDb::OpenMode openMode,
                              bool openErasedRec = false) const {
    return getRecordAs(pRecord, openMode, openErasedRec);
  }

 private:
  friend class AcDbLayerTable;
  using AcDbSymbolTableIterator::AcDbSymbolTableIterator;
};
