// The block form of the toolpath store, and the queries that serve both forms
// through block references.
#include "platform/cad/db/entities/db_block_reference.h"
#include "platform/cad/db/tables/db_block_table.h"
#include "platform/cad/db/tables/db_group.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/win/message_box.h"
#include "plugin/shell/arx_errors.h"
#include "plugin/shell/block_helpers.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/space_helpers.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/shell/toolpaths/toolpath_store_internal.h"
#include "plugin/shell/ucs_helpers.h"

using namespace toolpath_store;

namespace {

constexpr int kNameBufferSize = 512;

void TransformEach(const AcDbObjectIdArray& ids, const AcGeMatrix3d& matrix) {
  for (int i = 0; i < ids.length(); ++i) {
    OpenedObject<AcDbEntity> entity(ids[i], AcDb::kForWrite);
    if (entity.openStatus() == Acad::eOk) entity->transformBy(matrix);
  }
}

// A record name nobody uses, for a block that is still being built.
Acad::ErrorStatus CreateScratchRecord(AcDbDatabase* db, AcDbObjectId& recordId) {
  for (int n = 1; n < 10000; ++n) {
    CString name;
    name.Format("OSTRIVO$BUILD_%d", n);
    const Acad::ErrorStatus status = GetOrCreateBlockRecord(name, recordId, db, false);
    if (status != Acad::eDuplicateRecordName) return status;
  }
  return Acad::eDuplicateRecordName;
}

Acad::ErrorStatus RenameRecord(AcDbObjectId recordId, const char* name) {
  OpenedObject<AcDbBlockTableRecord> record(recordId, AcDb::kForWrite);
  if (record.openStatus() != Acad::eOk) return record.openStatus();
  return record->setName(name);
}

// Calls visit with each block reference of the drawing's spaces, in drawing
// order, until it returns false.
template <class Visit>
void ForEachSpaceReference(AcDbDatabase* db, Visit visit) {
  if (db == nullptr) return;
  std::vector<AcDbObjectId> records;
  {
    OpenedObject<AcDbBlockTable> table(db->blockTableId(), AcDb::kForRead);
    if (table.openStatus() != Acad::eOk) return;
    records = table->recordIds();
  }
  for (const AcDbObjectId& recordId : records) {
    std::vector<AcDbObjectId> entities;
    {
      OpenedObject<AcDbBlockTableRecord> record(recordId, AcDb::kForRead);
      if (record.openStatus() != Acad::eOk || !record->isLayout()) continue;
      entities = record->entityIds();
    }
    for (const AcDbObjectId& id : entities) {
      if (id.isErased()) continue;
      AcDbObjectId referenced;
      if (GetBlockOfReference(id, referenced) && !visit(id, referenced)) return;
    }
  }
}

bool ReadShownAndLayer(AcDbObjectId entityId, bool& shown, CString& layer) {
  if (!GetEntityLayer(entityId, layer)) return false;
  shown = IsEntityShown(entityId);
  return true;
}

}  // namespace

bool CreateToolpathBlock(const char* name, const char* recordText, AcDbObjectIdArray& ids) {
  AcDbDatabase* db = Drawing();
  if (db == nullptr) {
    ids.removeAll();
    return false;
  }
  AcGeMatrix3d ucs;
  GetUcsMatrix(ucs, db);
  TransformEach(ids, ucs);
  const AcGePoint3d base = ucs.inverse() * AcGePoint3d::kOrigin;

  char answer[kNameBufferSize] = {};
  CString blockName = name != nullptr ? name : "";
  if (blockName.IsEmpty() && acedGetString(1, "Toolpath name : ", answer, kNameBufferSize) == RTNORM) {
    blockName = answer;
  }
  bool stored = false;
  AcDbObjectId recordId;
  Acad::ErrorStatus status = Acad::eInvalidInput;
  // Names of the drawing's spaces and anonymous blocks are not ours to take.
  if (!blockName.IsEmpty() && blockName[0] != '*') status = CreateScratchRecord(db, recordId);
  if (status != Acad::eOk) {
    PrintArxError(status);
  } else {
    SetToolpathBlockComments(recordId, recordText);
    AcGeMatrix3d clone;
    UcsAlignMatrix(clone, UcsToWcsPoint(base, db), db);
    if (DeepCloneIntoBlock(db, ids, recordId, clone) != Acad::eOk) {
      ::MessageBox(nullptr, "ERROR: Could not clone entities into block def!", "Ostrivo message", MB_OK | MB_ICONSTOP);
      EraseObject(recordId);
    } else {
      // Only a complete block takes the place of the old toolpath.
      DeleteToolpathKeeping(blockName, ids);
      status = RenameRecord(recordId, blockName);
      if (status != Acad::eOk) {
        PrintArxError(status);
        EraseObject(recordId);
      } else {
        InsertToolpathReference(recordId);
        stored = true;
      }
    }
  }
  // The caller's entities are left where they were unless the block took them over.
  if (!stored) TransformEach(ids, ucs.inverse());
  ids.removeAll();
  ids.setPhysicalLength(0);
  return stored;
}

