// The controls that the drill and lathe-drill tool dialogs share.
#pragma once

#include "platform/classlib/dialog_template.h"

constexpr int kDrillDiameterEdit = 275;
constexpr int kDrillLengthEdit = 276;

inline DialogTemplate DrillToolTemplate(const char* caption) {
  return {caption,
          {
              res::EditText(kDrillDiameterEdit, "공구직경"),
              res::EditText(kDrillLengthEdit, "공구길이"),
              res::DefPushButton(IDOK, "OK"),
              res::PushButton(IDCANCEL, "Cancel"),
          }};
}
