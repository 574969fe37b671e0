// The simple face dialog: a rectangle typed in as numbers, faced at one height
// by parallel passes in one of four directions; also the parameter holder of
// its toolpaths (kind 9) for the manager and the posts.
#pragma once

#include "platform/cad/editor/acui_dialog.h"
#include "platform/classlib/cstring.h"
#include "plugin/geometry/passes/lead_in_out_dlg.h"
#include "plugin/milling/simple/simple_cycle_dialog.h"

enum FaceDirection {
  kFaceAlongXDownward = 1,   // "X+, Y+": passes along +X, top edge first
  kFaceAlongXUpward = 2,     // "X+, Y-": passes along -X, bottom edge first
  kFaceAlongYRightward = 3,  // "Y+,  X+": passes along +Y, left edge first
  kFaceAlongYLeftward = 4,   // "Y+,  X-": passes along -Y, right edge first
};

enum FaceToolCompensation {
  kFaceOnOutline = 1,
  kFaceOutside = 2,
  kFaceInside = 3,
};

class CSimpleFaceDlg : public SimpleCycleDialog<CAcUiDialog> {
 public:
  enum { IDD = 278 };
  explicit CSimpleFaceDlg(CWnd* pParent = nullptr);

  // The record of kind 9; always true.
  bool WriteParamRecord(CString& text) const;
  // All or nothing: false, with the dialog untouched, for a record that is not
  // a whole face record within kSimpleFaceLimits; refusal says why.
  bool ReadParamRecord(const char* text, CString* refusal = nullptr);

  int m_Direction = kFaceAlongXDownward;
  int m_ShapeInputType = kShapeCentreSize;
  int m_ToolCompensation = kFaceOnOutline;
  CLeadInOutDlg m_Lead;
  ShapeFields m_Shape;
  float m_StartHeight = 0.0f;
  float m_Stepover = 10.0f;
  int m_TwoWay = 0;

 protected:
  void ExchangeOwnFields(CDataExchange* pDX) override;
  void ShowOwnStates() override { ShowChoices(); }
  void RememberOwnClicks() override;
  void RestoreOwnClicks() override;

  void OnDirection(UINT id);
  void OnShapeInputType(UINT id);
  void OnToolCompensation(UINT id);
  void OnLead();

  DECLARE_MESSAGE_MAP()

 private:
  // What the clicks change at once; Cancel gives it back.
  struct ClickedValues {
    int direction, shapeInputType, toolCompensation;
  };

  void ShowChoices();

  ClickedValues m_ClickedAtOpening{};
};
