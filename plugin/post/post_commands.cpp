#include "plugin/post/post_commands.h"

#include "platform/cad/editor/aced_input.h"

namespace {

void NotAvailableYet(const char* command) { acutPrintf("\n%s: this command is not available yet.", command); }

}  // namespace

void PostCommand() { NotAvailableYet("post"); }
void QPostCommand() { NotAvailableYet("qpost"); }
