#include "plugin/shell/toolpaths/toolpath_transform_dlg.h"

#include <numbers>

#include "platform/cad/db/db_host_services.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/ge/ge_plane.h"
#include "platform/win/message_box.h"
#include "plugin/shell/ucs_helpers.h"

namespace {

constexpr double kDegreeFactor = std::numbers::pi / 180.0;
constexpr int kLeastCopyCount = 1;
constexpr int kMostCopyCount = 999;
constexpr double kLeastScale = 0.0001;
constexpr double kMostScale = 9999999.0;

constexpr int kModeRadios[] = {550, 551, 552, 553};

const DialogTemplateRegistration kTransformTemplate(CToolpathTransformDlg::IDD,
                                                    {"공구경로 이동, 복사",
                                                     {
                                                         res::Text(IDC_STATIC, "공구경로 :"),
                                                         res::Text(549, ""),
                                                         res::RadioButton(550, "이동", WS_GROUP),
                                                         res::EditText(555, "X,Y,Z"),
                                                         res::EditText(556, ""),
                                                         res::EditText(557, ""),
                                                         res::PushButton(389, "......"),
                                                         res::RadioButton(551, "회전", WS_GROUP),
                                                         res::EditText(429, "회전각도"),
                                                         res::EditText(430, "중심(X,Y)"),
                                                         res::EditText(431, ""),
                                                         res::PushButton(554, "....."),
                                                         res::RadioButton(552, "미러", WS_GROUP),
                                                         res::CheckBox(559, "X 축"),
                                                         res::EditText(560, ""),
                                                         res::CheckBox(561, "Y 축"),
                                                         res::EditText(562, ""),
                                                         res::EditText(434, "중심(X,Y)"),
                                                         res::EditText(435, ""),
                                                         res::PushButton(563, "....."),
                                                         res::RadioButton(553, "스케일", WS_GROUP),
                                                         res::EditText(566, "배율"),
                                                         res::EditText(432, "중심(X,Y)"),
                                                         res::EditText(433, ""),
                                                         res::PushButton(558, "....."),
                                                         res::CheckBox(564, "복사    횟수"),
                                                         res::EditText(565, ""),
                                                         res::DefPushButton(IDOK, "OK"),
                                                         res::PushButton(IDCANCEL, "Cancel"),
                                                     }});

bool AskPoint(const ads_point base, const char* prompt, ads_point result) {
  return acedGetPoint(base, prompt, result) == RTNORM;
}

}  // namespace

BEGIN_MESSAGE_MAP(CToolpathTransformDlg, CAcUiDialog)
ON_BN_CLICKED(550, &CToolpathTransformDlg::OnMoveRadio)
ON_BN_CLICKED(551, &CToolpathTransformDlg::OnRotateRadio)
ON_BN_CLICKED(552, &CToolpathTransformDlg::OnMirrorRadio)
ON_BN_CLICKED(553, &CToolpathTransformDlg::OnScaleRadio)
ON_BN_CLICKED(389, &CToolpathTransformDlg::OnPickMove)
ON_BN_CLICKED(554, &CToolpathTransformDlg::OnPickRotateCenter)
ON_BN_CLICKED(558, &CToolpathTransformDlg::OnPickScaleCenter)
ON_BN_CLICKED(563, &CToolpathTransformDlg::OnPickMirrorCenter)
END_MESSAGE_MAP()

CToolpathTransformDlg::CToolpathTransformDlg(CWnd* pParent) : CAcUiDialog(IDD, pParent) {}

void CToolpathTransformDlg::DoDataExchange(CDataExchange* pDX) {
  CAcUiDialog::DoDataExchange(pDX);
  DDX_Text(pDX, 565, m_CopyCount);
  DDV_MinMaxInt(pDX, m_CopyCount, kLeastCopyCount, kMostCopyCount);
  DDX_Text(pDX, 555, m_MoveX);
  DDX_Text(pDX, 556, m_MoveY);
  DDX_Text(pDX, 557, m_MoveZ);
  DDX_Text(pDX, 429, m_RotateAngle);
  DDX_Text(pDX, 430, m_RotateCenterX);
  DDX_Text(pDX, 431, m_RotateCenterY);
  DDX_Text(pDX, 432, m_ScaleCenterX);
  DDX_Text(pDX, 433, m_ScaleCenterY);
  DDX_Check(pDX, 564, m_CopyOn);
  DDX_Check(pDX, 559, m_XAxisOn);
  DDX_Check(pDX, 561, m_YAxisOn);
  DDX_Text(pDX, 560, m_XAxisValue);
  DDX_Text(pDX, 562, m_YAxisValue);
  DDX_Text(pDX, 549, m_ToolpathName);
  DDX_Text(pDX, 434, m_MirrorCenterX);
  DDX_Text(pDX, 566, m_ScaleFactor);
  DDV_MinMaxDouble(pDX, m_ScaleFactor, kLeastScale, kMostScale);
  DDX_Text(pDX, 435, m_MirrorCenterY);
}

