// What the find and replace dialogs keep in the application profile between
// runs: sections "VellumEdit\Find" and "VellumEdit\Replace".
#pragma once

#include "platform/classlib/cstring.h"

struct FindSettings {
  CString find_what;
  CString replace_with;  // the replace dialog's only
  BOOL match_case = FALSE;
  BOOL whole_word = FALSE;
};

// Without an application the defaults are read and nothing is written.
FindSettings LoadFindSettings();
void SaveFindSettings(const FindSettings& settings);
FindSettings LoadReplaceSettings();
void SaveReplaceSettings(const FindSettings& settings);
