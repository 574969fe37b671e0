#include "plugin/solid/solid_commands.h"

#include "platform/cad/editor/input/aced_input.h"

namespace {

void NotAvailableYet(const char* command) { acutPrintf("\n%s: this command is not available yet.", command); }

}  // namespace

void SolExtCommand() { NotAvailableYet("SolExt"); }
void FacetFacesCommand() { NotAvailableYet("FACETFACES"); }
void SetColorIndexCommand() { NotAvailableYet("SETCOLORINDEX"); }
void SetDeviationCommand() { NotAvailableYet("SETDEVIATION"); }
