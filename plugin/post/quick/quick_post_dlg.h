// The quick-post dialog: the options of the fixed formats, the choice of
// toolpaths in output order and the output file. The command keeps one for as
// long as the plug-in is loaded, so options, path and line count persist.
#pragma once

#include <vector>

#include "platform/cad/editor/acui_dialog.h"
#include "platform/classlib/cstring.h"
#include "plugin/post/post_kind_holders.h"
#include "plugin/post/quick/quick_post_options.h"

class CQuickPostDlg : public CAcUiDialog {
 public:
  enum { IDD = 202 };
  explicit CQuickPostDlg(CWnd* pParent = nullptr);

  QuickPostOptions Options() const;

  PostKindHolders m_Holders;
  std::vector<CString> m_ToolpathNames;  // chosen on OK, in output order
  CString m_OutputPath;
  int m_LineCounter = 0;  // numbering goes on from run to run
  int m_SequenceNumbers = 0;
  int m_MachiningInfo = 0;
  int m_ProgramNumberOn = 0;
  int m_ProgramNumber = 0;
  int m_Conversational = 0;
  int m_ArcsByRadius = 1;
  int m_Incremental = 0;
  int m_DiagonalRapids = 1;
  int m_EditorAfter = 1;
  int m_ArcHelix = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  void OnChooseOutput();
  void OnAdd();
  void OnRemove();
  void OnConversational();
  void OnIncremental();

  DECLARE_MESSAGE_MAP()
};

// The output file filter of the quick post's file dialogs.
CString QuickPostOutputFilter();
