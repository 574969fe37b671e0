#include "plugin/milling/pocket/pocket_record.h"

#include <cstdio>
#include <string>

#include "plugin/geometry/record_lines.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace {

void AppendLine(CString& text, const char* format, auto... values) {
  CString line;
  line.Format(format, values...);
  text += line;
}

void AppendToolNumbers(CString& text, int numberOn, int number, int offsetOn, int offsetNumber) {
  AppendLine(text, " %d %d %d %d\n", numberOn, number, offsetOn, offsetNumber);
}

void AppendTool(CString& text, const CToolShapeDlg& tool) {
  AppendLine(text, " %d %.2f %.2f %.2f\n", tool.m_ToolType, tool.m_Diameter, tool.m_CornerRadius, tool.m_Length);
}

// Each reader takes one line and applies it only when all of its values were
// found, so that a short line changes none of its own fields.

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

// The tool-number line of a pass and its tool line.
bool ReadPassTool(const char*& cursor, int& numberOn, int& number, int& offsetOn, int& offsetNumber,
                  CToolShapeDlg& tool) {
  std::string line;
  int read[4] = {};
  if (!TakeRecordLine(cursor, line) ||
      std::sscanf(line.c_str(), "%d %d %d %d", &read[0], &read[1], &read[2], &read[3]) != 4) {
    return false;
  }
  numberOn = read[0];
  number = read[1];
  offsetOn = read[2];
  offsetNumber = read[3];
  return ReadTool(cursor, tool);
}

void CopyTool(const CToolShapeDlg& from, CToolShapeDlg& to) {
  to.m_ToolType = from.m_ToolType;
  to.m_Diameter = from.m_Diameter;
  to.m_CornerRadius = from.m_CornerRadius;
  to.m_Length = from.m_Length;
  to.FormatToolName();
}

bool ReadHeadLine(const char*& cursor, CPocketDlg& d, int& version) {
  std::string line;
  int readVersion = 0, kind = 0, direction = 0, pattern = 0;
  // The tag is skipped, whatever its length; callers check tag and kind.
  if (!TakeRecordLine(cursor, line) ||
      std::sscanf(line.c_str(), "%*s %d %d %d %d", &readVersion, &kind, &direction, &pattern) != 4 || readVersion < 1) {
    return false;
  }
  version = readVersion;
  d.m_CutDirection = direction;
  d.m_RoughPattern = pattern;
  return true;
}

bool ReadRoughTool(const char*& cursor, CPocketDlg& d, int version) {
  if (!ReadPassTool(cursor, d.m_RoughToolNumberOn, d.m_RoughToolNumber, d.m_RoughLengthOffsetOn,
                    d.m_RoughLengthOffsetNumber, d.m_RoughTool)) {
    return false;
  }
  if (version < 3) {
    // Older records knew one tool for every pass.
    CopyTool(d.m_RoughTool, d.m_FinishTool);
    CopyTool(d.m_RoughTool, d.m_RestTool);
    d.m_FinishToolNumberOn = d.m_RestToolNumberOn = d.m_RoughToolNumberOn;
    d.m_FinishToolNumber = d.m_RestToolNumber = d.m_RoughToolNumber;
    d.m_FinishLengthOffsetOn = d.m_RestLengthOffsetOn = d.m_RoughLengthOffsetOn;
    d.m_FinishLengthOffsetNumber = d.m_RestLengthOffsetNumber = d.m_RoughLengthOffsetNumber;
  }
  return true;
}

bool ReadZLine(const char*& cursor, CPocketDlg& d) {
  std::string line;
  int absoluteZ = 0, islandTaperOn = 0, islandZAllowanceOn = 0;
  float retract = 0, zStart = 0, zDepth = 0, zStep = 0, zTaper = 0, islandTaper = 0;
  if (!TakeRecordLine(cursor, line) ||
      std::sscanf(line.c_str(), "%d %d %d %f %f %f %f %f %f", &absoluteZ, &islandTaperOn, &islandZAllowanceOn, &retract,
                  &zStart, &zDepth, &zStep, &zTaper, &islandTaper) != 9) {
    return false;
  }
  d.m_AbsoluteZ = absoluteZ != 0 ? 1 : 0;
  d.m_IslandTaperOn = islandTaperOn;
  d.m_IslandZAllowanceOn = islandZAllowanceOn;
  d.m_RetractHeight = retract;
  d.m_ZStart = zStart;
  d.m_ZDepth = zDepth;
  d.m_RoughZStep = zStep;
  d.m_ZTaper = zTaper;
  d.m_IslandTaper = islandTaper;
  return true;
}

