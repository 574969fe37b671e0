#include "plugin/milling/pocket/pocket_record.h"

#include "plugin/geometry/forms/operation_limits.h"
#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/record_lines.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/pocket/pocket_pass_lines.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

const PocketLimits& L = kPocketLimits;

void CopyTool(const CToolShapeDlg& from, CToolShapeDlg& to) {
  to.m_ToolType = from.m_ToolType;
  to.m_Diameter = from.m_Diameter;
  to.m_CornerRadius = from.m_CornerRadius;
  to.m_Length = from.m_Length;
  to.FormatToolName();
}

bool ReadZLine(RecordReader& r, CPocketDlg& d) {
  return r.Line({RecordField::Flag(d.m_AbsoluteZ, L.absoluteZ),
                 {d.m_IslandTaperOn, L.islandTaperOn},
                 {d.m_IslandZAllowanceOn, L.islandZAllowanceOn},
                 {d.m_RetractHeight, L.retractHeight},
                 {d.m_ZStart, L.zStart},
                 {d.m_ZDepth, L.zDepth},
                 {d.m_RoughZStep, L.roughZStep},
                 {d.m_ZTaper, L.zTaper},
                 {d.m_IslandTaper, L.islandTaper}});
}

// Version 1 has neither start outside nor retract between levels, 2 and 3 no
// retract between levels: those keep their values. The point was always read
// in single precision.
bool ReadStartLine(RecordReader& r, CPocketDlg& d, int version, float point[3]) {
  if (version == 1) {
    return r.Line(
        {{d.m_StartPointOn, L.startPointOn}, {point[0], L.startX}, {point[1], L.startY}, {point[2], L.startZ}});
  }
  if (version < 4) {
    return r.Line({{d.m_StartOutside, L.startOutside},
                   {d.m_StartPointOn, L.startPointOn},
                   {point[0], L.startX},
                   {point[1], L.startY},
                   {point[2], L.startZ}});
  }
  return r.Line({{d.m_StartOutside, L.startOutside},
                 {d.m_RetractBetweenLevels, L.retractBetweenLevels},
                 {d.m_StartPointOn, L.startPointOn},
                 {point[0], L.startX},
                 {point[1], L.startY},
                 {point[2], L.startZ}});
}

// What one reading found beside the members: the version decides what follows.
struct PocketRead {
  int version = 0;
  int kind = 0;
  float start[3] = {};
};

bool ReadPocketLines(RecordReader& r, CPocketDlg& d, PocketRead& read) {
  if (!r.Head(read.version, read.kind, {{d.m_CutDirection, L.cutDirection}, {d.m_RoughPattern, L.pattern}}) ||
      !ReadPocketRoughToolLines(r, d, L) || !ReadZLine(r, d) || !ReadPocketRoughLine(r, d, L) ||
      !ReadStartLine(r, d, read.version, read.start) || !ReadPlungeLines(r, d.m_Plunge)) {
    return false;
  }
  if (read.version >= 3 && !ReadPocketFinishToolLines(r, d, L)) return false;
  if (!ReadPocketFinishLine(r, d, L, read.version) || !ReadLeadMoveLines(r, d.m_FinishLead)) return false;
  if (read.version < 3) return true;
  return ReadPocketRestLines(r, d, L);
}

// After the values went in: names, and the tools older records share.
void CompletePocketRead(CPocketDlg& d, const PocketRead& read) {
  d.m_StartX = read.start[0];
  d.m_StartY = read.start[1];
  d.m_StartZ = read.start[2];
  d.m_RoughTool.FormatToolName();
  d.m_FinishTool.FormatToolName();
  d.m_RestTool.FormatToolName();
  if (read.version >= 3) return;
  // Older records knew one tool for every pass.
  CopyTool(d.m_RoughTool, d.m_FinishTool);
  CopyTool(d.m_RoughTool, d.m_RestTool);
  d.m_FinishToolNumberOn = d.m_RestToolNumberOn = d.m_RoughToolNumberOn;
  d.m_FinishToolNumber = d.m_RestToolNumber = d.m_RoughToolNumber;
  d.m_FinishLengthOffsetOn = d.m_RestLengthOffsetOn = d.m_RoughLengthOffsetOn;
  d.m_FinishLengthOffsetNumber = d.m_RestLengthOffsetNumber = d.m_RoughLengthOffsetNumber;
}

}  // namespace

CString PocketRecordText(const CPocketDlg& d) {
  CString text;
  AppendRecordLine(text, "%s %d %d %d %d\n", kToolpathRecordTag, kPocketRecordVersion,
                   static_cast<int>(kToolpathPocket), d.m_CutDirection, d.m_RoughPattern);
  AppendPocketRoughToolLines(text, d);
  AppendRecordLine(text, " %d %d %d %.2f %.2f %.2f %.2f %.2f %.2f\n", static_cast<int>(d.m_AbsoluteZ),
                   d.m_IslandTaperOn, d.m_IslandZAllowanceOn, d.m_RetractHeight, d.m_ZStart, d.m_ZDepth, d.m_RoughZStep,
                   d.m_ZTaper, d.m_IslandTaper);
  AppendPocketRoughLine(text, d);
  AppendPocketStartLine(text, d);
  text += PlungeRecordText(d.m_Plunge);
  AppendPocketFinishLines(text, d);
  AppendPocketRestLines(text, d);
  return text;
}

bool CPocketDlg::WriteParamRecord(CString& text) const {
  text = PocketRecordText(*this);
  return true;
}

bool CPocketDlg::ReadParamRecord(const char* text, CString* refusal) {
  PocketRead read;
  const auto readLines = [&read](RecordReader& reader, CPocketDlg& d) { return ReadPocketLines(reader, d, read); };
  if (!ReadRecordInto(text, *this, readLines, refusal)) return false;
  CompletePocketRead(*this, read);
  return true;
}
