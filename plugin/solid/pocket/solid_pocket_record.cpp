// The 3D pocket's records: the kind-5 record of its toolpath groups and *.par
// files, and the kind-1 pocket record that hands one level to the 2D pocket.
#include "plugin/geometry/forms/solid_pocket_limits.h"
#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/record_lines.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/pocket/solid_pocket_dlg.h"

namespace {

constexpr int kSolidPocketRecordVersion = 5;
constexpr int kHandOverVersion = 4;

const SolidPocketLimits& L = kSolidPocketLimits;

void AppendRoughLine(CString& text, const CSolidPocketDlg& d) {
  AppendRecordLine(text, " %d %d %d %d %d %d %.2f %.2f %.2f\n", d.m_RoughOn, d.m_RoughFeed, d.m_LinkFeedOn,
                   d.m_LinkFeed, d.m_RoughSpindleOn, d.m_RoughSpindle, d.m_RoughAngle, d.m_RoughAllowance,
                   d.m_RoughStepover);
}

void AppendStartLine(CString& text, const CSolidPocketDlg& d) {
  AppendRecordLine(text, " %d %d %d %.2f %.2f %.2f\n", d.m_StartOutside, d.m_RetractBetweenLevels, d.m_StartPointOn,
                   d.m_StartX, d.m_StartY, d.m_StartZ);
}

void AppendFinishLines(CString& text, const CSolidPocketDlg& d) {
  AppendToolNumberLine(text, d.m_FinishToolNumberOn, d.m_FinishToolNumber, d.m_FinishLengthOffsetOn,
                       d.m_FinishLengthOffsetNumber);
  AppendToolShapeLine(text, d.m_FinishTool);
  AppendRecordLine(text, " %d %d %d %d %d %d %.2f %.2f\n", d.m_FinishOn, d.m_FinishFeed, d.m_FinishSpindleOn,
                   d.m_FinishSpindle, d.m_FinishPasses, d.m_CornerRound, d.m_FinishAllowance, d.m_FinishStepover);
  text += LeadMoveRecordText(d.m_FinishLead);
}

void AppendRestLines(CString& text, const CSolidPocketDlg& d) {
  AppendToolNumberLine(text, d.m_RestToolNumberOn, d.m_RestToolNumber, d.m_RestLengthOffsetOn,
                       d.m_RestLengthOffsetNumber);
  AppendToolShapeLine(text, d.m_RestTool);
  AppendRecordLine(text, " %d %d %d %d %.2f %d\n", d.m_RestOn, d.m_RestFeed, d.m_RestSpindleOn, d.m_RestSpindle,
                   d.m_RestAllowance, d.m_RestAfterFinish);
  text += LeadMoveRecordText(d.m_RestLead);
}

bool ReadRoughLine(RecordReader& r, CSolidPocketDlg& d) {
  return r.Line({{d.m_RoughOn, L.roughOn},
                 {d.m_RoughFeed, L.roughFeed},
                 {d.m_LinkFeedOn, L.linkFeedOn},
                 {d.m_LinkFeed, L.linkFeed},
                 {d.m_RoughSpindleOn, L.roughSpindleOn},
                 {d.m_RoughSpindle, L.roughSpindle},
                 {d.m_RoughAngle, L.roughAngle},
                 {d.m_RoughAllowance, L.roughAllowance},
                 {d.m_RoughStepover, L.roughStepover}});
}

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

// Version 1 has no corner round: it keeps its value.
bool ReadFinishLine(RecordReader& r, CSolidPocketDlg& d, int version) {
  if (version == 1) {
    return r.Line({{d.m_FinishOn, L.finishOn},
                   {d.m_FinishFeed, L.finishFeed},
                   {d.m_FinishSpindleOn, L.finishSpindleOn},
                   {d.m_FinishSpindle, L.finishSpindle},
                   {d.m_FinishPasses, L.finishPasses},
                   {d.m_FinishAllowance, L.finishAllowance},
                   {d.m_FinishStepover, L.finishStepover}});
  }
  return r.Line({{d.m_FinishOn, L.finishOn},
                 {d.m_FinishFeed, L.finishFeed},
                 {d.m_FinishSpindleOn, L.finishSpindleOn},
                 {d.m_FinishSpindle, L.finishSpindle},
                 {d.m_FinishPasses, L.finishPasses},
                 {d.m_CornerRound, L.cornerRound},
                 {d.m_FinishAllowance, L.finishAllowance},
                 {d.m_FinishStepover, L.finishStepover}});
}

bool ReadRestLines(RecordReader& r, CSolidPocketDlg& d) {
  return ReadToolNumberLine(
             r, {d.m_RestToolNumberOn, d.m_RestToolNumber, d.m_RestLengthOffsetOn, d.m_RestLengthOffsetNumber},
             L.restTool) &&
         ReadToolShapeLine(r, d.m_RestTool) &&
         r.Line({{d.m_RestOn, L.restOn},
                 {d.m_RestFeed, L.restFeed},
                 {d.m_RestSpindleOn, L.restSpindleOn},
                 {d.m_RestSpindle, L.restSpindle},
                 {d.m_RestAllowance, L.restAllowance},
                 {d.m_RestAfterFinish, L.restAfterFinish}}) &&
         ReadLeadMoveLines(r, d.m_RestLead);
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
  if (!ReadToolNumberLine(
          r, {d.m_RoughToolNumberOn, d.m_RoughToolNumber, d.m_RoughLengthOffsetOn, d.m_RoughLengthOffsetNumber},
          L.roughTool) ||
      !ReadToolShapeLine(r, d.m_RoughTool) || !r.Line({{d.m_RetractHeight, L.retractHeight}, {d.m_ZStep, L.zStep}}) ||
      !ReadRoughLine(r, d) || !ReadStartLine(r, d, version) || !ReadPlungeLines(r, d.m_Plunge)) {
    return false;
  }
  if (version > 2 &&
      (!ReadToolNumberLine(
           r, {d.m_FinishToolNumberOn, d.m_FinishToolNumber, d.m_FinishLengthOffsetOn, d.m_FinishLengthOffsetNumber},
           L.finishTool) ||
       !ReadToolShapeLine(r, d.m_FinishTool))) {
    return false;
  }
  if (!ReadFinishLine(r, d, version) || !ReadLeadMoveLines(r, d.m_FinishLead)) return false;
  // The rest settings follow in records written since they were stored; older
  // ones end here and the rest settings keep their values.
  if (version < 3 || OnlyBlanksLeft(r.cursor())) return true;
  return ReadRestLines(r, d);
}

}  // namespace

