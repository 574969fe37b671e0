// The class library's message boxes and the program name they carry as caption.
#pragma once

#include "platform/wintypes/windows_types.h"

// A box with the program's name as caption. Without an icon in nType, OK
// boxes get the exclamation mark and yes/no boxes the question mark.
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text of a string-table entry; a missing entry shows its number.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));

// The caption of the program's message boxes: the name set last, else the
// executable's name.
LPCTSTR AfxGetAppName();
void AfxSetAppName(LPCTSTR lpszAppName);
