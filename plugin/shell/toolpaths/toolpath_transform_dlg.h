// The dialog that says how a toolpath is moved, rotated, mirrored or scaled,
// once or as a number of copies, and the matrix made from it.
#pragma once

#include "platform/cad/db/db_database.h"
#include "platform/cad/editor/acui_dialog.h"
#include "platform/cad/ge/ge_matrix3d.h"

class CToolpathTransformDlg : public CAcUiDialog {
 public:
  enum { IDD = 280 };
  enum Mode { kMove = 0, kRotate = 1, kMirror = 2, kScale = 3 };

  explicit CToolpathTransformDlg(CWnd* pParent = nullptr);

  // World matrix of one step, from the members as UCS values of the drawing
  // (the working drawing when null). Mirroring is across the vertical plane
  // through its axis line; false (identity) when mirroring has no axis checked
  // or the scale factor is out of range. A mode outside 0..3 gives the identity.
  bool BuildTransform(AcGeMatrix3d& matrix, AcDbDatabase* db = nullptr) const;

  int m_Mode = kMove;
  int m_CopyCount = 1;
  double m_MoveX = 0.0;
  double m_MoveY = 0.0;
  double m_MoveZ = 0.0;
  double m_RotateAngle = 90.0;  // degrees
  double m_RotateCenterX = 0.0;
  double m_RotateCenterY = 0.0;
  double m_ScaleCenterX = 0.0;
  double m_ScaleCenterY = 0.0;
  int m_CopyOn = 0;
  int m_XAxisOn = 1;
  int m_YAxisOn = 1;
  double m_XAxisValue = -1.0;  // kept and exchanged; no transformation reads them
  double m_YAxisValue = -1.0;
  CString m_ToolpathName;
  double m_MirrorCenterX = 0.0;
  double m_ScaleFactor = 2.0;
  double m_MirrorCenterY = 0.0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  void OnMoveRadio();
  void OnRotateRadio();
  void OnMirrorRadio();
  void OnScaleRadio();
  void OnPickMove();
  void OnPickRotateCenter();
  void OnPickScaleCenter();
  void OnPickMirrorCenter();

  DECLARE_MESSAGE_MAP()

 private:
  // Asks one point into the two edits ("%.1f"); a cancelled prompt leaves them.
  void PickCenterInto(const char* prompt, int xId, int yId);
  void SetEditNumber(int id, double value);
};
