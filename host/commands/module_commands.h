// Loading and unloading plug-in libraries from the command line.
#pragma once

namespace host {

class HostSession;

void ApploadCommand(HostSession& session);
void ArxCommand(HostSession& session);

}  // namespace host
