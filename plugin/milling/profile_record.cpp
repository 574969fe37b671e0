#include "plugin/milling/profile_record.h"

#include <cstdio>
#include <string>

#include "plugin/geometry/record_lines.h"
#include "plugin/milling/profile_dlg.h"
#include "plugin/shell/toolpath_store.h"

namespace {

void AppendLine(CString& text, const char* format, auto... values) {
  CString line;
  line.Format(format, values...);
  text += line;
}

// Each reader takes one line and writes its fields only when all were found.

bool ReadHead(const char*& cursor, CProfileDlg& d) {
  std::string line;
  int version = 0, kind = 0, side = 0;
  if (!TakeRecordLine(cursor, line) || !IsToolpathRecordText(line.c_str()) ||
      std::sscanf(line.c_str(), "%*s %d %d %d", &version, &kind, &side) != 3) {
    return false;
  }
  // A side the generator does not know would cut on none.
  if (version < 1 || kind != kToolpathProfile || side < kProfileOnCurve || side > kProfileRight) return false;
  d.m_Side = side;
  return true;
}

bool ReadToolNumbers(const char*& cursor, CProfileDlg& d) {
  std::string line;
  int v[4] = {};
  if (!TakeRecordLine(cursor, line) || std::sscanf(line.c_str(), "%d %d %d %d", &v[0], &v[1], &v[2], &v[3]) != 4) {
    return false;
  }
  d.m_ToolNumberOn = v[0];
  d.m_ToolNumber = v[1];
  d.m_LengthOffsetOn = v[2];
  d.m_LengthOffsetNumber = v[3];
  return true;
}

bool ReadTool(const char*& cursor, CToolShapeDlg& tool) {
  std::string line;
  int type = 0;
  float diameter = 0, cornerRadius = 0, length = 0;
  if (!TakeRecordLine(cursor, line) ||
      std::sscanf(line.c_str(), "%d %f %f %f", &type, &diameter, &cornerRadius, &length) != 4) {
    return false;
  }
  tool.m_ToolType = type;
  tool.m_Diameter = diameter;
  tool.m_CornerRadius = cornerRadius;
  tool.m_Length = length;
  tool.FormatToolName();
  return true;
}

bool ReadZLine(const char*& cursor, CProfileDlg& d) {
  std::string line;
  int absoluteZ = 0;
  float retract = 0, zStart = 0, zDepth = 0, zStep = 0, zTaper = 0;
  if (!TakeRecordLine(cursor, line) ||
      std::sscanf(line.c_str(), "%d %f %f %f %f %f", &absoluteZ, &retract, &zStart, &zDepth, &zStep, &zTaper) != 6) {
    return false;
  }
  d.m_AbsoluteZ = absoluteZ;
  d.m_RetractHeight = retract;
  d.m_ZStart = zStart;
  d.m_ZDepth = zDepth;
  d.m_ZStepover = zStep;
  d.m_ZTaper = zTaper;
  return true;
}

bool ReadCutLine(const char*& cursor, CProfileDlg& d) {
  std::string line;
  int feed = 0, spindleOn = 0, spindle = 0, passes = 0;
  float allowance = 0, stepover = 0;
  if (!TakeRecordLine(cursor, line) || std::sscanf(line.c_str(), "%d %d %d %d %f %f", &feed, &spindleOn, &spindle,
                                                   &passes, &allowance, &stepover) != 6) {
    return false;
  }
  d.m_Feed = feed;
  d.m_SpindleOn = spindleOn;
  d.m_SpindleSpeed = spindle;
  d.m_Passes = passes;
  d.m_Allowance = allowance;
  d.m_Stepover = stepover;
  return true;
}

bool ReadLastLine(const char*& cursor, CProfileDlg& d) {
  std::string line;
  int middleStart = 0;
  if (!TakeRecordLine(cursor, line) || std::sscanf(line.c_str(), "%d", &middleStart) != 1) return false;
  d.m_MiddleStart = middleStart;
  return true;
}

// Writes the fields line by line as they are read.
bool ParseProfileRecord(const char* text, CProfileDlg& d) {
  const char* cursor = text;
  return text != nullptr && ReadHead(cursor, d) && ReadToolNumbers(cursor, d) && ReadTool(cursor, d.m_Tool) &&
         ReadZLine(cursor, d) && ReadCutLine(cursor, d) && ReadLeadMoveRecordText(cursor, d.m_Lead) &&
         ReadLastLine(cursor, d);
}

}  // namespace

CString ProfileRecordText(const CProfileDlg& d) {
  CString text;
  AppendLine(text, "%s %d %d %d\n", kToolpathRecordTag, kProfileRecordVersion, static_cast<int>(kToolpathProfile),
             d.m_Side);
  AppendLine(text, " %d %d %d %d\n", d.m_ToolNumberOn, d.m_ToolNumber, d.m_LengthOffsetOn, d.m_LengthOffsetNumber);
  AppendLine(text, " %d %.2f %.2f %.2f\n", d.m_Tool.m_ToolType, d.m_Tool.m_Diameter, d.m_Tool.m_CornerRadius,
             d.m_Tool.m_Length);
  AppendLine(text, " %d %.2f %.2f %.2f %.2f %.2f\n", d.m_AbsoluteZ, d.m_RetractHeight, d.m_ZStart, d.m_ZDepth,
             d.m_ZStepover, d.m_ZTaper);
  AppendLine(text, " %d %d %d %d %.2f %.2f\n", d.m_Feed, d.m_SpindleOn, d.m_SpindleSpeed, d.m_Passes, d.m_Allowance,
             d.m_Stepover);
  text += LeadMoveRecordText(d.m_Lead);
  AppendLine(text, " %d\n", d.m_MiddleStart);
  return text;
}

bool CProfileDlg::WriteParamRecord(CString& text) const {
  text = ProfileRecordText(*this);
  return true;
}

bool CProfileDlg::ReadParamRecord(const char* text) {
  // Tried on a scratch instance first: a broken record changes nothing here.
  CProfileDlg scratch;
  if (!ParseProfileRecord(text, scratch)) return false;
  return ParseProfileRecord(text, *this);
}
