// The record lines of the roughing, finishing and rest passes that the 2D and
// the 3D pocket records write and read alike. Dialog is either pocket dialog
// (members of the same names), Limits its table of limits.
#pragma once

#include "platform/classlib/cstring.h"
#include "plugin/geometry/forms/record_reader.h"
#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/geometry/record_lines.h"

// Tool number line and tool line of the roughing pass.
template <class Dialog>
void AppendPocketRoughToolLines(CString& text, const Dialog& d) {
  AppendToolNumberLine(text, d.m_RoughToolNumberOn, d.m_RoughToolNumber, d.m_RoughLengthOffsetOn,
                       d.m_RoughLengthOffsetNumber);
  AppendToolShapeLine(text, d.m_RoughTool);
}

template <class Dialog>
void AppendPocketRoughLine(CString& text, const Dialog& d) {
  AppendRecordLine(text, " %d %d %d %d %d %d %.2f %.2f %.2f\n", d.m_RoughOn, d.m_RoughFeed, d.m_LinkFeedOn,
                   d.m_LinkFeed, d.m_RoughSpindleOn, d.m_RoughSpindle, d.m_RoughAngle, d.m_RoughAllowance,
                   d.m_RoughStepover);
}

template <class Dialog>
void AppendPocketStartLine(CString& text, const Dialog& d) {
  AppendRecordLine(text, " %d %d %d %.2f %.2f %.2f\n", d.m_StartOutside, d.m_RetractBetweenLevels, d.m_StartPointOn,
                   d.m_StartX, d.m_StartY, d.m_StartZ);
}

// Tool lines, finishing line and lead moves of the finishing pass.
template <class Dialog>
void AppendPocketFinishLines(CString& text, const Dialog& d) {
  AppendToolNumberLine(text, d.m_FinishToolNumberOn, d.m_FinishToolNumber, d.m_FinishLengthOffsetOn,
                       d.m_FinishLengthOffsetNumber);
  AppendToolShapeLine(text, d.m_FinishTool);
  AppendRecordLine(text, " %d %d %d %d %d %d %.2f %.2f\n", d.m_FinishOn, d.m_FinishFeed, d.m_FinishSpindleOn,
                   d.m_FinishSpindle, d.m_FinishPasses, d.m_CornerRound, d.m_FinishAllowance, d.m_FinishStepover);
  text += LeadMoveRecordText(d.m_FinishLead);
}

// Tool lines, rest line and lead moves of the rest pass.
template <class Dialog>
void AppendPocketRestLines(CString& text, const Dialog& d) {
  AppendToolNumberLine(text, d.m_RestToolNumberOn, d.m_RestToolNumber, d.m_RestLengthOffsetOn,
                       d.m_RestLengthOffsetNumber);
  AppendToolShapeLine(text, d.m_RestTool);
  AppendRecordLine(text, " %d %d %d %d %.2f %d\n", d.m_RestOn, d.m_RestFeed, d.m_RestSpindleOn, d.m_RestSpindle,
                   d.m_RestAllowance, d.m_RestAfterFinish);
  text += LeadMoveRecordText(d.m_RestLead);
}

template <class Dialog, class Limits>
bool ReadPocketRoughToolLines(RecordReader& r, Dialog& d, const Limits& L) {
  return ReadToolNumberLine(
             r, {d.m_RoughToolNumberOn, d.m_RoughToolNumber, d.m_RoughLengthOffsetOn, d.m_RoughLengthOffsetNumber},
             L.roughTool) &&
         ReadToolShapeLine(r, d.m_RoughTool);
}

template <class Dialog, class Limits>
bool ReadPocketRoughLine(RecordReader& r, Dialog& d, const Limits& L) {
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

template <class Dialog, class Limits>
bool ReadPocketFinishToolLines(RecordReader& r, Dialog& d, const Limits& L) {
  return ReadToolNumberLine(
             r, {d.m_FinishToolNumberOn, d.m_FinishToolNumber, d.m_FinishLengthOffsetOn, d.m_FinishLengthOffsetNumber},
             L.finishTool) &&
         ReadToolShapeLine(r, d.m_FinishTool);
}

// Version 1 has no corner round: it keeps its value.
template <class Dialog, class Limits>
bool ReadPocketFinishLine(RecordReader& r, Dialog& d, const Limits& L, int version) {
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

// The lines AppendPocketRestLines writes.
template <class Dialog, class Limits>
bool ReadPocketRestLines(RecordReader& r, Dialog& d, const Limits& L) {
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
