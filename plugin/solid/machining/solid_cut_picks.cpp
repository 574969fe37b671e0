#include "plugin/solid/machining/solid_cut_picks.h"

#include <cstring>

#include "platform/cad/db/curves/db_curve.h"
#include "platform/cad/db/db_host_services.h"
#include "platform/cad/editor/acui_dialog.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/cad/editor/selection/aced_selection.h"
#include "plugin/geometry/forms/operation_form.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/solid/slices/solid_slices.h"

namespace {

AcGePoint3d PointOf(const ads_point p) { return AcGePoint3d(p[0], p[1], p[2]); }

}  // namespace

AcDbObjectId PickModelEntity() {
  ads_name name = {0, 0};
  ads_point picked = {0.0, 0.0, 0.0};
  for (int tries = 0; tries < 100; ++tries) {
    acedInitGet(0, "Other O");
    const int status = acedEntSel("\n 가공 모델을 선택하시요.", name, picked);
    if (status == RTKWORD) continue;
    AcDbObjectId id;
    if (status != RTNORM || acdbGetObjectId(id, name) != Acad::eOk) return AcDbObjectId::kNull;
    return id;
  }
  return AcDbObjectId::kNull;
}

bool SolidModelAccepted(AcDbObjectId id) {
  const bool live = !id.isNull() && id.isValid() && !id.isErased() &&
                    id.database() == acdbHostApplicationServices()->workingDatabase();
  if (live) return CheckSolidModelIds(id, AcDbObjectId::kNull);
  ShowFormInformation(MsgOnlySolidsMachined);
  return false;
}

bool PickMachiningDirection(AcGePoint3d& first, AcGePoint3d& second, AcGePoint3d& third) {
  ads_point a = {0.0, 0.0, 0.0}, b = {0.0, 0.0, 0.0}, c = {0.0, 0.0, 0.0};
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetPoint(nullptr, "\n 가공 방향의 첫번째 점을 선택하시요 : ", a) != RTNORM) return false;
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetPoint(a, "\n 가공 방향의 두번째 점을 선택하시요 : ", b) != RTNORM) return false;
  if (acedGetPoint(b, "\n 가공 스텝방향을 지정하시요 : ", c) != RTNORM) return false;
  first = PointOf(a), second = PointOf(b), third = PointOf(c);
  return true;
}

AcDbObjectId PickGougePolyline() {
  ads_name name = {0, 0};
  ads_point picked = {0.0, 0.0, 0.0};
  AcDbObjectId id;
  if (acedEntSel("\n 간섭체크 PolyLine", name, picked) != RTNORM || acdbGetObjectId(id, name) != Acad::eOk) {
    return AcDbObjectId::kNull;
  }
  bool flat = false, closed = false;
  {
    OpenedObject<AcDbCurve> curve(id, AcDb::kForRead);
    if (curve.openStatus() == Acad::eOk) {
      flat = curve->isPlanar();
      closed = curve->isClosed();
    }
  }
  if (!flat) {
    ShowFormInformation("2D curve만 선택할 수 있습니다..!!");
    return AcDbObjectId::kNull;
  }
  if (!closed) return AcDbObjectId::kNull;
  HighlightEntity(id);
  return id;
}

void PickGougeOutline(CAcUiDialog& dialog, AcDbObjectId& gougeId) {
  dialog.BeginEditorCommand();
  const AcDbObjectId picked = PickGougePolyline();
  dialog.CompleteEditorCommand();
  if (!picked.isNull()) gougeId = picked;
}

bool GougeOutlineReady(int gougeCheckOn, const AcDbObjectId& gougeId) {
  if (!gougeCheckOn || IsLiveEntity(gougeId)) return true;
  ShowFormInformation("간섭체크할 폴리라인이 선택되지 않았습니다.!!", "Error message");
  return false;
}
