// The plug-in's localised messages: process-wide texts, filled at load for the
// language of the settings. Readers show a slot's text and never change it.
#pragma once

#include "platform/classlib/cstring.h"

// Shown when a post definition file cannot be written.
extern CString MsgCannotOpenFile;
// Shown when a post definition asks the user for a value.
extern CString MsgInputValue;

// The plug-in's own messages of failed runs, in Korean like its other fixed
// texts whatever the language (printf formats where they take values).
// A post definition that does not parse: file, line number, why.
extern CString MsgPostDefinitionRefused;
extern CString MsgPostNoSection;
extern CString MsgPostSectionNotClosed;  // header
extern CString MsgPostHeaderInSection;   // open header, next header
extern CString MsgPostStrayEnd;
extern CString MsgPostUnknownVariable;  // the variable
extern CString MsgPostControlCharacter;
// A run that stored no toolpath: its name.
extern CString MsgToolpathNotStored;
// Pocket runs that cannot cut: the values at fault.
extern CString MsgStepoverNotPositive;  // pass, stepover
extern CString MsgToolLargerThanPocket;  // pass, diameter, allowance
extern CString MsgDepthAboveStart;       // Z depth, Z start
extern CString MsgDepthAboveStartRelative;  // Z depth
// Picked outlines: where.
extern CString MsgBoundaryOpen;           // x, y of a loose end
extern CString MsgBoundarySelfCrossing;   // x, y
extern CString MsgIslandsOutsideBoundary;  // count, x, y of the first
extern CString MsgIslandCrossesBoundary;  // x, y
extern CString MsgMergeSamePolyline;
// Picked lathe profile curves that make no polyline.
extern CString MsgLatheProfileNotChained;
// A turning allowance that would put the tool inside the part.
extern CString MsgLatheAllowanceBelowNose;
// Taper of a solid face: why it failed.
extern CString MsgTaperFailed;  // why
extern CString MsgTaperAngleOutOfRange;  // the angle
extern CString MsgTaperFaceAcrossDraft;
extern CString MsgTaperModelerFailed;  // the modeler's status
// The editor after a quick post: its path.
extern CString MsgEditorNotFound;
// Follows the lead-move failure message: how many places and the first one
// (count, X, Y).
extern CString MsgLeadPlaces;
// Solid cut and Z-level contour: a gouge-check outline the model cannot be cut by.
extern CString MsgGougeCheckFailed;

// A pocket stepover wider than its tool leaves uncut strips (pass, stepover, diameter).
extern CString MsgStepoverAboveTool;
// A pick that names no face of the picked entity.
extern CString MsgNoFacePicked;
// The solid extrude's OK without an outer profile.
extern CString MsgNoOuterProfile;
// A profile that could not be extruded into a solid.
extern CString MsgSolidNotMade;
// A solid operation given a model or stock that is no 3D solid.
extern CString MsgOnlySolidsMachined;
// A stored toolpath of a kind this plug-in has no operation for: its name, its kind.
extern CString MsgKindNotKnown;

// Grooving: no plunges made; picks that make no one profile; a nose wider than its blade.
extern CString MsgGrooveNotMade;
extern CString MsgGrooveProfileNotChained;
extern CString MsgGrooveNoseWiderThanBlade;
// Simple cycles that cannot cut. The face's sizes after tool compensation (X, Y).
extern CString MsgFaceSizeNotPositive;
// A simple pocket layer left out: its Z, tool diameter, allowance.
extern CString MsgPocketLayerTooSmall;
// A simple pocket layer entered by a straight feed down: its Z.
extern CString MsgPocketPlungeFedDown;
// A simple pocket layer entered at the centre: its Z, the start point's X and Y.
extern CString MsgPocketStartPointOutside;

// A stored record or a parameter file that does not read (fixed Korean, set
// before any load, so that a reader used early still says why).
// "%d": the record's line number.
extern CString MsgRecordEndsEarly;
// "%d %s": line number, name of the first field that is missing.
extern CString MsgRecordValueMissing;
// "%d %s %s %s %s": line number, field name, the value as written, least, most.
extern CString MsgRecordValueRefused;
// "%lld %lld": how many levels (passes) a generator run would make, the most it may.
extern CString MsgTooManyLevels;
extern CString MsgTooManyPasses;
// "%s": the extent of the picked geometry that is not finite or beyond ±1e7.
extern CString MsgGeometryOutOfRange;
// "%d": the most bytes a record may hold.
extern CString MsgRecordTooLong;
// "%s %s": the number as written, the toolpath or what it belongs to; posts write nothing then.
extern CString MsgNumberNotPostable;
// Simple profile, circular and sphere cycles that cannot cut as typed in.
extern CString MsgSimpleOutlinesSkipped;   // "%d": outlines the tool does not fit in
extern CString MsgSimpleCornerTooLarge;    // corner radius, half the smaller size
extern CString MsgSimpleNothingToCut;
extern CString MsgRadialNoLines;           // stepover, outer diameter
extern CString MsgRadialNoRing;
extern CString MsgSphereFinishingOff;

// Fills every slot for the settings' LanguageIndex (1 Korean, 2 Japanese,
// anything else English). Returns 1.
int LoadMessageTable();
