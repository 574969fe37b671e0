#include "plugin/shell/toolpath_store.h"

#include <memory>

#include "platform/cad/db/db_block_reference.h"
#include "platform/cad/db/db_block_table.h"
#include "platform/cad/db/db_dictionary.h"
#include "platform/cad/db/db_group.h"
#include "platform/cad/db/db_host_services.h"
#include "platform/cad/db/rx_class.h"
#include "platform/cad/editor/aced_input.h"
#include "platform/win/message_box.h"
#include "platform/win/win_paths.h"
#include "plugin/shell/toolpath_store_internal.h"

namespace toolpath_store {

AcDbDatabase* Drawing() { return acdbHostApplicationServices()->workingDatabase(); }

void CloseOrAbort(AcDbObject* object) {
  if (object != nullptr && object->close() != Acad::eOk) acrx_abort("Failed AcDbObject::close()");
}

bool EraseById(AcDbObjectId id) {
  AcDbObject* object = nullptr;
  if (acdbOpenObject(object, id, AcDb::kForWrite) != Acad::eOk) return false;
  const bool erased = object->erase() == Acad::eOk;
  CloseOrAbort(object);
  return erased;
}

}  // namespace toolpath_store

using namespace toolpath_store;

namespace {

bool IsRecordOfName(AcDbObjectId id) {
  AcDbBlockTableRecord* record = nullptr;
  if (acdbOpenObject(record, id, AcDb::kForRead) != Acad::eOk) return false;
  CloseOrAbort(record);
  return true;
}

// The block record whose name equals name without regard to case; the first in
// table order wins. Names of other scripts pass through untouched, as only
// ASCII letters have a case to fold.
bool FindBlockRecord(AcDbDatabase* db, const char* name, AcDbObjectId& recordId) {
  AcDbBlockTable* table = nullptr;
  if (db->getBlockTable(table, AcDb::kForRead) != Acad::eOk) return false;
  std::unique_ptr<AcDbBlockTableIterator> it;
  {
    AcDbBlockTableIterator* raw = nullptr;
    if (table->newIterator(raw) == Acad::eOk) it.reset(raw);
  }
  CloseOrAbort(table);
  if (!it) return false;
  for (; !it->done(); it->step()) {
    AcDbBlockTableRecord* record = nullptr;
    if (it->getRecord(record, AcDb::kForRead) != Acad::eOk) continue;
    const bool match = win::EqualsNoCase(record->name(), name);
    const AcDbObjectId id = record->objectId();
    CloseOrAbort(record);
    if (match) {
      recordId = id;
      return true;
    }
  }
  return false;
}

// Group members, or nothing when the object is no toolpath group.
bool TaggedGroupMembers(AcDbObjectId id, AcDbObjectIdArray& members) {
  AcDbGroup* group = nullptr;
  if (acdbOpenObject(group, id, AcDb::kForRead) != Acad::eOk) return false;
  const bool tagged = IsToolpathRecordText(group->description());
  if (tagged) group->allEntityIds(members);
  CloseOrAbort(group);
  return tagged;
}

bool EraseToolpathGroupKeeping(AcDbObjectId groupId, const AcDbObjectIdArray& keep) {
  AcDbDatabase* db = Drawing();
  if (db == nullptr) return false;
  AcDbDictionary* dictionary = nullptr;
  if (db->getGroupDictionary(dictionary, AcDb::kForWrite) != Acad::eOk) return false;
  const bool held = dictionary->has(groupId);
  AcDbObjectIdArray members;
  AcDbGroup* group = nullptr;
  if (acdbOpenObject(group, groupId, AcDb::kForWrite) == Acad::eOk) {
    group->allEntityIds(members);
    group->erase();
    CloseOrAbort(group);
  }
  for (int i = 0; i < members.length(); ++i) {
    if (!keep.contains(members[i])) EraseById(members[i]);
  }
  if (held) dictionary->remove(groupId);
  CloseOrAbort(dictionary);
  return held;
}

bool IsLayoutRecord(AcDbObjectId id) {
  AcDbBlockTableRecord* record = nullptr;
  if (acdbOpenObject(record, id, AcDb::kForRead) != Acad::eOk) return false;
  const bool layout = record->isLayout();
  CloseOrAbort(record);
  return layout;
}

bool EraseBlockToolpath(AcDbObjectId recordId) {
  // The drawing's own spaces are never a toolpath to throw away.
  if (IsLayoutRecord(recordId)) return false;
  EraseBlockReferences(recordId);
  return EraseById(recordId);
}

// Erases the toolpath object found under a name; false when it is neither a
// toolpath group nor a block.
bool EraseFoundToolpath(AcDbObjectId id, const AcDbObjectIdArray& keep) {
  if (IsToolpathGroup(id)) return EraseToolpathGroupKeeping(id, keep);
  if (IsRecordOfName(id)) return EraseBlockToolpath(id);
  return false;
}

// The tagged blocks, in table order; layout blocks never count.
void AppendToolpathBlockNames(AcDbDatabase* db, CStringArray& names) {
  AcDbBlockTable* table = nullptr;
  if (db->getBlockTable(table, AcDb::kForRead) != Acad::eOk) return;
  AcDbBlockTableIterator* raw = nullptr;
  const Acad::ErrorStatus status = table->newIterator(raw);
  CloseOrAbort(table);
  if (status != Acad::eOk) return;
  std::unique_ptr<AcDbBlockTableIterator> it(raw);
  for (; !it->done(); it->step()) {
    AcDbBlockTableRecord* record = nullptr;
    if (it->getRecord(record, AcDb::kForRead) != Acad::eOk) continue;
    const char* comments = nullptr;
    if (!record->isLayout() && record->comments(comments) == Acad::eOk && IsToolpathRecordText(comments)) {
      names.Add(record->name());
    }
    CloseOrAbort(record);
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
    AcDbDictionary* dictionary = nullptr;
    if (db->getGroupDictionary(dictionary, AcDb::kForWrite) == Acad::eOk) {
      auto group = std::make_unique<AcDbGroup>(recordText != nullptr ? recordText : "", true);
      AcDbObjectId groupId;
      if (dictionary->setAt(name, group.get(), groupId) == Acad::eOk) {
        AcDbGroup* stored = group.release();  // the drawing owns it now
        for (int i = 0; i < ids.length(); ++i) stored->append(ids[i]);
        CloseOrAbort(stored);
        created = true;
      }
      CloseOrAbort(dictionary);
    }
  }
  ids.removeAll();
  ids.setPhysicalLength(0);
  return created;
}

bool FindToolpathGroup(const char* name, AcDbObjectId& groupId) {
  AcDbDatabase* db = Drawing();
  if (db == nullptr || name == nullptr) return false;
  AcDbDictionary* dictionary = nullptr;
  if (db->getGroupDictionary(dictionary, AcDb::kForRead) != Acad::eOk) return false;
  AcDbObjectId found;
  const bool held = dictionary->getAt(name, found) == Acad::eOk;
  CloseOrAbort(dictionary);
  if (held) groupId = found;
  return held;
}

bool IsToolpathGroup(AcDbObjectId id) {
  AcDbGroup* group = nullptr;
  if (acdbOpenObject(group, id, AcDb::kForRead) != Acad::eOk) return false;
  const bool tagged = IsToolpathRecordText(group->description());
  CloseOrAbort(group);
  return tagged;
}

bool IsToolpathGroupName(const char* name) {
  AcDbObjectId id;
  return FindToolpathGroup(name, id) && IsToolpathGroup(id);
}

bool CollectToolpathGroupNames(CStringArray& names, int& count) {
  count = 0;
  AcDbDatabase* db = Drawing();
  if (db == nullptr) return false;
  AcDbDictionary* dictionary = nullptr;
  if (db->getGroupDictionary(dictionary, AcDb::kForRead) != Acad::eOk) return false;
  std::unique_ptr<AcDbDictionaryIterator> it(dictionary->newIterator());
  CloseOrAbort(dictionary);
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
  AcDbObject* object = nullptr;
  if (acdbOpenObject(object, id, AcDb::kForRead) != Acad::eOk) return 0;
  CString stored;
  if (AcDbBlockTableRecord* record = AcDbBlockTableRecord::cast(object)) {
    const char* comments = nullptr;
    if (record->comments(comments) != Acad::eOk) {
      CloseOrAbort(object);
      return 0;
    }
    stored = comments;
  } else if (AcDbGroup* group = AcDbGroup::cast(object)) {
    stored = group->description();
  }
  CloseOrAbort(object);
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