bool CSolidPocketDlg::WriteParamRecord(CString& text) const {
  text.Empty();
  AppendRecordLine(text, "%s %d %d %d %d\n", kToolpathRecordTag, kSolidPocketRecordVersion,
                   static_cast<int>(kToolpathSolidPocket), m_CutDirection, m_RoughPattern);
  AppendRecordLine(text, " %d\n", m_MachiningMethod);
  AppendToolNumberLine(text, m_RoughToolNumberOn, m_RoughToolNumber, m_RoughLengthOffsetOn, m_RoughLengthOffsetNumber);
  AppendToolShapeLine(text, m_RoughTool);
  AppendRecordLine(text, " %.2f %.2f\n", m_RetractHeight, m_ZStep);
  AppendRoughLine(text, *this);
  AppendStartLine(text, *this);
  text += PlungeRecordText(m_Plunge);
  AppendFinishLines(text, *this);
  AppendRestLines(text, *this);
  return true;
}

bool CSolidPocketDlg::WriteRestPocketRecord(CString& text) const {
  text.Empty();
  AppendRecordLine(text, "%s %d %d %d %d\n", kToolpathRecordTag, kHandOverVersion, static_cast<int>(kToolpathPocket),
                   m_CutDirection, m_RoughPattern);
  AppendToolNumberLine(text, m_RoughToolNumberOn, m_RoughToolNumber, m_RoughLengthOffsetOn, m_RoughLengthOffsetNumber);
  AppendToolShapeLine(text, m_RoughTool);
  // Absolute Z, no taper: the level's outlines are the section's.
  AppendRecordLine(text, " 1 0 0 %.2f %.2f %.2f %.2f 0 0\n", m_RetractHeight, m_ZTop, m_ZBottom, m_ZStep);
  AppendRoughLine(text, *this);
  AppendStartLine(text, *this);
  text += PlungeRecordText(m_Plunge);
  AppendFinishLines(text, *this);
  AppendRestLines(text, *this);
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
