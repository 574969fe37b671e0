// Operation forms: the toolpath name rule every operation dialog follows.
//
//   OnInitDialog:  if (ProposeToolpathName(m_EditMode != 0, m_ExistingName, "Pocket", m_ToolpathName))
//                    SetDlgItemText(kNameEdit, m_ToolpathName);
//   OnOK:          if (!AcceptToolpathName(m_ToolpathName, m_EditMode == 0)) return;   // stays open
//   generator:     ReplaceAgreedToolpath(dlg.m_ToolpathName);   // just before the new group is filed
//
// A name is never empty; a new toolpath whose name is taken asks "…가 이미
// 존재합니다. 기존의 공구경로를 삭제하겠습니까?" and, after OK, the old one goes
// when the new one is filed (not before: a run that makes nothing keeps it).
#pragma once

#include "platform/classlib/cstring.h"

// The name a dialog shows on opening: the existing name in edit mode, else the
// first free "<base>_<n>". False, name untouched, when there is none to show.
bool ProposeToolpathName(bool editMode, const CString& existingName, const char* baseName, CString& name);
// True when the name may be used: not blank (else a message), and free, or
// taken and the user agreed to replace it. askWhenTaken is false where the
// name is the toolpath's own (regeneration).
bool AcceptToolpathName(const CString& name, bool askWhenTaken);
// Removes the toolpath the user agreed to replace; nothing when the name is free.
void ReplaceAgreedToolpath(const char* name);
