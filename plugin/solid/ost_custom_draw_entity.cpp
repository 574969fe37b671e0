#include "plugin/solid/ost_custom_draw_entity.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/cad/db/filing/db_dwg_filer.h"
#include "platform/cad/db/filing/db_dxf_filer.h"
#include "platform/cad/db/graphics/gi_world_draw.h"
#include "platform/cad/db/runtime/rx_class.h"

ACRX_DXF_DEFINE_MEMBERS(OstCustomDrawEntity, AcDbEntity, 23, 13, 0, OST_CUSTOM_DRAW_ENTITY, Ostfacet)

namespace {

constexpr const char* kSubclassMarker = "OstCustomDrawEntity";
// Counts read are trusted only this far before the data behind them is seen:
// a damaged count must not reserve memory it names.
constexpr std::size_t kReserveLimit = 1 << 16;

bool IsFinite(const AcGePoint3d& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

// Face colours are colour indexes: 0 by block to 256 by layer.
bool IsColorIndex(short color) { return color >= 0 && color <= 256; }

// A shell read from a record, checked before it replaces anything.
Acad::ErrorStatus CheckedShell(FacetShell& shell) {
  if (!std::all_of(shell.vertices.begin(), shell.vertices.end(), IsFinite)) return Acad::eInvalidInput;
  if (!std::all_of(shell.faceColors.begin(), shell.faceColors.end(), IsColorIndex)) return Acad::eInvalidInput;
  return IsConsistent(shell) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus ReadCount(AcDbDwgFiler* filer, std::size_t& count) {
  Adesk::Int32 value = 0;
  if (filer->readItem(&value) != Acad::eOk) return filer->filerStatus();
  if (value < 0) return Acad::eInvalidInput;
  count = static_cast<std::size_t>(value);
  return Acad::eOk;
}

Acad::ErrorStatus Refuse(AcDbDxfFiler* filer, const char* what) {
  return filer->setError(Acad::eInvalidInput, "\nError: %s", what);
}

// The next item, which must carry the group code; anything else is pushed back.
bool ReadGroup(AcDbDxfFiler* filer, int code, resbuf& rb) {
  if (filer->readItem(&rb) != Acad::eOk) return false;
  if (rb.restype == code) return true;
  filer->pushBackItem();
  return false;
}

bool ReadDxfCount(AcDbDxfFiler* filer, std::size_t& count) {
  resbuf rb;
  if (!ReadGroup(filer, AcDb::kDxfInt32, rb) || rb.resval.rlong < 0) return false;
  count = static_cast<std::size_t>(rb.resval.rlong);
  return true;
}

}  // namespace

OstCustomDrawEntity::OstCustomDrawEntity() = default;
OstCustomDrawEntity::~OstCustomDrawEntity() = default;

Acad::ErrorStatus OstCustomDrawEntity::setShell(FacetShell shell) {
  if (CheckedShell(shell) != Acad::eOk) return Acad::eInvalidInput;
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  shell_ = std::move(shell);
  return Acad::eOk;
}

Adesk::Boolean OstCustomDrawEntity::worldDraw(AcGiWorldDraw* mode) {
  if (mode == nullptr || shell_.IsEmpty()) return true;
  AcGiFaceData faceData;
  faceData.setColors(shell_.faceColors.data());
  mode->geometry().shell(static_cast<Adesk::UInt32>(shell_.vertices.size()), shell_.vertices.data(),
                         static_cast<Adesk::UInt32>(shell_.faceList.size()), shell_.faceList.data(), nullptr,
                         &faceData);
  return true;
}

Acad::ErrorStatus OstCustomDrawEntity::getGeomExtents(AcDbExtents& extents) const {
  if (shell_.vertices.empty()) return Acad::eInvalidExtents;
  extents = AcDbExtents();
  for (const AcGePoint3d& vertex : shell_.vertices) extents.addPoint(vertex);
  return Acad::eOk;
}

Acad::ErrorStatus OstCustomDrawEntity::dwgOutFields(AcDbDwgFiler* filer) const {
  const Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(static_cast<Adesk::Int32>(shell_.vertices.size()));
  for (const AcGePoint3d& vertex : shell_.vertices) filer->writeItem(vertex);
  filer->writeItem(static_cast<Adesk::Int32>(shell_.faceList.size()));
  for (const Adesk::Int32 entry : shell_.faceList) filer->writeItem(entry);
  for (const short color : shell_.faceColors) filer->writeItem(static_cast<Adesk::Int16>(color));
  return filer->filerStatus();
}

Acad::ErrorStatus OstCustomDrawEntity::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  FacetShell read;
  std::size_t count = 0;
  if ((es = ReadCount(filer, count)) != Acad::eOk) return es;
  read.vertices.reserve(std::min(count, kReserveLimit));
  for (std::size_t i = 0; i < count; ++i) {
    AcGePoint3d vertex;
    if (filer->readItem(&vertex) != Acad::eOk) return filer->filerStatus();
    read.vertices.push_back(vertex);
  }
  if ((es = ReadCount(filer, count)) != Acad::eOk) return es;
  read.faceList.reserve(std::min(count, kReserveLimit));
  for (std::size_t i = 0; i < count; ++i) {
    Adesk::Int32 entry = 0;
    if (filer->readItem(&entry) != Acad::eOk) return filer->filerStatus();
    read.faceList.push_back(entry);
  }
  const int faces = CountFaces(read.faceList.data(), read.faceList.size(), read.vertices.size());
  if (faces < 0) return Acad::eInvalidInput;
  for (int i = 0; i < faces; ++i) {
    Adesk::Int16 color = 0;
    if (filer->readItem(&color) != Acad::eOk) return filer->filerStatus();
    read.faceColors.push_back(color);
  }
  if ((es = CheckedShell(read)) != Acad::eOk) return es;
  shell_ = std::move(read);
  return filer->filerStatus();
}

// After the subclass marker: 90 vertex count, a 10 point per vertex, 90 face-list
// size, a 90 per face-list entry, then a 70 colour index per face.
Acad::ErrorStatus OstCustomDrawEntity::dxfOutFields(AcDbDxfFiler* filer) const {
  const Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeItem(AcDb::kDxfSubclass, kSubclassMarker);
  filer->writeInt32(AcDb::kDxfInt32, static_cast<Adesk::Int32>(shell_.vertices.size()));
  for (const AcGePoint3d& vertex : shell_.vertices) filer->writePoint3d(AcDb::kDxfXCoord, vertex);
  filer->writeInt32(AcDb::kDxfInt32, static_cast<Adesk::Int32>(shell_.faceList.size()));
  for (const Adesk::Int32 entry : shell_.faceList) filer->writeInt32(AcDb::kDxfInt32, entry);
  for (const short color : shell_.faceColors) filer->writeInt16(AcDb::kDxfInt16, color);
  return filer->filerStatus();
}

Acad::ErrorStatus OstCustomDrawEntity::dxfInFields(AcDbDxfFiler* filer) {
  const Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(kSubclassMarker)) return Refuse(filer, "no OstCustomDrawEntity data");
  FacetShell read;
  std::size_t count = 0;
  resbuf rb;
  if (!ReadDxfCount(filer, count)) return Refuse(filer, "expected the vertex count (group code 90)");
  read.vertices.reserve(std::min(count, kReserveLimit));
  for (std::size_t i = 0; i < count; ++i) {
    if (!ReadGroup(filer, AcDb::kDxfXCoord, rb)) return Refuse(filer, "fewer vertices than counted");
    read.vertices.emplace_back(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]);
  }
  if (!ReadDxfCount(filer, count)) return Refuse(filer, "expected the face-list size (group code 90)");
  read.faceList.reserve(std::min(count, kReserveLimit));
  for (std::size_t i = 0; i < count; ++i) {
    if (!ReadGroup(filer, AcDb::kDxfInt32, rb)) return Refuse(filer, "a face list shorter than its size");
    read.faceList.push_back(static_cast<Adesk::Int32>(rb.resval.rlong));
  }
  const int faces = CountFaces(read.faceList.data(), read.faceList.size(), read.vertices.size());
  if (faces < 0) return Refuse(filer, "a face list that does not fit its vertices");
  for (int i = 0; i < faces; ++i) {
    if (!ReadGroup(filer, AcDb::kDxfInt16, rb)) return Refuse(filer, "fewer face colours than faces");
    read.faceColors.push_back(rb.resval.rint);
  }
  if (filer->readItem(&rb) == Acad::eOk) {
    filer->pushBackItem();
    if (rb.restype >= 0 && rb.restype < 1000) return Refuse(filer, "more data than the counts say");
  }
  if (CheckedShell(read) != Acad::eOk)
    return Refuse(filer, "a vertex that is no finite point or a colour out of range");
  if (!assertWriteEnabled()) return Acad::eNotOpenForWrite;
  shell_ = std::move(read);
  return Acad::eOk;
}
