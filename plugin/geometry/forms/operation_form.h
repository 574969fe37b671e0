// Operation forms: what every operation dialog does alike besides its own
// fields. A new operation dialog uses these instead of its own copies:
//
//   OnInitDialog (new mode):  OfferKeptSelection(m_Selection);
//   Z pick buttons:           PickZIntoEdit(*this, "\n Z 시작점을 지정하시요 !!", kZStartEdit);
//   save / load buttons:      SaveFormParameters(*this);
//                             if (LoadFormParameters(*this, kToolpathPocket, kNotPocketFileText)) ShowChoices();
//
// The dialog provides WriteParamRecord(CString&) and
// ReadParamRecord(const char*, CString* refusal), the latter all or nothing
// (RecordReader); limits come from operation_limits.h, names from
// toolpath_name_rule.h.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/editor/acui_dialog.h"
#include "platform/classlib/cstring.h"
#include "plugin/shell/settings/param_file.h"

constexpr const char* kFormInfoCaption = "Ostrivo message";
constexpr const char* kFormQuestionCaption = "Message";

void ShowFormInformation(const char* text, const char* caption = kFormInfoCaption);
// OK and Cancel in a box titled "Message"; true for OK.
bool AskFormOkCancel(const char* text);

bool IsLiveEntity(const AcDbObjectId& id);
void SetEntitiesHighlight(const AcDbObjectIdArray& ids, bool on);
// At opening in new mode: the picks of the last run are forgotten when one of
// them is gone, else shown and offered ("이미 선택된 Entity를 사용하겠습니까?");
// Cancel forgets them.
void OfferKeptSelection(AcDbObjectIdArray& selection);

// The dialog steps aside for a point pick and comes back either way; false
// when the pick was cancelled. noNull refuses an empty answer.
bool PickFormPoint(CAcUiDialog& dlg, const char* prompt, bool noNull, double picked[3]);

// The dialog steps aside for a point pick; the point's Z, as "%.1f", becomes
// the edit's text. Nothing changes when the pick is cancelled; noNull refuses
// an empty answer.
void PickZIntoEdit(CAcUiDialog& dlg, const char* prompt, int editId, bool noNull = false);
// The same for the point's X, and its Y when yEditId is not 0.
void PickXYIntoEdits(CAcUiDialog& dlg, const char* prompt, int xEditId, int yEditId = 0);

// The save button: the members from the controls (a refused value stops it),
// then the record into a *.par file the user picks.
template <class Dialog>
void SaveFormParameters(Dialog& dlg) {
  if (!dlg.UpdateData(TRUE)) return;
  CString text;
  dlg.WriteParamRecord(text);
  ParamFile::Save(text);
}

// The load button: a *.par file of the kind read all or nothing, then the
// controls from the members. What was typed stays where the file says
// nothing. False, with the dialog as it was (after a message), otherwise.
bool ShowRecordRefusal(const char* notFileText, const CString& refusal);
template <class Dialog>
bool LoadFormParameters(Dialog& dlg, int kind, const char* notFileText) {
  if (!dlg.UpdateData(TRUE)) return false;
  CString text;
  if (!ParamFile::Load(kind, notFileText, text)) return false;
  CString refusal;
  if (!dlg.ReadParamRecord(text, &refusal)) return ShowRecordRefusal(notFileText, refusal);
  dlg.UpdateData(FALSE);
  return true;
}
