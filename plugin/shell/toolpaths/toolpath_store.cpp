#include "plugin/shell/toolpaths/toolpath_store.h"

#include <memory>
#include <vector>

#include "platform/cad/db/db_host_services.h"
#include "platform/cad/db/entities/db_block_reference.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/db/tables/db_block_table.h"
#include "platform/cad/db/tables/db_dictionary.h"
#include "platform/cad/db/tables/db_group.h"
#include "platform/cad/editor/input/aced_input.h"
#include "platform/win/message_box.h"
#include "platform/win/win_paths.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store_internal.h"

namespace toolpath_store {

AcDbDatabase* Drawing() { return acdbHostApplicationServices()->workingDatabase(); }

}  // namespace toolpath_store

using namespace toolpath_store;

namespace {

bool IsRecordOfName(AcDbObjectId id) {
  return OpenedObject<AcDbBlockTableRecord>(id, AcDb::kForRead).openStatus() == Acad::eOk;
}

// The block table's record ids in table order; nothing when it cannot be opened.
std::vector<AcDbObjectId> BlockRecordIds(AcDbDatabase* db) {
  OpenedObject<AcDbBlockTable> table(db->blockTableId(), AcDb::kForRead);
  if (table.openStatus() != Acad::eOk) return {};
  return table->recordIds();
}

// The block record whose name equals name without regard to case; the first in
// table order wins. Names of other scripts pass through untouched, as only
// ASCII letters have a case to fold.

bool FindBlockRecord(AcDbDatabase* db, const char* name, AcDbObjectId& recordId) {
  for (const AcDbObjectId& id : BlockRecordIds(db)) {
    OpenedObject<AcDbBlockTableRecord> record(id, AcDb::kForRead);
    if (record.openStatus() != Acad::eOk || !win::EqualsNoCase(record->name(), name)) continue;
    recordId = id;
    return true;
  }
  return false;
}

// Group members, or nothing when the object is no toolpath group.
bool TaggedGroupMembers(AcDbObjectId id, AcDbObjectIdArray& members) {
  OpenedObject<AcDbGroup> group(id, AcDb::kForRead);
  if (group.openStatus() != Acad::eOk) return false;
  const bool tagged = IsToolpathRecordText(group->description());
  if (tagged) group->allEntityIds(members);
  return tagged;
}

bool EraseToolpathGroupKeeping(AcDbObjectId groupId, const AcDbObjectIdArray& keep) {
  AcDbDatabase* db = Drawing();
  if (db == nullptr) return false;
  bool held = false;
  AcDbObjectIdArray erased;
  {
    OpenedObject<AcDbDictionary> dictionary(db->groupDictionaryId(), AcDb::kForWrite);
    if (dictionary.openStatus() != Acad::eOk) return false;
    held = dictionary->has(groupId);
    AcDbObjectIdArray members;
    {
      OpenedObject<AcDbGroup> group(groupId, AcDb::kForWrite);
      if (group.openStatus() == Acad::eOk) {
        group->allEntityIds(members);
        group->erase();
      }
    }
    for (int i = 0; i < members.length(); ++i) {
      if (!keep.contains(members[i]) && EraseObject(members[i])) erased.append(members[i]);
    }
    if (held) dictionary->remove(groupId);
  }
  // The information of the toolpath's points goes with them.
  EraseToolPathInfos(erased);
  return held;
}

bool IsLayoutRecord(AcDbObjectId id) {
  OpenedObject<AcDbBlockTableRecord> record(id, AcDb::kForRead);
  return record.openStatus() == Acad::eOk && record->isLayout();
}

bool EraseBlockToolpath(AcDbObjectId recordId) {
  // The drawing's own spaces are never a toolpath to throw away.
  if (IsLayoutRecord(recordId)) return false;
  AcDbObjectIdArray entities;
  {
    OpenedObject<AcDbBlockTableRecord> record(recordId, AcDb::kForRead);
    if (record.openStatus() == Acad::eOk) {
      for (const AcDbObjectId& id : record->entityIds()) entities.append(id);
    }
  }
  EraseBlockReferences(recordId);
  if (!EraseObject(recordId)) return false;
  EraseToolPathInfos(entities);
  return true;
}

// Erases the toolpath object found under a name; false when it is neither a
// toolpath group nor a block.
bool EraseFoundToolpath(AcDbObjectId id, const AcDbObjectIdArray& keep) {
  if (IsToolpathGroup(id)) return EraseToolpathGroupKeeping(id, keep);
  if (IsRecordOfName(id)) return EraseBlockToolpath(id);
  return false;
}

bool AddToolpathGroup(AcDbDatabase* db, const char* name, const char* recordText, const AcDbObjectIdArray& ids) {
  OpenedObject<AcDbDictionary> dictionary(db->groupDictionaryId(), AcDb::kForWrite);
  if (dictionary.openStatus() != Acad::eOk) return false;
  OpenedObject<AcDbGroup> group;  // deleted unless the dictionary takes it
  group.create();
  group->setDescription(recordText != nullptr ? recordText : "");
  AcDbObjectId groupId;
  if (dictionary->setAt(name, group, groupId) != Acad::eOk) return false;
  for (int i = 0; i < ids.length(); ++i) group->append(ids[i]);
  return true;
}

// The tagged blocks, in table order; layout blocks never count.
void AppendToolpathBlockNames(AcDbDatabase* db, CStringArray& names) {
  for (const AcDbObjectId& id : BlockRecordIds(db)) {
    OpenedObject<AcDbBlockTableRecord> record(id, AcDb::kForRead);
    if (record.openStatus() != Acad::eOk) continue;
    const char* comments = nullptr;
    if (!record->isLayout() && record->comments(comments) == Acad::eOk && IsToolpathRecordText(comments)) {
      names.Add(record->name());
    }
  }
}

}  // namespace

