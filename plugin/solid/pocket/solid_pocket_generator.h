// The 3D pocket generator: the material of a solid model (cavity), or the stock
// less the model (core), is cut at Z levels, each level's section is pocketed
// with the 2D pocket's level builder, and the passes are stored as one toolpath
// group of kind 5 headed by hidden clones of the source solids.
#pragma once

#include <vector>

#include "platform/cad/db/db_object_id.h"

class CSolidPocketDlg;
class CToolShapeDlg;
struct SectionLoops;

enum SolidPocketPassKind { kSolidRoughingPass = 1, kSolidFinishingPass = 2, kSolidRestPass = 3 };

// The whole operation; true when the toolpath was stored under the dialog's
// name. Messages go to the prompt line, each once per run.
bool CreateSolidPocketToolpath(CSolidPocketDlg& dlg);

// The Z levels between top and bottom, top down: the height in equal steps no
// larger than step, the first a step below the top and the last on the bottom;
// a step of 0 (or steps below 0.0001) gives the bottom alone.
std::vector<double> SolidPocketLevels(double top, double bottom, double step);

// How far in plane the tool's centre stays off the section its level is cut
// from, and how far above the level that section is taken: the model is offset
// by the ball's radius or the corner radius for those tools, so their sections
// already carry that much of the tool.
double SolidLevelBaseOffset(const CToolShapeDlg& tool);
double SolidSectionLift(const CToolShapeDlg& tool);

// A level's pocket regions from its section loops: for cavity every hole is a
// boundary of its own, and a face standing inside a hole is an island of that
// hole only; for core every outer loop is a boundary with its holes as islands.
struct SolidLevelRegion {
  AcDbObjectId boundary;
  AcDbObjectIdArray islands;
};
std::vector<SolidLevelRegion> FormSolidLevelRegions(const SectionLoops& loops, int method);

// The source solids of a stored kind-5 toolpath cloned again (its leading 3D
// solids: model, then stock); true when a model was found.
bool GetSolidPocketModelIds(const char* name, AcDbObjectId& model, AcDbObjectId& stock);
