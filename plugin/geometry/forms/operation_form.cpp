#include "plugin/geometry/forms/operation_form.h"

#include "platform/cad/editor/input/aced_input.h"
#include "platform/win/message_box.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"

void ShowFormInformation(const char* text, const char* caption) {
  ::MessageBox(nullptr, text, caption, MB_OK | MB_ICONINFORMATION);
}

bool AskFormOkCancel(const char* text) {
  return ::MessageBox(nullptr, text, kFormQuestionCaption, MB_OKCANCEL | MB_ICONINFORMATION) == IDOK;
}

bool IsLiveEntity(const AcDbObjectId& id) { return !id.isNull() && id.isValid() && !id.isErased(); }

void SetEntitiesHighlight(const AcDbObjectIdArray& ids, bool on) {
  // The highlight helpers free the array they are given.
  AcDbObjectIdArray copy = ids;
  on ? HighlightEntities(copy) : UnhighlightEntities(copy);
}

void OfferKeptSelection(AcDbObjectIdArray& selection) {
  for (const AcDbObjectId& id : selection) {
    if (!IsLiveEntity(id)) {
      selection.setLogicalLength(0);
      return;
    }
  }
  if (selection.isEmpty()) return;
  SetEntitiesHighlight(selection, true);
  if (!AskFormOkCancel("이미 선택된 Entity를 사용하겠습니까?")) {
    SetEntitiesHighlight(selection, false);
    selection.setLogicalLength(0);
  }
}

bool PickFormPoint(CAcUiDialog& dlg, const char* prompt, bool noNull, double picked[3]) {
  dlg.BeginEditorCommand();
  if (noNull) acedInitGet(RSG_NONULL, nullptr);
  if (acedGetPoint(nullptr, prompt, picked) != RTNORM) {
    dlg.CancelEditorCommand();
    return false;
  }
  dlg.CompleteEditorCommand();
  return true;
}

namespace {

void ShowCoordinate(CAcUiDialog& dlg, int editId, double value) {
  CString text;
  text.Format("%.1f", value);
  dlg.SetDlgItemText(editId, text);
}

}  // namespace

void PickZIntoEdit(CAcUiDialog& dlg, const char* prompt, int editId, bool noNull) {
  ads_point picked = {0.0, 0.0, 0.0};
  if (PickFormPoint(dlg, prompt, noNull, picked)) ShowCoordinate(dlg, editId, picked[2]);
}

void PickXYIntoEdits(CAcUiDialog& dlg, const char* prompt, int xEditId, int yEditId) {
  ads_point picked = {0.0, 0.0, 0.0};
  if (!PickFormPoint(dlg, prompt, false, picked)) return;
  ShowCoordinate(dlg, xEditId, picked[0]);
  if (yEditId != 0) ShowCoordinate(dlg, yEditId, picked[1]);
}

bool ShowRecordRefusal(const char* notFileText, const CString& refusal) {
  ShowFormInformation(refusal.IsEmpty() ? CString(notFileText) : CString(notFileText) + "\n" + refusal);
  return false;
}
