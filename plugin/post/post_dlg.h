// The post dialog "NC DATA 출력": the post definition with its block editors,
// the choice of toolpaths in output order, the output file and the program
// number. The command keeps one for as long as the plug-in is loaded, so the
// definition, the holders and the choices persist between runs.
#pragma once

#include <array>
#include <vector>

#include "platform/cad/editor/acui_dialog.h"
#include "platform/classlib/cstring.h"
#include "plugin/post/cycle_name_dlg.h"
#include "plugin/post/post_kind_holders.h"
#include "plugin/post/post_settings_file.h"

class CPostDlg : public CAcUiDialog {
 public:
  enum { IDD = 267 };
  explicit CPostDlg(CWnd* pParent = nullptr);

  // Loads the definition and shows its path. A definition that does not parse
  // is refused with a message naming its line (also put in refusal); the one
  // before stays. False then.
  bool LoadDefinition(const CString& path, CString* refusal = nullptr);

  PostSettingsFile m_Definition;
  CString m_DefinitionPath;
  // Why the definition last loaded was refused; OK waits for a good one.
  CString m_DefinitionRefusal;
  PostKindHolders m_Holders;
  CCycleNameDlg m_CycleDlg;
  std::vector<CString> m_ToolpathNames;  // chosen on OK, in output order
  CString m_OutputPath = "default.nc";
  int m_ProgramNumber = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  void OnChooseDefinition();
  void OnSaveDefinition();
  void OnEditDefinition();
  void OnDefine();
  void OnStart();
  void OnFrom();
  void OnCut();
  void OnRapid();
  void OnArc();
  void OnCycles();
  void OnTool();
  void OnSpindle();
  void OnCoolant();
  void OnMidTerm();
  void OnTerm();
  void OnChooseOutput();
  void OnAdd();
  void OnRemove();
  void OnShowParameters();

  DECLARE_MESSAGE_MAP()

 private:
  void EditBlock(int block);
};

// The toolpath lists that both post dialogs share (313 all, 316 chosen).
// All stored toolpaths into list 313.
void FillToolpathList(CWnd& dialog);
// The name selected in 313 goes before the selection of 316, or at its end.
void AddChosenToolpath(CWnd& dialog);
void RemoveChosenToolpath(CWnd& dialog);
// The names of 316 in order, up to the first empty one.
std::vector<CString> ChosenToolpaths(CWnd& dialog);

// The NC output file filter of the post's file dialogs.
CString PostOutputFilter();
