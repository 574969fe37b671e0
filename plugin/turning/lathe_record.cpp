#include "plugin/turning/lathe_record.h"

#include <cstring>

#include "plugin/geometry/forms/lathe_limits.h"
#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/record_lines.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/turning/lathe_dlg.h"

namespace {

const LatheLimits& L = kLatheLimits;

// Older records end after the finishing conditions.
bool HasAnotherLine(const RecordReader& r) {
  const char* cursor = r.cursor();
  return cursor != nullptr && *cursor != '\0' && std::strchr(cursor, '\n') != nullptr;
}

bool ReadLatheLines(RecordReader& r, CLatheDlg& d) {
  int version = 0, kind = 0;
  if (!r.Head(version, kind) || kind != kToolpathLathe) return false;
  const bool read =
      ReadToolNumberLine(r, {d.m_ToolNumberOn, d.m_ToolNumber, d.m_LengthOffsetOn, d.m_LengthOffsetNumber}, L.tool) &&
      r.Line({{d.m_NoseRadius, L.noseRadius}, {d.m_OuterOn, L.outerOn}}) &&
      r.Line({{d.m_ReturnHeight, L.returnHeight}, {d.m_StartX, L.startX}, {d.m_StartY, L.startY}}) &&
      r.Line({{d.m_RoughOn, L.roughOn},
              {d.m_RoughAllowance, L.roughAllowance},
              {d.m_RoughStepover, L.roughStepover},
              {d.m_RoughFeed, L.roughFeed},
              {d.m_RoughSpindleOn, L.roughSpindleOn},
              {d.m_RoughSpindle, L.roughSpindle}}) &&
      ReadLeadMoveLines(r, d.m_RoughLead) &&
      r.Line({{d.m_FinishOn, L.finishOn},
              {d.m_FinishAllowance, L.finishAllowance},
              {d.m_FinishStepover, L.finishStepover},
              {d.m_FinishFeed, L.finishFeed},
              {d.m_FinishSpindleOn, L.finishSpindleOn},
              {d.m_FinishSpindle, L.finishSpindle}}) &&
      ReadLeadMoveLines(r, d.m_FinishLead);
  if (!read) return false;
  return !HasAnotherLine(r) || r.Line({{d.m_FinishPasses, L.finishPasses}});
}

}  // namespace

CString LatheRecordText(const CLatheDlg& d) {
  CString text;
  AppendRecordLine(text, "%s %d %d\n", kToolpathRecordTag, kLatheRecordVersion, static_cast<int>(kToolpathLathe));
  AppendToolNumberLine(text, d.m_ToolNumberOn, d.m_ToolNumber, d.m_LengthOffsetOn, d.m_LengthOffsetNumber);
  AppendRecordLine(text, " %.2f %d\n", static_cast<double>(d.m_NoseRadius), d.m_OuterOn);
  AppendRecordLine(text, " %.2f %.2f %.2f\n", static_cast<double>(d.m_ReturnHeight), static_cast<double>(d.m_StartX),
                   static_cast<double>(d.m_StartY));
  AppendRecordLine(text, " %d %.2f %.2f %d %d %d\n", d.m_RoughOn, static_cast<double>(d.m_RoughAllowance),
                   static_cast<double>(d.m_RoughStepover), d.m_RoughFeed, d.m_RoughSpindleOn, d.m_RoughSpindle);
  text += LeadMoveRecordText(d.m_RoughLead);
  AppendRecordLine(text, " %d %.2f %.2f %d %d %d\n", d.m_FinishOn, static_cast<double>(d.m_FinishAllowance),
                   static_cast<double>(d.m_FinishStepover), d.m_FinishFeed, d.m_FinishSpindleOn, d.m_FinishSpindle);
  text += LeadMoveRecordText(d.m_FinishLead);
  AppendRecordLine(text, " %d\n", d.m_FinishPasses);
  return text;
}

bool CLatheDlg::WriteParamRecord(CString& text) const {
  text = LatheRecordText(*this);
  return true;
}

bool CLatheDlg::ReadParamRecord(const char* text, CString* refusal) {
  if (text == nullptr || !IsToolpathRecordText(text)) return false;
  return ReadRecordInto(text, *this, ReadLatheLines, refusal, true);
}
