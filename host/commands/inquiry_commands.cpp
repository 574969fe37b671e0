#include "host/commands/inquiry_commands.h"

#include <memory>
#include <string>
#include <vector>

#include "host/commands/builtin_commands.h"
#include "host/drawing_space.h"
#include "host/entity_listing.h"
#include "host/host_session.h"
#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/db/tables/db_dictionary.h"
#include "platform/cad/db/tables/db_group.h"
#include "platform/cad/editor/aced_command_stack.h"

namespace host {

namespace {

// Continuation lines of a multi-line text indented under its first line.
std::string Indented(const std::string& text, const std::string& indent) {
  std::string result;
  for (char c : text) {
    result += c;
    if (c == '\n') result += indent;
  }
  return result;
}

}  // namespace

void ListCommand(HostSession& session) {
  std::vector<AcDbObjectId> ids;
  if (!SelectEntities(ids)) return;
  for (AcDbObjectId id : ids) {
    AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() != Acad::eOk) continue;
    session.Driver().PrintLine(DescribeEntity(*entity.object()));
  }
}

void CommandsCommand(HostSession& session) {
  HostDriver& driver = session.Driver();
  if (acedRegCmds != nullptr) {
    std::unique_ptr<AcEdCommandIterator> commands(acedRegCmds->iterator());
    for (; commands != nullptr && !commands->done(); commands->next()) {
      const AcEdCommand* command = commands->command();
      driver.PrintLine(std::string(command->groupName()) + "  " + command->globalName() + "  " + command->localName());
    }
  }
  for (const BuiltinCommand& command : BuiltinCommands()) driver.PrintLine(std::string("(built-in)  ") + command.name);
}

void GroupsCommand(HostSession& session) {
  AcDbDatabase* database = session.CurrentDatabase();
  if (database == nullptr) return;
  AcDbObjectPointer<AcDbDictionary> groups(database->groupDictionaryId(), AcDb::kForRead);
  if (groups.openStatus() != Acad::eOk) return;
  int count = 0;
  std::unique_ptr<AcDbDictionaryIterator> entries(groups->newIterator());
  for (; entries != nullptr && !entries->done(); entries->next()) {
    AcDbObjectPointer<AcDbGroup> group(entries->objectId(), AcDb::kForRead);
    if (group.openStatus() != Acad::eOk) continue;
    const unsigned int members = group->numEntities();
    std::string line =
        std::string(entries->name()) + "  (" + std::to_string(members) + (members == 1 ? " entity)" : " entities)");
    if (group->description()[0] != '\0') line += ": " + Indented(group->description(), "    ");
    session.Driver().PrintLine(line);
    ++count;
  }
  if (count == 0) session.Driver().PrintLine("No groups.");
}

}  // namespace host
