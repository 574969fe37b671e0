// The solid extrude dialog: an outer profile (a closed flat curve, or a solid
// taken as it is) extruded with an optional taper, minus the extrusion of an
// optional inner profile. The function-static instance keeps its values while
// the plug-in is loaded; the picks are dropped once another drawing is current.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/editor/acui_dialog.h"
#include "plugin/shell/held_drawing_ids.h"

// Which way a taper leans the walls.
enum TaperDirection { kTaperWidens = 0, kTaperNarrows = 1 };
// Where the start height is measured from.
enum StartHeightBase { kFromCoordinateSystem = 0, kFromProfile = 1 };

class CSolidExtrudeDlg : public CAcUiDialog {
 public:
  enum { IDD = 274 };
  explicit CSolidExtrudeDlg(CWnd* pParent = nullptr);

  // After OK: the solid made (or the picked one) minus the inner cut. False,
  // with nothing erased, when no solid came of it (after a message).
  bool MakeSolid();
  // The solid MakeSolid made or cut; null before.
  AcDbObjectId ResultId() const { return m_ResultId; }

  AcDbObjectId m_OuterId;
  AcDbObjectId m_InnerId;
  int m_StartBase = kFromProfile;
  float m_StartHeight = 0.0f;
  float m_Length = -50.0f;
  int m_OuterTaperOn = 0;
  int m_OuterTaperDirection = kTaperWidens;
  float m_OuterTaperAngle = 10.0f;
  int m_InnerTaperOn = 0;
  int m_InnerTaperDirection = kTaperNarrows;
  float m_InnerTaperAngle = 10.0f;
  int m_InnerThrough = 0;
  float m_InnerDepth = 40.0f;
  int m_EraseSources = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  void OnPickOuter();
  void OnPickInner();
  void OnOuterTaper();
  void OnInnerTaper();

  DECLARE_MESSAGE_MAP()

 private:
  void ShowTaperStates();
  void ForgetStalePicks();
  // A picked entity of the kinds accepted; null after the message or a cancel.
  AcDbObjectId PickProfile(const char* prompt, bool solidAllowed);

  bool MakeOuterSolid(AcDbObjectId& solidId, bool& made);
  bool CutInnerSolid(AcDbObjectId outerSolidId);
  // The curve extruded and moved by the offset the start height asks for.
  bool ExtrudeProfile(AcDbObjectId curveId, double height, double taperDegrees, AcDbObjectId& solidId);
  void EraseSources(bool outerWasCurve);

  DrawingChangeWatch m_DrawingWatch;
  AcDbObjectId m_ResultId;
};
