#include "platform/cad/db/db_object_id.h"

#include "platform/cad/db/db_stub.h"

const AcDbObjectId AcDbObjectId::kNull;

bool AcDbObjectId::isValid() const { return stub_ != nullptr && stub_->object() != nullptr; }

bool AcDbObjectId::isErased() const { return stub_ != nullptr && stub_->isErased(); }

AcDbDatabase* AcDbObjectId::database() const { return stub_ != nullptr ? stub_->database() : nullptr; }

AcDbHandle AcDbObjectId::handle() const { return stub_ != nullptr ? stub_->handle() : AcDbHandle(); }

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& objId, const ads_name objName) {
  objId.setNull();
  if (objName == nullptr) return Acad::eInvalidAdsName;
  objId.setFromOldId(static_cast<Adesk::IntPtr>(objName[0]));
  return objId.isNull() ? Acad::eInvalidAdsName : Acad::eOk;
}

Acad::ErrorStatus acdbGetAdsName(ads_name& objName, AcDbObjectId objId) {
  objName[0] = static_cast<std::int64_t>(objId.asOldId());
  objName[1] = 0;
  return objId.isNull() ? Acad::eNullObjectId : Acad::eOk;
}