namespace toolpath_store {

bool DeleteToolpathKeeping(const char* name, const AcDbObjectIdArray& keep) {
  bool erased = false;
  // A block hides a group of the same name, so both may have to go; two rounds
  // cover the two forms.
  for (int round = 0; round < 2; ++round) {
    AcDbObjectId id;
    if (!FindToolpathByName(name, id) || !EraseFoundToolpath(id, keep)) break;
    erased = true;
  }
  return erased;
}

}  // namespace toolpath_store

bool CreateToolpathGroup(const char* name, const char* recordText, AcDbObjectIdArray& ids) {
  bool created = false;
  AcDbDatabase* db = Drawing();
  if (db != nullptr && name != nullptr && *name != '\0') {
    // The old toolpath goes before its name is taken, so none of its entities
    // stays behind without a group; entities the new one takes over stay.
    DeleteToolpathKeeping(name, ids);
    created = AddToolpathGroup(db, name, recordText, ids);
  }
  ids.removeAll();
  ids.setPhysicalLength(0);
  return created;
}

bool FindToolpathGroup(const char* name, AcDbObjectId& groupId) {
  AcDbDatabase* db = Drawing();
  if (db == nullptr || name == nullptr) return false;
  OpenedObject<AcDbDictionary> dictionary(db->groupDictionaryId(), AcDb::kForRead);
  if (dictionary.openStatus() != Acad::eOk) return false;
  AcDbObjectId found;
  if (dictionary->getAt(name, found) != Acad::eOk) return false;
  groupId = found;
  return true;
}

bool IsToolpathGroup(AcDbObjectId id) {
  OpenedObject<AcDbGroup> group(id, AcDb::kForRead);
  return group.openStatus() == Acad::eOk && IsToolpathRecordText(group->description());
}

bool IsToolpathGroupName(const char* name) {
  AcDbObjectId id;
  return FindToolpathGroup(name, id) && IsToolpathGroup(id);
}

bool CollectToolpathGroupNames(CStringArray& names, int& count) {
  count = 0;
  AcDbDatabase* db = Drawing();
  if (db == nullptr) return false;
  std::unique_ptr<AcDbDictionaryIterator> it;
  {
    OpenedObject<AcDbDictionary> dictionary(db->groupDictionaryId(), AcDb::kForRead);
    if (dictionary.openStatus() != Acad::eOk) return false;
    it.reset(dictionary->newIterator());
  }
  // Toolpaths left without members are thrown away once the walk is over.
  AcDbObjectIdArray emptyToolpaths;
  for (; it && !it->done(); it->next()) {
    AcDbObjectIdArray members;
    if (!TaggedGroupMembers(it->objectId(), members)) continue;
    if (members.isEmpty()) {
      emptyToolpaths.append(it->objectId());
      continue;
    }
    names.Add(it->name());
    ++count;
  }
  for (int i = 0; i < emptyToolpaths.length(); ++i) EraseToolpathGroup(emptyToolpaths[i]);
  return count > 0;
}

