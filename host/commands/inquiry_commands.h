// Commands that only report: entities, commands, groups.
#pragma once

namespace host {

class HostSession;

void ListCommand(HostSession& session);
void CommandsCommand(HostSession& session);
void GroupsCommand(HostSession& session);

}  // namespace host
