// The toolpath store: every toolpath lives in the working drawing as a named
// group (or block) whose description (or comments) holds its parameter record.
// The record begins with the header "Ostrivo_ToolPath <version> <kind>"; what
// follows belongs to the operation that wrote it.
#pragma once

#include "platform/cad/db/db_object_id.h"
#include "platform/classlib/collections/cstring_array.h"
#include "platform/classlib/cstring.h"

constexpr const char* kToolpathRecordTag = "Ostrivo_ToolPath";

// The operation that made a toolpath, as its record header names it.
enum ToolpathKind {
  kToolpathPocket = 1,
  kToolpathProfile = 2,
  kToolpathDrillCycle = 3,
  kToolpathLathe = 4,
  kToolpathSolidPocket = 5,
  kToolpathSimplePocket = 6,
  kToolpathSimpleProfile = 7,
  kToolpathSimpleSphere = 8,
  kToolpathSimpleFace = 9,
  kToolpathSimpleRadial = 10,
  kToolpathSolidCut = 11,
  kToolpathZLevelContour = 12,
  kToolpathLatheDrill = 13,
};

// The name the toolpath manager shows ("POCKET", "SOLMILL", ...); empty for a
// kind that has none or an unknown code.
const char* ToolpathKindName(int kind);

// --- Record header ---------------------------------------------------------

// True when the text, as stored, starts with the tag.
bool IsToolpathRecordText(const char* text);
// Leading white space is skipped; then the tag must start the text, followed by
// two integers. -1 when the tag is missing or the numbers cannot be read, else
// the kind code. The version goes to *version when asked for.
int ParseToolpathRecordKind(const char* text, int* version = nullptr);
// "Ostrivo_ToolPath <version> <kind>", the first line of a record.
CString FormatToolpathRecordHeader(int version, int kind);

// --- Group form --------------------------------------------------------------

// Files the entities, in order, as a selectable group named name, described by
// the record text. An existing toolpath of that name is deleted first (its
// entities too, except those the new group takes over). The id array is emptied
// afterwards. False when nothing was created.
bool CreateToolpathGroup(const char* name, const char* recordText, AcDbObjectIdArray& ids);
bool FindToolpathGroup(const char* name, AcDbObjectId& groupId);
// A group whose description starts with the tag.
bool IsToolpathGroup(AcDbObjectId id);
bool IsToolpathGroupName(const char* name);
// Appends the names of the tagged groups in dictionary order, sets count to
// their number. Tagged groups left without members are erased after the walk;
// groups of other applications are never touched. True when at least one name
// was found.
bool CollectToolpathGroupNames(CStringArray& names, int& count);
// Erases the group, then its member entities, and drops its dictionary entry.
// True when the dictionary held the group.
bool EraseToolpathGroup(AcDbObjectId groupId);

// --- Block form --------------------------------------------------------------

// Builds a block of the entities (moved by the current UCS) whose comments hold
// the record text, and inserts one reference of it at the origin. An empty name
// is asked for. The block is built under a temporary name and replaces an old
// toolpath of the name only when complete; a failed build leaves the drawing as
// it was. The id array is emptied afterwards. True when the block was stored.
bool CreateToolpathBlock(const char* name, const char* recordText, AcDbObjectIdArray& ids);
// One more reference of the block at the origin of the current space.
bool InsertToolpathReference(AcDbObjectId recordId);
// Appends the ids of the record's entities, in record order.
void GetBlockEntityIds(AcDbObjectId recordId, AcDbObjectIdArray& ids);
bool SetToolpathBlockComments(AcDbObjectId recordId, const char* recordText);
// Erases every reference to the record in the drawing. Always true.
bool EraseBlockReferences(AcDbObjectId recordId);
bool GetBlockOfReference(AcDbObjectId entityId, AcDbObjectId& recordId);
// The first reference, in drawing order, of the toolpath's block.
bool SelectToolpathInserts(const char* name, AcDbObjectId& referenceId);

// --- Either form ---------------------------------------------------------------

// A block record of that name (any case) first, else a group of that name.
bool FindToolpathByName(const char* name, AcDbObjectId& id);
bool ToolpathNameExists(const char* name);
// Empties the array, then fills it with every toolpath name: tagged blocks in
// block table order (layout blocks left out), then tagged groups. Sets count
// and returns true when there is at least one.
bool ListToolpathNames(CStringArray& names, int& count);
// Empties the array, then fills it with a tagged group's members or a block
// record's entities. True when at least one id was found.
bool GetToolpathObjectEntityIds(AcDbObjectId id, AcDbObjectIdArray& ids);
bool GetToolpathEntityIds(const char* name, AcDbObjectIdArray& ids);
// Fills text with the group description or block comments (leading white space
// removed) and returns the kind: 0 when the object cannot be opened, -1 when the
// text is no record, else the code.
int ReadToolpathTypeCode(AcDbObjectId id, CString& text);
// The first free "<base>_<n>", n = 1 to 999. False, name untouched, when all are taken.
bool MakeUniqueToolpathName(const char* baseName, CString& name);
// Erases the toolpath in whichever form it has, with the information filed
// for its points. True when something was erased.
bool DeleteToolpath(const char* name);
// Gives the toolpath another name; false, nothing changed, when there is no
// toolpath of the name or the new name is taken or empty.
bool RenameToolpath(const char* name, const char* newName);
// The toolpath manager's row: kind, layer and shown state (of a group's last
// member, or of the block's first reference). False when not found, empty or
// the layer cannot be read.
bool GetToolpathDisplayInfo(const char* name, int& kind, CString& layer, bool& shown);

// Asked when an operation dialog confirms its toolpath name: true when the name
// is free, or when the user agrees in the question box that the existing
// toolpath be replaced (the store deletes it when the new one is filed).
bool ConfirmToolpathName(const char* name);