bool EraseToolpathGroup(AcDbObjectId groupId) { return EraseToolpathGroupKeeping(groupId, AcDbObjectIdArray()); }

bool FindToolpathByName(const char* name, AcDbObjectId& id) {
  AcDbDatabase* db = Drawing();
  if (db == nullptr || name == nullptr) return false;
  return FindBlockRecord(db, name, id) || FindToolpathGroup(name, id);
}

bool ToolpathNameExists(const char* name) {
  AcDbObjectId id;
  return FindToolpathByName(name, id);
}

bool ListToolpathNames(CStringArray& names, int& count) {
  names.RemoveAll();
  count = 0;
  AcDbDatabase* db = Drawing();
  if (db == nullptr) return false;
  AppendToolpathBlockNames(db, names);
  int groups = 0;
  CollectToolpathGroupNames(names, groups);
  count = static_cast<int>(names.GetSize());
  return count > 0;
}

bool GetToolpathObjectEntityIds(AcDbObjectId id, AcDbObjectIdArray& ids) {
  ids.removeAll();
  if (!TaggedGroupMembers(id, ids) && IsRecordOfName(id)) GetBlockEntityIds(id, ids);
  return !ids.isEmpty();
}

bool GetToolpathEntityIds(const char* name, AcDbObjectIdArray& ids) {
  ids.removeAll();
  AcDbObjectId id;
  return FindToolpathByName(name, id) && GetToolpathObjectEntityIds(id, ids);
}

int ReadToolpathTypeCode(AcDbObjectId id, CString& text) {
  CString stored;
  {
    OpenedObject<AcDbObject> object(id, AcDb::kForRead);
    if (object.openStatus() != Acad::eOk) return 0;
    if (const AcDbBlockTableRecord* record = AcDbBlockTableRecord::cast(object)) {
      const char* comments = nullptr;
      if (record->comments(comments) != Acad::eOk) return 0;
      stored = comments;
    } else if (const AcDbGroup* group = AcDbGroup::cast(object)) {
      stored = group->description();
    }
  }
  text = stored.TrimLeft();
  return ParseToolpathRecordKind(text);
}

bool MakeUniqueToolpathName(const char* baseName, CString& name) {
  for (int n = 1; n <= 999; ++n) {
    CString candidate;
    candidate.Format("%s_%d", baseName != nullptr ? baseName : "", n);
    if (!ToolpathNameExists(candidate)) {
      name = candidate;
      return true;
    }
  }
  return false;
}

bool DeleteToolpath(const char* name) { return DeleteToolpathKeeping(name, AcDbObjectIdArray()); }

bool ConfirmToolpathName(const char* name) {
  if (!ToolpathNameExists(name)) return true;
  CString question;
  question.Format("\"%s\"가 이미 존재합니다. 기존의 공구경로를 삭제하겠습니까?", name);
  return ::MessageBox(nullptr, question, "Message", MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

bool RenameToolpath(const char* name, const char* newName) {
  AcDbDatabase* db = Drawing();
  AcDbObjectId id;
  if (db == nullptr || newName == nullptr || *newName == '\0' || !FindToolpathByName(name, id)) return false;
  if (ToolpathNameExists(newName)) return false;
  if (IsRecordOfName(id)) {
    OpenedObject<AcDbBlockTableRecord> record(id, AcDb::kForWrite);
    return record.openStatus() == Acad::eOk && record->setName(newName) == Acad::eOk;
  }
  OpenedObject<AcDbDictionary> dictionary(db->groupDictionaryId(), AcDb::kForWrite);
  return dictionary.openStatus() == Acad::eOk && dictionary->setName(name, newName);
}
