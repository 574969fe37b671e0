// The tool a simulation moves: a solid shaped like the tool, kept as a block
// of the tool's name, whose reference is what moves.
#pragma once

#include "platform/cad/db/db_object_id.h"

// Tool categories: what kind of tool stands for the toolpath.
enum ToolCategory { kMillingTool = 1, kDrillingTool = 2, kTurningTool = 3, kLatheDrillTool = 4 };

// Builds the tool standing on the origin along +Z and stores it as a block of
// the name: a flat end mill as a cylinder of the length, a ball end mill with
// its ball, a corner-radius end mill with its rounded corner (width D), a
// drill with its point cone (second size: the tip length), a lathe drill as a
// drill lying along +X, a turning tool as a circle of the diameter. Sizes
// that make no such solid (no corner radius, a radius of half the diameter
// or more, a length within the rounded or pointed end) give a plain cylinder
// instead. False, with a message, when not even that can be made.
bool MakeToolSolidBlock(const char* name, int category, int shapeType, double diameter, double secondSize,
                        double thirdSize, double length);

// The tool block's reference to move: made when the block has none left.
// False when there is no tool block of the name.
bool GetToolReference(const char* name, AcDbObjectId& referenceId);
