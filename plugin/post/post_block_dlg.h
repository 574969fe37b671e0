// The post-block dialog: the text editor of one block of the post definition.
// OK replaces the block's lines with the edited text; Cancel keeps them.
#pragma once

#include "platform/classlib/afxwin.h"
#include "plugin/post/post_block.h"

class CPostBlockDlg : public CDialog {
 public:
  enum { IDD = 268 };
  // The dialog edits the block it is given; the block outlives it.
  explicit CPostBlockDlg(PostBlock& block, CWnd* pParent = nullptr);

  PostBlock& block() { return block_; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  PostBlock& block_;
};
