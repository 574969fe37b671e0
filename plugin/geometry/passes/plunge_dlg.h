// The plunge conditions sub-dialog: how the tool goes down to the cutting depth
// at the start of a pass (ramp at an angle, helix or back-and-forth slot) and
// over which extent. The instance is also what the plunge builders read and
// what owners store in their records (PlungeRecordText).
#pragma once

#include "platform/classlib/afxwin.h"
#include "plugin/geometry/forms/record_reader.h"

enum PlungeMethod { kPlungeAngle = 1, kPlungeCircular = 2, kPlungeStraightSlot = 3 };
enum PlungeExtent { kPlungeWhole = 1, kPlungeNone = 2, kPlungeLength = 3 };

class CPlungeDlg : public CDialog {
 public:
  enum { IDD = 219 };
  explicit CPlungeDlg(CWnd* pParent = nullptr);

  int m_PlungeMethod = kPlungeAngle;
  int m_Extent = kPlungeWhole;
  int m_DefaultFeed = 0;         // the pass's cutting feed; set by the owner
  int m_Reserved = 0;            // never stored
  double m_SlotDirection = 0.0;  // degrees; set by the slot plunge, never stored
  int m_PlungeFeedOn = 0;
  float m_AnglePlungeLength = 30.0f;
  float m_ZAngle = 90.0f;
  float m_XYAngle = 180.0f;
  int m_PlungeFeed = 100;
  float m_HelixRadius = 10.0f;
  float m_HelixLength = 30.0f;
  float m_HelixCircleLength = 10.0f;
  float m_SlotLength = 10.0f;
  float m_SlotDepth = 10.0f;
  float m_SlotPitchAngle = 2.0f;
  float m_SlotPlungeLength = 30.0f;
  float m_HelixPitchAngle = 2.0f;
  int m_ReturnAtCuttingFeed = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;
  void OnMethodAngle();
  void OnMethodCircular();
  void OnMethodStraightSlot();
  void OnExtentWhole();
  void OnExtentNone();
  void OnExtentLength();

  DECLARE_MESSAGE_MAP()

 private:
  int m_MethodBeforeOpening = kPlungeAngle;
  int m_ExtentBeforeOpening = kPlungeWhole;
};

// The four record lines of an instance; the Z angle stands in lines 2 and 3.
CString PlungeRecordText(const CPlungeDlg& dlg);
// Reads the four lines that start at cursor and moves cursor past them; the Z
// angle of line 3 is the one kept. False, with dlg and cursor untouched, when a
// line is missing, short of values or holds a value outside kPlungeLimits;
// refusal (when given) says which.
bool ReadPlungeRecordText(const char*& cursor, CPlungeDlg& dlg, CString* refusal = nullptr);
// The four lines read into the reader, for an owner's record (RecordReader).
bool ReadPlungeLines(RecordReader& reader, CPlungeDlg& dlg);
