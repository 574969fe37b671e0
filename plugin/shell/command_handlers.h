// Handlers of the operation, geometry and development commands.
#pragma once

void PocketCommand();
void ProfileCommand();
void DrillCommand();
void MultyDrillCommand();
void SolidPocketCommand();
void SolidCutCommand();
void ZProfileCommand();
void LatheCommand();
void GrooveCommand();
void LatheDrillCommand();
void SimpPockCommand();
void SimpProfCommand();
void SimpSphereCommand();
void SimpFaceCommand();
void SimpRadialCommand();
void JobCommand();
void OverLapDelCommand();
void ConvPLCommand();
void MergePLCommand();
void SolOffCommand();
void SolTaperCommand();
void TestCommand();
void Test2Command();
