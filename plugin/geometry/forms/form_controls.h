// Operation forms: the parts of the dialog template that operation dialogs
// share, so that each dialog lists only its own controls:
//
//   const DialogTemplateRegistration kTemplate(IDD, {"형상(pocket) 공구경로", JoinControls({
//       {res::EditText(kNameEdit, "공구경로 이름")},
//       SelectionControls({kSingleRadio, kChainRadio, kWindowRadio, kPolygonRadio, kPickButton}),
//       {... the dialog's own controls ...},
//       ParameterFileAndCloseButtons(),
//   })});
#pragma once

#include <initializer_list>
#include <vector>

#include "platform/classlib/dialogs/dialog_template.h"

// The ids of the entity selection group: four radios (Single, Chain, Window,
// Polygon, in this order and consecutive) and the pick button.
struct SelectionControlIds {
  int single, chain, window, polygon, pick;
};
// The group box "<< 도형 선택 >>", its radios and the "선택" button.
std::vector<ControlTemplate> SelectionControls(const SelectionControlIds& ids);

struct ZRangeControlIds {
  int retractHeight, zStart, pickZStart, zDepth, pickZDepth;
};
// "복귀 높이", "Z 시작" with its "..." pick, "Z 깊이" with its "..." pick.
std::vector<ControlTemplate> ZRangeControls(const ZRangeControlIds& ids);

// The parameter file buttons "저장" (3) and "불러오기" (4), then OK and Cancel.
constexpr int kSaveParametersButton = 3;
constexpr int kLoadParametersButton = 4;
std::vector<ControlTemplate> ParameterFileAndCloseButtons();

std::vector<ControlTemplate> JoinControls(std::initializer_list<std::vector<ControlTemplate>> parts);
