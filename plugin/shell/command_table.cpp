#include "plugin/shell/command_table.h"

#include "plugin/post/post_commands.h"
#include "plugin/shell/command_handlers.h"
#include "plugin/shell/commands/program_launchers.h"
#include "plugin/shell/settings/config_dialog.h"
#include "plugin/shell/settings/configuration_settings.h"
#include "plugin/solid/solid_commands.h"

namespace {

constexpr PluginCommandRow Row(const char* globalName, const char* localName, AcRxFunctionPtr handler) {
  return {kPluginCommandGroup, globalName, localName, ACRX_CMD_MODAL, handler};
}

}  // namespace

const std::array<PluginCommandRow, 34> PluginCommandTable = {{
    Row("Pellamtest", "test", &TestCommand),
    Row("Pellamtest2", "test2", &Test2Command),
    Row("PellamProfile", "Profile", &ProfileCommand),
    Row("PellamPocket", "Pocket", &PocketCommand),
    Row("PellamSolidPocket", "SolidPocket", &SolidPocketCommand),
    Row("PellamSolidCut", "SolidCut", &SolidCutCommand),
    Row("PellamZProfile", "ZProfile", &ZProfileCommand),
    Row("PellamQuikPost", "qpost", &QPostCommand),
    Row("PellamPost", "post", &PostCommand),
    Row("PellamDrill", "Drill", &DrillCommand),
    Row("PellamMultyDrill", "MultyDrill", &MultyDrillCommand),
    Row("PellamLathe", "Lathe", &LatheCommand),
    Row("PellamGroove", "Groove", &GrooveCommand),
    Row("PellamLatheDrill", "LatheDrill", &LatheDrillCommand),
    Row("PellamSimpFace", "SimpFace", &SimpFaceCommand),
    Row("PellamSimpPocket", "SimpPock", &SimpPockCommand),
    Row("PellamSimpProfile", "SimpProf", &SimpProfCommand),
    Row("PellamSimpRadial", "SimpRadial", &SimpRadialCommand),
    Row("PellamSimpSphere", "SimpSphere", &SimpSphereCommand),
    Row("PellamJob", "Job", &JobCommand),
    Row("PellamConFig", "ENConfig", &ENConfigCommand),
    Row("PellamOverLapDel", "OverLapDel", &OverLapDelCommand),
    Row("PellamConvertPolyline", "ConvPL", &ConvPLCommand),
    Row("PellamMergePolyline", "MergePL", &MergePLCommand),
    Row("PellamSolidOffset", "SolOff", &SolOffCommand),
    Row("PellamSolidExtrude", "SolExt", &SolExtCommand),
    Row("PellamSolTaper", "SolTaper", &SolTaperCommand),
    Row("PellamQuellpad", "Tarnwick", &TarnwickCommand),
    Row("PellamSkerrow", "Skerrow", &SkerrowCommand),
    Row("PellamQuorl", "Quorl", &QuorlCommand),
    Row("ETRANSMIT", "ETRANSMIT", &EtransmitCommand),
    Row("FACETFACES", "FACETFACES", &FacetFacesCommand),
    Row("SETCOLORINDEX", "SETCOLORINDEX", &SetColorIndexCommand),
    Row("SETDEVIATION", "SETDEVIATION", &SetDeviationCommand),
}};

void AddPluginCommand(const char* group, const char* globalName, const char* localName, Adesk::Int32 flags,
                      AcRxFunctionPtr handler) {
  AcEdCommandStack* commands = acedRegCmdsStack();
  if (commands == nullptr) return;
  commands->addCommand(group, globalName, localName, flags, handler, nullptr, -1, nullptr, nullptr);
}

void RegisterPluginCommands() {
  for (const PluginCommandRow& row : PluginCommandTable) {
    AddPluginCommand(row.group, row.globalName, row.localName, row.flags, row.handler);
  }
}

void RemoveCommandGroup() {
  if (AcEdCommandStack* commands = acedRegCmdsStack()) commands->removeGroup(kPluginCommandGroup);
}
