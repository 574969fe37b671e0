// Every record reader of the milling operations against values no dialog lets
// a user type: refused with the field named, the holder as it was.
#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/geometry/passes/plunge_dlg.h"
#include "plugin/milling/drill/drill_dlg.h"
#include "plugin/milling/drill/drill_record.h"
#include "plugin/milling/drill/multi_cycle_file.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/pocket/pocket_record.h"
#include "plugin/milling/profile/profile_dlg.h"
#include "plugin/milling/profile/profile_record.h"

namespace {

// A reader under test: reads a text, says why it refused, and shows what its
// holder holds (as record text) so that "unchanged" can be compared.
struct Reader {
  const char* name;
  std::function<std::string()> goodRecord;
  std::function<bool(const std::string&, CString&)> read;
  std::function<std::string()> state;
};

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// The record with the token'th blank-separated word of the line replaced.
std::string WithToken(const std::string& record, std::size_t lineIndex, std::size_t tokenIndex,
                      const std::string& value) {
  std::vector<std::string> lines = SplitLines(record);
  std::istringstream words(lines[lineIndex]);
  std::vector<std::string> tokens;
  for (std::string word; words >> word;) tokens.push_back(word);
  tokens[tokenIndex] = value;
  std::string line = lines[lineIndex].front() == ' ' ? " " : "";
  for (std::size_t i = 0; i < tokens.size(); ++i) line += (i == 0 ? "" : " ") + tokens[i];
  lines[lineIndex] = line;
  return JoinLines(lines);
}

std::size_t TokenCount(const std::string& line) {
  std::istringstream words(line);
  std::size_t count = 0;
  for (std::string word; words >> word;) ++count;
  return count;
}

// Holders kept between readings, so that a refused reading can be seen to change nothing.
CPocketDlg pocket;
CProfileDlg profile;
CDrillDlg drill;
CLeadInOutDlg lead;
CPlungeDlg plunge;

std::string PocketRecord() {
  CPocketDlg d;
  d.m_RoughStepover = 4.5f;
  d.m_ZStart = 2.5f;
  d.m_ZDepth = -12.0f;
  d.m_FinishLead.m_ExitArcAngle = 45.0f;
  return PocketRecordText(d).GetString();
}

std::string ProfileRecord() {
  CProfileDlg d;
  d.m_Stepover = 2.0f;
  d.m_Lead.m_ExitArcAngle = 60.0f;
  return ProfileRecordText(d).GetString();
}

std::string DrillRecord() {
  CDrillDlg d;
  d.m_FirstPeck = 4.0f;
  std::string text;
  CString written;
  d.WriteParamRecord(written);
  return written.GetString();
}

std::string CycleRecord() {
  DrillRecordValues values;
  values.zDepth = -20.0f;
  return MultiCycleRecordText(values).GetString();
}

const std::vector<Reader>& Readers() {
  static const std::vector<Reader> readers = {
      {"pocket", PocketRecord,
       [](const std::string& text, CString& why) { return pocket.ReadParamRecord(text.c_str(), &why); },
       [] { return std::string(PocketRecordText(pocket).GetString()); }},
      {"profile", ProfileRecord,
       [](const std::string& text, CString& why) { return profile.ReadParamRecord(text.c_str(), &why); },
       [] { return std::string(ProfileRecordText(profile).GetString()); }},
      {"drill", DrillRecord,
       [](const std::string& text, CString& why) { return drill.ReadParamRecord(text.c_str(), &why); },
       [] {
         CString text;
         drill.WriteParamRecord(text);
         return std::string(text.GetString());
       }},
      {"multi-cycle file", [] { return CycleRecord(); },
       [](const std::string& text, CString& why) {
         const std::string file = "[Cycle_Start]\r\nDrill\r\n" + text + "\r\n[Cycle_End]\r\n";
         const MultiCycleFileContents read = MultiCycleFile::Parse(file);
         if (!read.entries.empty()) return true;
         DrillRecordValues values;
         ParseDrillRecord(text.c_str(), values, &why);
         return false;
       },
       [] { return std::string(); }},
      {"lead block", [] { return std::string(LeadMoveRecordText(CLeadInOutDlg()).GetString()); },
       [](const std::string& text, CString& why) {
         const char* cursor = text.c_str();
         return ReadLeadMoveRecordText(cursor, lead, &why);
       },
       [] { return std::string(LeadMoveRecordText(lead).GetString()); }},
      {"plunge block", [] { return std::string(PlungeRecordText(CPlungeDlg()).GetString()); },
       [](const std::string& text, CString& why) {
         const char* cursor = text.c_str();
         return ReadPlungeRecordText(cursor, plunge, &why);
       },
       [] { return std::string(PlungeRecordText(plunge).GetString()); }},
  };
  return readers;
}

bool IsTagLine(const std::string& line) { return line.rfind("Ostrivo_ToolPath", 0) == 0; }

TEST(RecordLimits, EveryNumberOfEveryReaderRefusesValuesNoDialogTakes) {
  const std::regex namedField("\"[^\"]+\"");
  for (const Reader& reader : Readers()) {
    const std::string good = reader.goodRecord();
    CString why;
    ASSERT_TRUE(reader.read(good, why)) << reader.name << ": " << why.GetString();
    const std::string before = reader.state();
    const std::vector<std::string> lines = SplitLines(good);
    for (std::size_t line = 0; line < lines.size(); ++line) {
      for (std::size_t token = IsTagLine(lines[line]) ? 1 : 0; token < TokenCount(lines[line]); ++token) {
        for (const char* bad : {"nan", "inf", "-inf", "1e300", "-1e300", "2147483648"}) {
          const std::string text = WithToken(good, line, token, bad);
          CString refusal;
          EXPECT_FALSE(reader.read(text, refusal))
              << reader.name << " line " << line + 1 << " value " << token + 1 << " = " << bad;
          const std::string message = refusal.GetString();
          EXPECT_TRUE(std::regex_search(message, namedField)) << reader.name << ": " << message;
          EXPECT_NE(message.find(bad), std::string::npos) << message;
          EXPECT_EQ(reader.state(), before) << reader.name << " line " << line + 1 << " = " << bad;
        }
      }
    }
  }
}

// The inputs the fault run found, each with the field the refusal must name.
struct BadRecordValue {
  const char* reader;
  std::size_t line, token;  // 1-based, the tag counting as a token
  const char* value;
  const char* field;
};

TEST(RecordLimits, TheValuesThatReachedTheNcOrRanForeverAreRefusedByName) {
  const BadRecordValue cases[] = {
      {"profile", 9, 5, "nan", "복귀 ARC 각도"},  // lead exit arc angle: G01XnanYnanZnan
      {"profile", 9, 5, "1e38", "복귀 ARC 각도"},
      {"profile", 4, 5, "0.0001", ""},              // Z stepover 0.0001 is fine: a run cap stops it
      {"pocket", 5, 9, "0.0001", "황삭 Stepover"},  // minutes of generation
      {"pocket", 4, 5, "1000000000", "Z 시작"},
      {"pocket", 4, 5, "2147483647", "Z 시작"},   // grew to 1 GB
      {"pocket", 17, 5, "nan", "복귀 ARC 각도"},  // the finishing lead block
      {"drill", 8, 1, "1e30", "처음펙"},          // Q1000000015047466219876688855040.000
      {"multi-cycle file", 5, 6, "1e20", "Z 깊이"},
      {"multi-cycle file", 2, 4, "-2147483649", "장보정"},
  };
  for (const BadRecordValue& c : cases) {
    for (const Reader& reader : Readers()) {
      if (std::string(reader.name) != c.reader) continue;
      const std::string text = WithToken(reader.goodRecord(), c.line - 1, c.token - 1, c.value);
      CString refusal;
      const bool read = reader.read(text, refusal);
      if (*c.field == '\0') {
        EXPECT_TRUE(read) << c.reader << " " << c.value << ": " << refusal.GetString();
        continue;
      }
      EXPECT_FALSE(read) << c.reader << " " << c.value;
      EXPECT_NE(std::string(refusal.GetString()).find(std::string("\"") + c.field + "\""), std::string::npos)
          << c.reader << " " << c.value << ": " << refusal.GetString();
    }
  }
}

TEST(RecordLimits, ARecordPastAMegabyteIsRefusedUnread) {
  std::string text = PocketRecord();
  text.insert(text.find('\n'), std::string(RecordReader::kLargestRecord, ' '));
  CPocketDlg d;
  CString refusal;
  EXPECT_FALSE(d.ReadParamRecord(text.c_str(), &refusal));
  EXPECT_EQ(PocketRecordText(d), PocketRecordText(CPocketDlg()));
  EXPECT_NE(std::string(refusal.GetString()).find("너무 깁니다"), std::string::npos) << refusal.GetString();
}

}  // namespace
