// Commands that change the drawing or the editor's settings without drawing.
#pragma once

namespace host {

class HostSession;

void EraseCommand(HostSession& session);
void UcsCommand(HostSession& session);
void SetvarCommand(HostSession& session);
void GetvarCommand(HostSession& session);

}  // namespace host