BOOL CToolpathTransformDlg::OnInitDialog() {
  CAcUiDialog::OnInitDialog();
  if (m_Mode >= kMove && m_Mode <= kScale) CheckRadioButton(550, 553, kModeRadios[m_Mode]);
  return TRUE;
}

void CToolpathTransformDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  // Without an axis the mirror line is a point and mirrors nothing sensibly.
  if (m_Mode == kMirror && !m_XAxisOn && !m_YAxisOn) {
    ::MessageBox(nullptr, "미러 축(X 축 또는 Y 축)을 선택하시요.", "Ostrivo message", MB_OK | MB_ICONINFORMATION);
    return;
  }
  EndDialog(IDOK);
}

void CToolpathTransformDlg::OnMoveRadio() { m_Mode = kMove; }
void CToolpathTransformDlg::OnRotateRadio() { m_Mode = kRotate; }
void CToolpathTransformDlg::OnMirrorRadio() { m_Mode = kMirror; }
void CToolpathTransformDlg::OnScaleRadio() { m_Mode = kScale; }

void CToolpathTransformDlg::SetEditNumber(int id, double value) {
  CString text;
  text.Format("%.1f", value);
  SetDlgItemText(id, text);
}

void CToolpathTransformDlg::OnPickMove() {
  BeginEditorCommand();
  ads_point first = {0.0, 0.0, 0.0};
  ads_point second = {0.0, 0.0, 0.0};
  if (!AskPoint(nullptr, "\n 기준점을 선택하시요.", first) || !AskPoint(first, "\n 두번째 점을 선택하시요.", second)) {
    CancelEditorCommand();
    return;
  }
  SetEditNumber(555, second[0] - first[0]);
  SetEditNumber(556, second[1] - first[1]);
  SetEditNumber(557, second[2] - first[2]);
  CompleteEditorCommand();
}

void CToolpathTransformDlg::PickCenterInto(const char* prompt, int xId, int yId) {
  BeginEditorCommand();
  ads_point center = {0.0, 0.0, 0.0};
  if (!AskPoint(nullptr, prompt, center)) {
    CancelEditorCommand();
    return;
  }
  SetEditNumber(xId, center[0]);
  SetEditNumber(yId, center[1]);
  CompleteEditorCommand();
}

void CToolpathTransformDlg::OnPickRotateCenter() { PickCenterInto("\n 회전 중심을 선택하시요.", 430, 431); }
void CToolpathTransformDlg::OnPickScaleCenter() { PickCenterInto("\n 스케일 중심을 선택하시요.", 432, 433); }
void CToolpathTransformDlg::OnPickMirrorCenter() { PickCenterInto("\n 미러 중심을 선택하시요.", 434, 435); }

bool CToolpathTransformDlg::BuildTransform(AcGeMatrix3d& matrix, AcDbDatabase* db) const {
  matrix.setToIdentity();
  if (db == nullptr) db = acdbHostApplicationServices()->workingDatabase();
  AcGeMatrix3d ucs;
  GetUcsMatrix(ucs, db);
  const AcGeVector3d zAxis = GetUcsZAxis(db);
  switch (m_Mode) {
    case kMove:
      // A displacement: the UCS turns it but its origin must not shift it.
      matrix.setToTranslation(ucs * AcGeVector3d(m_MoveX, m_MoveY, m_MoveZ));
      return true;
    case kRotate:
      matrix.setToRotation(m_RotateAngle * kDegreeFactor, zAxis,
                           ucs * AcGePoint3d(m_RotateCenterX, m_RotateCenterY, 0.0));
      return true;
    case kMirror: {
      if (!m_XAxisOn && !m_YAxisOn) return false;
      const AcGePoint3d center(m_MirrorCenterX, m_MirrorCenterY, 0.0);
      const AcGePoint3d second = center + AcGeVector3d(m_YAxisOn ? 1.0 : 0.0, m_XAxisOn ? 1.0 : 0.0, 0.0);
      const AcGePoint3d worldCenter = ucs * center;
      const AcGeVector3d along = ucs * second - worldCenter;
      // The vertical plane through the line keeps every depth where it was.
      matrix.setToMirroring(AcGePlane(worldCenter, along.crossProduct(zAxis).normal()));
      return true;
    }
    case kScale:
      if (m_ScaleFactor < kLeastScale || m_ScaleFactor > kMostScale) return false;
      matrix.setToScaling(m_ScaleFactor, ucs * AcGePoint3d(m_ScaleCenterX, m_ScaleCenterY, 0.0));
      return true;
    default:
      return true;
  }
}
