// The 3D pocket's records: the kind-5 record of its toolpath groups and *.par
// files, and the kind-1 pocket record that hands one level to the 2D pocket.
#include "plugin/geometry/forms/solid_pocket_limits.h"
#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/record_lines.h"
#include "plugin/milling/pocket/pocket_pass_lines.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/pocket/solid_pocket_dlg.h"

namespace {

constexpr int kSolidPocketRecordVersion = 5;
constexpr int kHandOverVersion = 4;

const SolidPocketLimits& L = kSolidPocketLimits;

// Versions before 4 have no retract between levels: it keeps its value.
bool ReadStartLine(RecordReader& r, CSolidPocketDlg& d, int version) {
  if (version < 4) {
    return r.Line({{d.m_StartOutside, L.startOutside},
                   {d.m_StartPointOn, L.startPointOn},
                   {d.m_StartX, L.startX},
                   {d.m_StartY, L.startY},
                   {d.m_StartZ, L.startZ}});
  }
  return r.Line({{d.m_StartOutside, L.startOutside},
                 {d.m_RetractBetweenLevels, L.retractBetweenLevels},
                 {d.m_StartPointOn, L.startPointOn},
                 {d.m_StartX, L.startX},
                 {d.m_StartY, L.startY},
                 {d.m_StartZ, L.startZ}});
}

bool OnlyBlanksLeft(const char* cursor) {
  for (; cursor != nullptr && *cursor != '\0'; ++cursor)
    if (*cursor != ' ' && *cursor != '\t' && *cursor != '\r' && *cursor != '\n') return false;
  return true;
}

bool ReadSolidPocketLines(RecordReader& r, CSolidPocketDlg& d, int& version) {
  int kind = 0;
  if (!r.Head(version, kind, {{d.m_CutDirection, L.cutDirection}, {d.m_RoughPattern, L.pattern}})) return false;
  if (version > 4 && !r.Line({{d.m_MachiningMethod, L.method}})) return false;
  if (!ReadPocketRoughToolLines(r, d, L) || !r.Line({{d.m_RetractHeight, L.retractHeight}, {d.m_ZStep, L.zStep}}) ||
      !ReadPocketRoughLine(r, d, L) || !ReadStartLine(r, d, version) || !ReadPlungeLines(r, d.m_Plunge)) {
    return false;
  }
  if (version > 2 && !ReadPocketFinishToolLines(r, d, L)) return false;
  if (!ReadPocketFinishLine(r, d, L, version) || !ReadLeadMoveLines(r, d.m_FinishLead)) return false;
  // The rest settings follow in records written since they were stored; older
  // ones end here and the rest settings keep their values.
  if (version < 3 || OnlyBlanksLeft(r.cursor())) return true;
  return ReadPocketRestLines(r, d, L);
}

}  // namespace

bool CSolidPocketDlg::WriteParamRecord(CString& text) const {
  text.Empty();
  AppendRecordLine(text, "%s %d %d %d %d\n", kToolpathRecordTag, kSolidPocketRecordVersion,
                   static_cast<int>(kToolpathSolidPocket), m_CutDirection, m_RoughPattern);
  AppendRecordLine(text, " %d\n", m_MachiningMethod);
  AppendPocketRoughToolLines(text, *this);
  AppendRecordLine(text, " %.2f %.2f\n", m_RetractHeight, m_ZStep);
  AppendPocketRoughLine(text, *this);
  AppendPocketStartLine(text, *this);
  text += PlungeRecordText(m_Plunge);
  AppendPocketFinishLines(text, *this);
  AppendPocketRestLines(text, *this);
  return true;
}

bool CSolidPocketDlg::WriteRestPocketRecord(CString& text) const {
  text.Empty();
  AppendRecordLine(text, "%s %d %d %d %d\n", kToolpathRecordTag, kHandOverVersion, static_cast<int>(kToolpathPocket),
                   m_CutDirection, m_RoughPattern);
  AppendPocketRoughToolLines(text, *this);
  // Absolute Z, no taper: the level's outlines are the section's.
  AppendRecordLine(text, " 1 0 0 %.2f %.2f %.2f %.2f 0 0\n", m_RetractHeight, m_ZTop, m_ZBottom, m_ZStep);
  AppendPocketRoughLine(text, *this);
  AppendPocketStartLine(text, *this);
  text += PlungeRecordText(m_Plunge);
  AppendPocketFinishLines(text, *this);
  AppendPocketRestLines(text, *this);
  return true;
}

bool CSolidPocketDlg::ReadParamRecord(const char* text, CString* refusal) {
  int version = 0;
  const auto readLines = [&version](RecordReader& reader, CSolidPocketDlg& d) {
    return ReadSolidPocketLines(reader, d, version);
  };
  if (!ReadRecordInto(text, *this, readLines, refusal)) return false;
  m_RoughTool.FormatToolName();
  m_FinishTool.FormatToolName();
  m_RestTool.FormatToolName();
  return true;
}
