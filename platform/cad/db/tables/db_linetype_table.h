// The linetype table and its records: a dash pattern (positive dashes, negative
// gaps, zero dots) with its description.
#pragma once

#include <string>
#include <vector>

#include "platform/cad/db/tables/db_symbol_table.h"

class AcDbLinetypeTableIterator;

class AcDbLinetypeTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLinetypeTableRecord);

  AcDbLinetypeTableRecord();
  ~AcDbLinetypeTableRecord() override;

  // The description: comments(char*&) hands over a malloc'ed copy.
  Acad::ErrorStatus comments(char*& pString) const;
  Acad::ErrorStatus comments(const char*& pString) const;
  Acad::ErrorStatus setComments(const char* pString);
  Acad::ErrorStatus asciiDescription(const char*& pString) const { return comments(pString); }
  Acad::ErrorStatus setAsciiDescription(const char* pString) { return setComments(pString); }

  double patternLength() const { return patternLength_; }
  void setPatternLength(double patternLength);
  int numDashes() const { return static_cast<int>(dashes_.size()); }
  void setNumDashes(int count);
  double dashLengthAt(int index) const;
  void setDashLengthAt(int index, double value);
  bool isScaledToFit() const { return scaledToFit_; }
  void setIsScaledToFit(bool scaledToFit);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  std::string comments_;
  double patternLength_ = 0.0;
  std::vector<double> dashes_;
  bool scaledToFit_ = false;
};

class AcDbLinetypeTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLinetypeTable);

  AcDbLinetypeTable();
  ~AcDbLinetypeTable() override;

  using AcDbSymbolTable::getAt;
  Acad::ErrorStatus getAt(const char* entryName, AcDbLinetypeTableRecord*& pRec, AcDb::OpenMode openMode,
                          bool openErasedRec = false) const;
  using AcDbSymbolTable::newIterator;
  Acad::ErrorStatus newIterator(AcDbLinetypeTableIterator*& pIterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

 protected:
  AcRxClass* recordClass() const override;
};

class AcDbLinetypeTableIterator : public AcDbSymbolTableIterator {
 public:
  Acad::ErrorStatus getRecord(AcDbLinetypeTableRecord*& pRecord, AcDb::OpenMode openMode,
                              bool openErasedRec = false) const {
    return getRecordAs(pRecord, openMode, openErasedRec);
  }

 private:
  friend class AcDbLinetypeTable;
  using AcDbSymbolTableIterator::AcDbSymbolTableIterator;
};

// A linetype of a .lin text.
struct LinetypeDefinition {
  std::string name;
  std::string description;
  std::vector<double> dashes;
};
// Parses .lin text ("*NAME,description" then "A,dash,gap,..."); ';;' starts a comment.
// Complex elements in brackets are skipped.
std::vector<LinetypeDefinition> parseLinetypeText(const std::string& text);
// The linetype text built into this library (our own ACAD_ISO03W100, DASHED, HIDDEN,
// CENTER, PHANTOM, DOT, DASHDOT).
const char* builtinLinetypeText();
