#include "plugin/milling/drill/point_sort_dlg.h"

#include "plugin/milling/drill/point_ordering.h"

namespace {

constexpr int kToleranceEdit = 416;

struct MethodButton {
  int id;
  int method;
  UINT upBitmap;    // "SORTnU", named after the caption
  UINT downBitmap;  // "SORTnD"
};

// In dialog order; the bitmaps "SORT9U" and "SORT9D" (1117, 1118) belong to no button.
constexpr MethodButton kMethodButtons[CPointSortDlg::kMethodButtonCount] = {
    {410, kSortColumnsUp, 1101, 1102},   {411, kSortColumnsZigzagUp, 1103, 1104},
    {412, kSortRowsRight, 1105, 1106},   {413, kSortRowsZigzag, 1107, 1108},
    {414, kSortColumnsDown, 1109, 1110}, {415, kSortColumnsZigzagDown, 1111, 1112},
    {418, kSortRowsFromTop, 1113, 1114}, {419, kSortRowsFromTopZigzag, 1115, 1116},
    {417, kSortNearestNext, 1133, 1134},
};

const DialogTemplateRegistration kPointSortTemplate(CPointSortDlg::IDD,
                                                    {"포인트 정렬",
                                                     {
                                                         res::GroupBox(IDC_STATIC, "<< 정렬 방법 >>"),
                                                         res::BitmapButton(410, "Sort1"),
                                                         res::BitmapButton(411, "Sort2"),
                                                         res::BitmapButton(412, "Sort3"),
                                                         res::BitmapButton(413, "Sort4"),
                                                         res::BitmapButton(414, "Sort5"),
                                                         res::BitmapButton(415, "Sort6"),
                                                         res::BitmapButton(418, "Sort7"),
                                                         res::BitmapButton(419, "Sort8"),
                                                         res::BitmapButton(417, "Sort17"),
                                                         res::EditText(kToleranceEdit, "정렬 공차"),
                                                         res::DefPushButton(IDOK, "OK"),
                                                         res::PushButton(IDCANCEL, "Cancel"),
                                                     }});

}  // namespace

BEGIN_MESSAGE_MAP(CPointSortDlg, CDialog)
ON_BN_CLICKED(410, &CPointSortDlg::OnSort1)
ON_BN_CLICKED(411, &CPointSortDlg::OnSort2)
ON_BN_CLICKED(412, &CPointSortDlg::OnSort3)
ON_BN_CLICKED(413, &CPointSortDlg::OnSort4)
ON_BN_CLICKED(414, &CPointSortDlg::OnSort5)
ON_BN_CLICKED(415, &CPointSortDlg::OnSort6)
ON_BN_CLICKED(418, &CPointSortDlg::OnSort7)
ON_BN_CLICKED(419, &CPointSortDlg::OnSort8)
ON_BN_CLICKED(417, &CPointSortDlg::OnSort17)
END_MESSAGE_MAP()

CPointSortDlg::CPointSortDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CPointSortDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, kToleranceEdit, m_SortToler);
  DDV_MinMaxFloat(pDX, m_SortToler, 0.0f, 999999.0f);
}

BOOL CPointSortDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // The buttons change the method at once; Cancel gives it back.
  m_MethodBeforeOpening = m_SortMethod;
  for (int i = 0; i < kMethodButtonCount; ++i) {
    m_SortButtons[i].LoadBitmaps(kMethodButtons[i].upBitmap, kMethodButtons[i].downBitmap);
    m_SortButtons[i].AutoLoad(kMethodButtons[i].id, this);
  }
  SelectSortMethod(kSortColumnsUp);
  return TRUE;
}

void CPointSortDlg::OnCancel() {
  m_SortMethod = m_MethodBeforeOpening;
  CDialog::OnCancel();
}

CBitmapButton* CPointSortDlg::ButtonOfMethod(int method) {
  for (int i = 0; i < kMethodButtonCount; ++i)
    if (kMethodButtons[i].method == method) return &m_SortButtons[i];
  return nullptr;
}

void CPointSortDlg::SelectSortMethod(int method) {
  if (CBitmapButton* current = ButtonOfMethod(m_SortMethod)) current->SetState(FALSE);
  m_SortMethod = method;
  if (CBitmapButton* chosen = ButtonOfMethod(m_SortMethod)) chosen->SetState(TRUE);
}

void CPointSortDlg::OnSort1() { SelectSortMethod(kSortColumnsUp); }

void CPointSortDlg::OnSort2() { SelectSortMethod(kSortColumnsZigzagUp); }

void CPointSortDlg::OnSort3() { SelectSortMethod(kSortRowsRight); }

void CPointSortDlg::OnSort4() { SelectSortMethod(kSortRowsZigzag); }

void CPointSortDlg::OnSort5() { SelectSortMethod(kSortColumnsDown); }

void CPointSortDlg::OnSort6() { SelectSortMethod(kSortColumnsZigzagDown); }

void CPointSortDlg::OnSort7() { SelectSortMethod(kSortRowsFromTop); }

void CPointSortDlg::OnSort8() { SelectSortMethod(kSortRowsFromTopZigzag); }

void CPointSortDlg::OnSort17() { SelectSortMethod(kSortNearestNext); }
