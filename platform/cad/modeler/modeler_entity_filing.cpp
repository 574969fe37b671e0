// Filing of the shape: in DXF as lines of B-rep text under the modeler geometry
// subclass, the way modeler data travels in DXF (group 1 lines, group 3 for the
// rest of a line longer than a group may be), with a first line that tells the
// text is ours; in DWG fields as one string.
#include <cstring>

#include "platform/cad/modeler/brep/brep_shape.h"
#include "platform/cad/modeler/modeler_entity.h"
#include "platform/cad/modeler/modeler_kept_item.h"

namespace {

constexpr const char* kSubclass = "AcDbModelerGeometry";
constexpr const char* kBrepMarker = "VELMORA OCCT BREP 1";
constexpr std::size_t kChunk = 255;
enum DwgState : Adesk::Int32 { kDwgEmpty = 0, kDwgShape = 1, kDwgKept = 2 };

void writeLine(AcDbDxfFiler* filer, const std::string& line) {
  filer->writeString(AcDb::kDxfText, line.substr(0, kChunk));
  for (std::size_t at = kChunk; at < line.size(); at += kChunk) {
    filer->writeString(AcDb::kDxfAttributePrompt, line.substr(at, kChunk));
  }
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace

Acad::ErrorStatus ModelerEntity::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(AcDb::kDxfSubclass, kSubclass);
  if (!kept_.empty()) {
    for (const KeptItem& item : kept_) item.writeDxf(filer);
    return filer->filerStatus();
  }
  filer->writeInt16(AcDb::kDxfInt16, 1);
  writeLine(filer, kBrepMarker);
  if (!shape_->shape.IsNull()) {
    for (const std::string& line : splitLines(brep::writeText(shape_->shape))) writeLine(filer, line);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus ModelerEntity::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(kSubclass)) {
    return filer->filerStatus() != Acad::eOk ? filer->filerStatus() : Acad::eBadDxfSequence;
  }
  std::vector<KeptItem> items;
  std::vector<std::string> lines;
  resbuf rb;
  while (filer->readItem(&rb) == Acad::eOk) {
    items.push_back(KeptItem::fromResbuf(rb));
    if (rb.restype == AcDb::kDxfText) {
      lines.emplace_back(rb.resval.rstring);
    } else if (rb.restype == AcDb::kDxfAttributePrompt && !lines.empty()) {
      lines.back() += rb.resval.rstring;
    }
  }
  shape_->shape.Nullify();
  kept_.clear();
  highlightedSubents_.clear();
  if (!lines.empty() && lines.front() == kBrepMarker) {
    std::string text;
    for (std::size_t i = 1; i < lines.size(); ++i) (text += lines[i]) += '\n';
    if (lines.size() == 1 || brep::readText(text, shape_->shape)) return Acad::eOk;
  }
  // Another program's data (or ours, damaged): kept as it came, never lost.
  kept_ = std::move(items);
  return Acad::eOk;
}

Acad::ErrorStatus ModelerEntity::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  if (!kept_.empty()) {
    filer->writeInt32(kDwgKept);
    filer->writeInt32(static_cast<Adesk::Int32>(kept_.size()));
    for (const KeptItem& item : kept_) item.writeDwg(filer);
  } else if (!shape_->shape.IsNull()) {
    filer->writeInt32(kDwgShape);
    filer->writeString(brep::writeText(shape_->shape).c_str());
  } else {
    filer->writeInt32(kDwgEmpty);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus ModelerEntity::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  shape_->shape.Nullify();
  kept_.clear();
  highlightedSubents_.clear();
  Adesk::Int32 state = kDwgEmpty;
  filer->readInt32(&state);
  if (state == kDwgKept) {
    Adesk::Int32 count = 0;
    filer->readInt32(&count);
    for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
      KeptItem item;
      item.readDwg(filer);
      kept_.push_back(std::move(item));
    }
  } else if (state == kDwgShape) {
    std::string text;
    filer->readString(&text);
    if (filer->filerStatus() == Acad::eOk && !brep::readText(text, shape_->shape)) {
      return Acad::eDwgObjectImproperlyRead;
    }
  }
  return filer->filerStatus();
}