bool ReadRoughLine(const char*& cursor, CPocketDlg& d) {
  std::string line;
  int roughOn = 0, feed = 0, linkFeedOn = 0, linkFeed = 0, spindleOn = 0, spindle = 0;
  float angle = 0, allowance = 0, stepover = 0;
  if (!TakeRecordLine(cursor, line) ||
      std::sscanf(line.c_str(), "%d %d %d %d %d %d %f %f %f", &roughOn, &feed, &linkFeedOn, &linkFeed, &spindleOn,
                  &spindle, &angle, &allowance, &stepover) != 9) {
    return false;
  }
  d.m_RoughOn = roughOn;
  d.m_RoughFeed = feed;
  d.m_LinkFeedOn = linkFeedOn;
  d.m_LinkFeed = linkFeed;
  d.m_RoughSpindleOn = spindleOn;
  d.m_RoughSpindle = spindle;
  d.m_RoughAngle = angle;
  d.m_RoughAllowance = allowance;
  d.m_RoughStepover = stepover;
  return true;
}

// Version 1 has neither start outside nor retract between levels, 2 and 3 no
// retract between levels: those keep their values.
bool ReadStartLine(const char*& cursor, CPocketDlg& d, int version) {
  std::string line;
  int startOutside = d.m_StartOutside, retractBetween = d.m_RetractBetweenLevels, startOn = 0;
  float x = 0, y = 0, z = 0;  // single precision, as the record was always read
  if (!TakeRecordLine(cursor, line)) return false;
  const char* text = line.c_str();
  const bool found =
      version == 1  ? std::sscanf(text, "%d %f %f %f", &startOn, &x, &y, &z) == 4
      : version < 4 ? std::sscanf(text, "%d %d %f %f %f", &startOutside, &startOn, &x, &y, &z) == 5
                    : std::sscanf(text, "%d %d %d %f %f %f", &startOutside, &retractBetween, &startOn, &x, &y, &z) == 6;
  if (!found) return false;
  d.m_StartOutside = startOutside;
  d.m_RetractBetweenLevels = retractBetween;
  d.m_StartPointOn = startOn;
  d.m_StartX = x;
  d.m_StartY = y;
  d.m_StartZ = z;
  return true;
}

// Version 1 has no corner round: it keeps its value.
bool ReadFinishLine(const char*& cursor, CPocketDlg& d, int version) {
  std::string line;
  int finishOn = 0, feed = 0, spindleOn = 0, spindle = 0, passes = 0, cornerRound = d.m_CornerRound;
  float allowance = 0, stepover = 0;
  if (!TakeRecordLine(cursor, line)) return false;
  const char* text = line.c_str();
  const bool found = version == 1 ? std::sscanf(text, "%d %d %d %d %d %f %f", &finishOn, &feed, &spindleOn, &spindle,
                                                &passes, &allowance, &stepover) == 7
                                  : std::sscanf(text, "%d %d %d %d %d %d %f %f", &finishOn, &feed, &spindleOn, &spindle,
                                                &passes, &cornerRound, &allowance, &stepover) == 8;
  if (!found) return false;
  d.m_FinishOn = finishOn;
  d.m_FinishFeed = feed;
  d.m_FinishSpindleOn = spindleOn;
  d.m_FinishSpindle = spindle;
  d.m_FinishPasses = passes;
  d.m_CornerRound = cornerRound;
  d.m_FinishAllowance = allowance;
  d.m_FinishStepover = stepover;
  return true;
}

bool ReadRestLine(const char*& cursor, CPocketDlg& d) {
  std::string line;
  int restOn = 0, feed = 0, spindleOn = 0, spindle = 0, afterFinish = 0;
  double allowance = 0;
  if (!TakeRecordLine(cursor, line) || std::sscanf(line.c_str(), "%d %d %d %d %lf %d", &restOn, &feed, &spindleOn,
                                                   &spindle, &allowance, &afterFinish) != 6) {
    return false;
  }
  d.m_RestOn = restOn;
  d.m_RestFeed = feed;
  d.m_RestSpindleOn = spindleOn;
  d.m_RestSpindle = spindle;
  d.m_RestAllowance = allowance;
  d.m_RestAfterFinish = afterFinish;
  return true;
}

}  // namespace