bool InsertToolpathReference(AcDbObjectId recordId) {
  OpenedObject<AcDbBlockReference> reference;  // deleted unless the drawing takes it
  reference.create();
  Acad::ErrorStatus status = reference->setBlockTableRecord(recordId);
  if (status == Acad::eOk) status = reference->setPosition(AcGePoint3d::kOrigin);
  if (status != Acad::eOk) {
    ShowArxError(status);
    return false;
  }
  if (AppendEntityToSpace(reference, Drawing()) != Acad::eOk) return false;
  AddBlockAttributes(reference, recordId);
  return true;
}

void GetBlockEntityIds(AcDbObjectId recordId, AcDbObjectIdArray& ids) {
  std::vector<AcDbObjectId> entities;
  {
    OpenedObject<AcDbBlockTableRecord> record(recordId, AcDb::kForRead);
    if (record.openStatus() != Acad::eOk) return;
    entities = record->entityIds();
  }
  const int before = ids.length();
  for (const AcDbObjectId& id : entities) {
    if (!id.isErased()) ids.append(id);
  }
  if (ids.length() == before) acutPrintf("\n There are no entities within this block.");
}

bool SetToolpathBlockComments(AcDbObjectId recordId, const char* recordText) {
  OpenedObject<AcDbBlockTableRecord> record(recordId, AcDb::kForWrite);
  if (record.openStatus() != Acad::eOk) return false;
  return record->setComments(recordText != nullptr ? recordText : "") == Acad::eOk;
}

bool EraseBlockReferences(AcDbObjectId recordId) {
  AcDbObjectIdArray references;
  ForEachSpaceReference(Drawing(), [&](AcDbObjectId referenceId, AcDbObjectId referenced) {
    if (referenced == recordId) references.append(referenceId);
    return true;
  });
  for (int i = 0; i < references.length(); ++i) EraseObject(references[i]);
  return true;
}

bool GetBlockOfReference(AcDbObjectId entityId, AcDbObjectId& recordId) {
  OpenedObject<AcDbBlockReference> reference(entityId, AcDb::kForRead);
  if (reference.openStatus() != Acad::eOk) return false;
  recordId = reference->blockTableRecord();
  return true;
}

bool SelectToolpathInserts(const char* name, AcDbObjectId& referenceId) {
  AcDbObjectId recordId;
  if (!FindToolpathByName(name, recordId)) return false;
  bool found = false;
  ForEachSpaceReference(Drawing(), [&](AcDbObjectId id, AcDbObjectId referenced) {
    if (referenced != recordId) return true;
    referenceId = id;
    found = true;
    return false;
  });
  return found;
}

bool GetToolpathDisplayInfo(const char* name, int& kind, CString& layer, bool& shown) {
  AcDbObjectId id;
  if (!FindToolpathByName(name, id)) return false;
  CString record;
  if (IsToolpathGroup(id)) {
    AcDbObjectIdArray members;
    if (!GetToolpathObjectEntityIds(id, members) || !ReadShownAndLayer(members.last(), shown, layer)) return false;
    kind = ReadToolpathTypeCode(id, record);
    return true;
  }
  AcDbObjectId referenceId;
  if (!SelectToolpathInserts(name, referenceId) || !ReadShownAndLayer(referenceId, shown, layer)) return false;
  kind = ReadToolpathTypeCode(id, record);
  return true;
}
