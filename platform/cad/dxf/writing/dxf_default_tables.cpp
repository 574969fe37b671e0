#include "platform/cad/dxf/writing/dxf_default_tables.h"

#include <algorithm>

#include "platform/cad/db/db_database.h"
#include "platform/cad/dxf/writing/dxf_group_writer.h"

namespace {

void recordHead(DxfGroupWriter& out, const char* type, int handleCode, const AcDbHandle& handle,
                const AcDbHandle& tableHandle, const char* subclass, const char* name) {
  out.plain(0, type);
  out.handle(handleCode, handle);
  out.handle(330, tableHandle);
  out.plain(100, "AcDbSymbolTableRecord");
  out.plain(100, subclass);
  out.plain(2, name);
  out.integer(70, 0);
}

// The active viewport looks at the drawing's extents, or at a unit area when it has none.
void activeViewport(DxfGroupWriter& out, const AcDbHandle& handle, const AcDbHandle& tableHandle,
                    const AcDbDatabase& database) {
  recordHead(out, "VPORT", 5, handle, tableHandle, "AcDbViewportTableRecord", "*Active");
  const AcGePoint3d low = database.extmin(), high = database.extmax();
  const bool hasExtents = high.x > low.x && high.y > low.y;
  const double centerX = hasExtents ? (low.x + high.x) / 2 : 0.5;
  const double centerY = hasExtents ? (low.y + high.y) / 2 : 0.5;
  const double height = hasExtents ? std::max(high.y - low.y, (high.x - low.x) / 1.5) * 1.1 : 10.0;
  out.point2d(10, 0.0, 0.0);
  out.point2d(11, 1.0, 1.0);
  out.point2d(12, centerX, centerY);
  out.point2d(13, 0.0, 0.0);
  out.point2d(14, 0.5, 0.5);
  out.point2d(15, 0.5, 0.5);
  out.point(16, 0.0, 0.0, 1.0);
  out.point(17, 0.0, 0.0, 0.0);
  out.real(40, height);
  out.real(41, 1.5);
  out.real(42, 50.0);
  out.real(43, 0.0);
  out.real(44, 0.0);
  out.real(50, 0.0);
  out.real(51, 0.0);
  out.integer(71, 0);
  out.integer(72, 100);
  out.integer(73, 1);
  out.integer(74, 3);
  out.integer(75, 0);
  out.integer(76, 0);
  out.integer(77, 0);
  out.integer(78, 0);
}

void standardTextStyle(DxfGroupWriter& out, const AcDbHandle& handle, const AcDbHandle& tableHandle) {
  recordHead(out, "STYLE", 5, handle, tableHandle, "AcDbTextStyleTableRecord", "Standard");
  out.real(40, 0.0);
  out.real(41, 1.0);
  out.real(50, 0.0);
  out.integer(71, 0);
  out.real(42, 2.5);
  out.plain(3, "txt");
  out.plain(4, "");
}

void standardDimensionStyle(DxfGroupWriter& out, const AcDbHandle& handle, const AcDbHandle& tableHandle) {
  recordHead(out, "DIMSTYLE", 105, handle, tableHandle, "AcDbDimStyleTableRecord", "Standard");
}

}  // namespace

void writeDefaultTableText(DxfGroupWriter& out, const std::string& tableName, const AcDbHandle& tableHandle,
                           const std::function<AcDbHandle()>& newHandle, const AcDbDatabase& database,
                           const std::function<void()>& moreRecords) {
  const bool hasRecord =
      tableName == "VPORT" || tableName == "STYLE" || tableName == "APPID" || tableName == "DIMSTYLE";
  out.plain(0, "TABLE");
  out.plain(2, tableName);
  out.handle(5, tableHandle);
  out.plain(330, "0");
  out.plain(100, "AcDbSymbolTable");
  out.integer(70, hasRecord ? 1 : 0);
  if (tableName == "DIMSTYLE") {
    out.plain(100, "AcDbDimStyleTable");
    out.integer(71, 0);
  }
  if (tableName == "VPORT") {
    activeViewport(out, newHandle(), tableHandle, database);
  } else if (tableName == "STYLE") {
    standardTextStyle(out, newHandle(), tableHandle);
  } else if (tableName == "APPID") {
    recordHead(out, "APPID", 5, newHandle(), tableHandle, "AcDbRegAppTableRecord", "ACAD");
  } else if (tableName == "DIMSTYLE") {
    standardDimensionStyle(out, newHandle(), tableHandle);
  }
  if (moreRecords) moreRecords();
  out.plain(0, "ENDTAB");
}
