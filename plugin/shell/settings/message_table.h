// The plug-in's localised messages: process-wide texts, filled at load for the
// language of the settings. Readers show a slot's text and never change it.
#pragma once

#include "platform/classlib/cstring.h"

// Shown when a post definition file cannot be written.
extern CString MsgCannotOpenFile;
// Shown when a post definition asks the user for a value.
extern CString MsgInputValue;

// Fills every slot for the settings' LanguageIndex (1 Korean, 2 Japanese,
// anything else English). Returns 1.
int LoadMessageTable();
