#include "plugin/post/cycle_name_dlg.h"

#include "platform/classlib/dialog_template.h"
#include "plugin/post/post_block_dlg.h"
#include "plugin/shell/configuration_settings.h"

namespace {

// Indices into m_Blocks.
enum {
  kDrill = 0,
  kPeckDrill,
  kChipBreak,
  kTap,
  kBoringSpindle,
  kBoringFeed,
  kBoringShift,
  kCycleCancel,
  kUser1,
};

constexpr int kFirstUserButton = 600;

const DialogTemplateRegistration kCycleTemplate(CCycleNameDlg::IDD, {"Cycle dialog",
                                                                     {
                                                                         res::PushButton(591, "드릴-카운터보링"),
                                                                         res::PushButton(592, "펙 드릴"),
                                                                         res::PushButton(593, "칩 블레이크"),
                                                                         res::PushButton(594, "텝"),
                                                                         res::PushButton(595, "보링(Feed out)"),
                                                                         res::PushButton(596, "보링(Stop spindle)"),
                                                                         res::PushButton(599, "보링(Shift)"),
                                                                         res::PushButton(597, "Chip break"),
                                                                         res::PushButton(598, "Tap"),
                                                                         res::PushButton(600, "사용자 1"),
                                                                         res::PushButton(601, "사용자 2"),
                                                                         res::PushButton(602, "사용자 3"),
                                                                         res::PushButton(603, "사용자 4"),
                                                                         res::PushButton(604, "사용자 5"),
                                                                         res::PushButton(605, "Cycle 취소"),
                                                                         res::DefPushButton(IDOK, "OK"),
                                                                         res::PushButton(IDCANCEL, "Cancel"),
                                                                     }});

}  // namespace

BEGIN_MESSAGE_MAP(CCycleNameDlg, CDialog)
ON_BN_CLICKED(591, &CCycleNameDlg::OnDrill)
ON_BN_CLICKED(592, &CCycleNameDlg::OnPeckDrill)
ON_BN_CLICKED(593, &CCycleNameDlg::OnChipBreak)
ON_BN_CLICKED(594, &CCycleNameDlg::OnTap)
ON_BN_CLICKED(595, &CCycleNameDlg::OnBoringFeed)
ON_BN_CLICKED(596, &CCycleNameDlg::OnBoringSpindle)
ON_BN_CLICKED(599, &CCycleNameDlg::OnBoringShift)
ON_BN_CLICKED(600, &CCycleNameDlg::OnUser1)
ON_BN_CLICKED(601, &CCycleNameDlg::OnUser2)
ON_BN_CLICKED(602, &CCycleNameDlg::OnUser3)
ON_BN_CLICKED(603, &CCycleNameDlg::OnUser4)
ON_BN_CLICKED(604, &CCycleNameDlg::OnUser5)
ON_BN_CLICKED(605, &CCycleNameDlg::OnCycleCancel)
END_MESSAGE_MAP()

CCycleNameDlg::CCycleNameDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

BOOL CCycleNameDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  const PluginSettings& settings = ConfigurationSettings();
  for (int i = 0; i < kUserCycleCount; ++i) SetDlgItemText(kFirstUserButton + i, settings.UserCycleName[i]);
  return TRUE;
}

void CCycleNameDlg::EditBlock(int index) {
  if (m_Blocks[index] == nullptr) return;
  CPostBlockDlg dialog(*m_Blocks[index], this);
  dialog.DoModal();
}

void CCycleNameDlg::OnDrill() { EditBlock(kDrill); }
void CCycleNameDlg::OnPeckDrill() { EditBlock(kPeckDrill); }
void CCycleNameDlg::OnChipBreak() { EditBlock(kChipBreak); }
void CCycleNameDlg::OnTap() { EditBlock(kTap); }
void CCycleNameDlg::OnBoringFeed() { EditBlock(kBoringFeed); }
void CCycleNameDlg::OnBoringSpindle() { EditBlock(kBoringSpindle); }
void CCycleNameDlg::OnBoringShift() { EditBlock(kBoringShift); }
void CCycleNameDlg::OnUser1() { EditBlock(kUser1); }
void CCycleNameDlg::OnUser2() { EditBlock(kUser1 + 1); }
void CCycleNameDlg::OnUser3() { EditBlock(kUser1 + 2); }
void CCycleNameDlg::OnUser4() { EditBlock(kUser1 + 3); }
void CCycleNameDlg::OnUser5() { EditBlock(kUser1 + 4); }
void CCycleNameDlg::OnCycleCancel() { EditBlock(kCycleCancel); }
