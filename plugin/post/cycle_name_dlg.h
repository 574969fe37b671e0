// The cycle dialog: a button per canned-cycle block of the post definition,
// each opening that block's editor.
#pragma once

#include <array>

#include "platform/classlib/afxwin.h"
#include "plugin/post/post_block.h"

class CCycleNameDlg : public CDialog {
 public:
  enum { IDD = 294 };
  static constexpr int kCycleBlockCount = 13;
  explicit CCycleNameDlg(CWnd* pParent = nullptr);

  // [Drill], [Peck_Drill], [Chip_Break], [Tap], [Boring_Spindle],
  // [Boring_Feed], [Boring_Shift], [Cycle_Cancel], [User_Cycle1] to [User_Cycle5].
  std::array<PostBlock*, kCycleBlockCount> m_Blocks{};

 protected:
  BOOL OnInitDialog() override;
  void OnDrill();
  void OnPeckDrill();
  void OnChipBreak();
  void OnTap();
  void OnBoringFeed();
  void OnBoringSpindle();
  void OnBoringShift();
  void OnUser1();
  void OnUser2();
  void OnUser3();
  void OnUser4();
  void OnUser5();
  void OnCycleCancel();

  DECLARE_MESSAGE_MAP()

 private:
  void EditBlock(int index);
};
