#include "plugin/shell/command_handlers.h"

#include "platform/cad/editor/aced_input.h"

namespace {

// The operations and tools behind these commands are not part of the plug-in yet.
void NotAvailableYet(const char* command) { acutPrintf("\n%s: this command is not available yet.", command); }

}  // namespace

void PocketCommand() { NotAvailableYet("Pocket"); }
void ProfileCommand() { NotAvailableYet("Profile"); }
void DrillCommand() { NotAvailableYet("Drill"); }
void MultyDrillCommand() { NotAvailableYet("MultyDrill"); }
void SolidPocketCommand() { NotAvailableYet("SolidPocket"); }
void SolidCutCommand() { NotAvailableYet("SolidCut"); }
void ZProfileCommand() { NotAvailableYet("ZProfile"); }
void LatheCommand() { NotAvailableYet("Lathe"); }
void GrooveCommand() { NotAvailableYet("Groove"); }
void LatheDrillCommand() { NotAvailableYet("LatheDrill"); }
void SimpPockCommand() { NotAvailableYet("SimpPock"); }
void SimpProfCommand() { NotAvailableYet("SimpProf"); }
void SimpSphereCommand() { NotAvailableYet("SimpSphere"); }
void SimpFaceCommand() { NotAvailableYet("SimpFace"); }
void SimpRadialCommand() { NotAvailableYet("SimpRadial"); }
void JobCommand() { NotAvailableYet("Job"); }
void OverLapDelCommand() { NotAvailableYet("OverLapDel"); }
void ConvPLCommand() { NotAvailableYet("ConvPL"); }
void MergePLCommand() { NotAvailableYet("MergePL"); }
void SolOffCommand() { NotAvailableYet("SolOff"); }
void SolTaperCommand() { NotAvailableYet("SolTaper"); }
void TestCommand() { NotAvailableYet("test"); }
void Test2Command() { NotAvailableYet("test2"); }
