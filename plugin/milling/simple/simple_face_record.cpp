#include "plugin/geometry/forms/tool_lines.h"
#include "plugin/geometry/record_lines.h"
#include "plugin/milling/simple/simple_cycle_record.h"
#include "plugin/milling/simple/simple_face_dlg.h"

namespace {

const SimpleCycleLimits& L = kSimpleCycleLimits;
const SimpleFaceLimits& F = kSimpleFaceLimits;

bool ReadFaceLines(RecordReader& r, CSimpleFaceDlg& d) {
  return ReadSimpleCycleHead(r, kToolpathSimpleFace,
                             {{d.m_Direction, F.direction},
                              {d.m_ShapeInputType, L.shapeInputType},
                              {d.m_ToolCompensation, F.toolCompensation}}) &&
         ReadToolShapeLine(r, d.m_Tool) && ReadShapeSizeLines(r, d.m_Shape) &&
         r.Line({{d.m_Allowance, L.allowance}, {d.m_Shape.xCentre, L.xCentre}, {d.m_Shape.yCentre, L.yCentre}}) &&
         r.Line({{d.m_StartHeight, L.startHeight},
                 {d.m_Stepover, L.stepover},
                 {d.m_ReturnHeight, L.returnHeight},
                 {d.m_Feed, L.feed}}) &&
         ReadToolNumberPairLines(r, d) && ReadLeadMoveLines(r, d.m_Lead) &&
         // Records of before the two-way line keep the dialog's own choice.
         r.OptionalLine({{d.m_TwoWay, F.twoWay}});
}

}  // namespace

bool CSimpleFaceDlg::WriteParamRecord(CString& text) const {
  text.Empty();
  AppendSimpleCycleHead(text, kToolpathSimpleFace, {m_Direction, m_ShapeInputType, m_ToolCompensation});
  AppendToolShapeLine(text, m_Tool);
  AppendShapeSizeLines(text, m_Shape);
  AppendRecordLine(text, " %.2f %.2f %.2f\n", m_Allowance, m_Shape.xCentre, m_Shape.yCentre);
  AppendRecordLine(text, " %.2f %.2f %.2f %d\n", m_StartHeight, m_Stepover, m_ReturnHeight, m_Feed);
  AppendToolNumberPairLines(text, *this);
  text += LeadMoveRecordText(m_Lead);
  AppendRecordLine(text, " %d\n", m_TwoWay);
  return true;
}

bool CSimpleFaceDlg::ReadParamRecord(const char* text, CString* refusal) {
  return ReadSimpleCycleRecord(text, *this, ReadFaceLines, refusal);
}
