// The entry/return conditions sub-dialog: how a cutting pass is led in and out
// in the XY plane and how the tool comes down in Z onto the next pass. The
// instance is also what the lead-move builders read and what owners store in
// their records (LeadMoveRecordText).
#pragma once

#include "platform/classlib/afxwin.h"
#include "plugin/geometry/forms/record_reader.h"

enum ZEntryMode { kZEntryWhole = 1, kZEntryNone = 2, kZEntryLength = 3 };

class CLeadInOutDlg : public CDialog {
 public:
  enum { IDD = 227 };
  explicit CLeadInOutDlg(CWnd* pParent = nullptr);

  BYTE m_Side = 0;  // 1: lead arcs to the right of the travel (clockwise); set by the owner
  int m_ZEntryMode = kZEntryLength;
  int m_DefaultFeed = 0;  // feed of a lead move whose own feed is off; set by the owner
  int m_EntryFeedOn = 0;
  float m_EntryArcAngle = 90.0f;
  int m_EntryOn = 1;
  int m_EntryFeed = 300;
  float m_EntryLineLength = 10.0f;
  float m_EntryArcRadius = 10.0f;
  int m_ExitFeedOn = 0;
  float m_ExitArcAngle = 90.0f;
  int m_ExitOn = 1;
  int m_ExitFeed = 300;
  float m_ExitLineLength = 10.0f;
  float m_ExitArcRadius = 10.0f;
  int m_Reserved = 0;  // never stored
  float m_EntryLineAngle = 90.0f;
  int m_EntryLineOn = 1;
  float m_ExitLineAngle = 90.0f;
  int m_ExitLineOn = 1;
  float m_ZEntryLength = 30.0f;  // 0 to 9999
  int m_EntryArcOn = 1;
  int m_ExitArcOn = 1;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;
  void OnZEntryWhole();
  void OnZEntryNone();
  void OnZEntryLength();

  DECLARE_MESSAGE_MAP()

 private:
  int m_ZEntryModeBeforeOpening = kZEntryLength;
};

// The five record lines of an instance (default feed and reserved int left out).
CString LeadMoveRecordText(const CLeadInOutDlg& dlg);
// Reads the five lines that start at cursor and moves cursor past them. False,
// with dlg and cursor untouched, when a line is missing, short of values or
// holds a value outside kLeadInOutLimits; refusal (when given) says which.
bool ReadLeadMoveRecordText(const char*& cursor, CLeadInOutDlg& dlg, CString* refusal = nullptr);
// The five lines read into the reader, for an owner's record (RecordReader).
bool ReadLeadMoveLines(RecordReader& reader, CLeadInOutDlg& dlg);