CString PocketRecordText(const CPocketDlg& d) {
  CString text;
  AppendLine(text, "%s %d %d %d %d\n", kToolpathRecordTag, kPocketRecordVersion, static_cast<int>(kToolpathPocket),
             d.m_CutDirection, d.m_RoughPattern);
  AppendToolNumbers(text, d.m_RoughToolNumberOn, d.m_RoughToolNumber, d.m_RoughLengthOffsetOn,
                    d.m_RoughLengthOffsetNumber);
  AppendTool(text, d.m_RoughTool);
  AppendLine(text, " %d %d %d %.2f %.2f %.2f %.2f %.2f %.2f\n", static_cast<int>(d.m_AbsoluteZ), d.m_IslandTaperOn,
             d.m_IslandZAllowanceOn, d.m_RetractHeight, d.m_ZStart, d.m_ZDepth, d.m_RoughZStep, d.m_ZTaper,
             d.m_IslandTaper);
  AppendLine(text, " %d %d %d %d %d %d %.2f %.2f %.2f\n", d.m_RoughOn, d.m_RoughFeed, d.m_LinkFeedOn, d.m_LinkFeed,
             d.m_RoughSpindleOn, d.m_RoughSpindle, d.m_RoughAngle, d.m_RoughAllowance, d.m_RoughStepover);
  AppendLine(text, " %d %d %d %.2f %.2f %.2f\n", d.m_StartOutside, d.m_RetractBetweenLevels, d.m_StartPointOn,
             d.m_StartX, d.m_StartY, d.m_StartZ);
  text += PlungeRecordText(d.m_Plunge);
  AppendToolNumbers(text, d.m_FinishToolNumberOn, d.m_FinishToolNumber, d.m_FinishLengthOffsetOn,
                    d.m_FinishLengthOffsetNumber);
  AppendTool(text, d.m_FinishTool);
  AppendLine(text, " %d %d %d %d %d %d %.2f %.2f\n", d.m_FinishOn, d.m_FinishFeed, d.m_FinishSpindleOn,
             d.m_FinishSpindle, d.m_FinishPasses, d.m_CornerRound, d.m_FinishAllowance, d.m_FinishStepover);
  text += LeadMoveRecordText(d.m_FinishLead);
  AppendToolNumbers(text, d.m_RestToolNumberOn, d.m_RestToolNumber, d.m_RestLengthOffsetOn, d.m_RestLengthOffsetNumber);
  AppendTool(text, d.m_RestTool);
  AppendLine(text, " %d %d %d %d %.2f %d\n", d.m_RestOn, d.m_RestFeed, d.m_RestSpindleOn, d.m_RestSpindle,
             d.m_RestAllowance, d.m_RestAfterFinish);
  text += LeadMoveRecordText(d.m_RestLead);
  return text;
}

bool CPocketDlg::WriteParamRecord(CString& text) const {
  text = PocketRecordText(*this);
  return true;
}

bool CPocketDlg::ReadParamRecord(const char* text) {
  const char* cursor = text;
  int version = 0;
  if (!ReadHeadLine(cursor, *this, version) || !ReadRoughTool(cursor, *this, version) || !ReadZLine(cursor, *this) ||
      !ReadRoughLine(cursor, *this) || !ReadStartLine(cursor, *this, version) ||
      !ReadPlungeRecordText(cursor, m_Plunge)) {
    return false;
  }
  if (version >= 3 && !ReadPassTool(cursor, m_FinishToolNumberOn, m_FinishToolNumber, m_FinishLengthOffsetOn,
                                    m_FinishLengthOffsetNumber, m_FinishTool)) {
    return false;
  }
  if (!ReadFinishLine(cursor, *this, version) || !ReadLeadMoveRecordText(cursor, m_FinishLead)) return false;
  if (version < 3) return true;
  return ReadPassTool(cursor, m_RestToolNumberOn, m_RestToolNumber, m_RestLengthOffsetOn, m_RestLengthOffsetNumber,
                      m_RestTool) &&
         ReadRestLine(cursor, *this) && ReadLeadMoveRecordText(cursor, m_RestLead);
}
