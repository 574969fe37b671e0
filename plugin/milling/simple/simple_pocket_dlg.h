// The simple pocket dialog: a rectangle, rounded rectangle or circle typed in
// as numbers, cleared in depth layers with or without tapered walls; also the
// parameter holder of its toolpaths (kind 6) for the manager and the posts.
#pragma once

#include "platform/cad/editor/acui_dialog.h"
#include "platform/classlib/cstring.h"
#include "plugin/geometry/passes/plunge_dlg.h"
#include "plugin/milling/simple/simple_cycle_dialog.h"

enum SimplePocketType {
  kSimplePocketRectangle = 1,
  kSimplePocketRounded = 2,
  kSimplePocketCircle = 3,
};

class CSimplePocketDlg : public SimpleCycleDialog<CAcUiDialog> {
 public:
  enum { IDD = 275 };
  explicit CSimplePocketDlg(CWnd* pParent = nullptr);

  // The record of kind 6; always true.
  bool WriteParamRecord(CString& text) const;
  // All or nothing: false, with the dialog untouched, for a record that is not
  // a whole pocket record within the limits; refusal says why.
  bool ReadParamRecord(const char* text, CString* refusal = nullptr);

  int m_PocketType = kSimplePocketRectangle;
  int m_ShapeInputType = kShapeCentreSize;
  double m_StartX = 0.0, m_StartY = 0.0, m_StartZ = 0.0;
  CPlungeDlg m_Plunge;
  ShapeFields m_Shape;
  float m_ZStepover = 10.0f;
  float m_CornerRadius = 20.0f;
  float m_Depth = -50.0f;
  float m_CircleRadius = 100.0f;
  float m_StartHeight = 0.0f;
  float m_XYStepover = 10.0f;
  int m_SingleTaper = 1;
  float m_XMinusTaper = 0.0f;
  float m_XPlusTaper = 0.0f;
  float m_YMinusTaper = 0.0f;
  float m_YPlusTaper = 0.0f;
  int m_StartPointOn = 0;
  float m_SingleTaperAngle = 0.0f;

 protected:
  void ExchangeOwnFields(CDataExchange* pDX) override;
  void ShowOwnStates() override;
  void RememberOwnClicks() override;
  void RestoreOwnClicks() override;

  void OnPocketType(UINT id);
  void OnShapeInputType(UINT id);
  void OnSingleTaper();
  void OnStartPointCheck();
  void OnStartPointButton();
  void OnPlunge();

  DECLARE_MESSAGE_MAP()

 private:
  // What the clicks and picks change at once; Cancel gives it back.
  struct ClickedValues {
    int pocketType, shapeInputType, singleTaper, startPointOn;
    double startX, startY, startZ;
  };

  void ShowChoices();
  void ShowStartPoint();
  // False, the point as it was, when the pick is cancelled or out of range.
  bool PickStartPoint();

  ClickedValues m_ClickedAtOpening{};
};
