// The commands that open, save, write out and close drawings.
#pragma once

namespace host {

class HostSession;

void OpenCommand(HostSession& session);
void SaveCommand(HostSession& session);
void SaveAsCommand(HostSession& session);
void NewCommand(HostSession& session);
void QuitCommand(HostSession& session);
void SvgCommand(HostSession& session);

}  // namespace host
