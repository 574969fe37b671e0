// Enumerations of the drawing database, nested as callers spell them (AcDb::kForRead ...).
#pragma once

namespace AcDb {

enum OpenMode { kForRead = 0, kForWrite = 1, kForNotify = 2 };

enum Visibility { kVisible = 0, kInvisible = 1 };

// Why a filer runs; objects file ids differently for each.
enum FilerType {
  kFileFiler = 0,
  kCopyFiler,
  kUndoFiler,
  kBagFiler,
  kIdXlateFiler,
  kPageFiler,
  kDeepCloneFiler,
  kIdFiler,
  kPurgeFiler,
  kWblockCloneFiler
};

enum AcDbDwgVersion { kDHL_1015 = 23, kDHL_CURRENT = kDHL_1015 };
enum MaintenanceReleaseVersion { kMRelease0 = 0, kMReleaseCurrent = 13 };

enum DeepCloneType {
  kDcCopy = 0,
  kDcExplode,
  kDcBlock,
  kDcXrefBind,
  kDcSymTableMerge,
  kDcInsert,
  kDcWblock,
  kDcObjects
};

enum Intersect { kOnBothOperands = 0, kExtendThis, kExtendArg, kExtendBoth };

enum Planarity { kNonPlanar = 0, kPlanar, kLinear };

enum SubentType { kNullSubentType = 0, kFaceSubentType, kEdgeSubentType, kVertexSubentType, kMlineSubentCache };

// Line weights in hundredths of a millimetre, and the three that defer to something else.
enum LineWeight {
  kLnWt000 = 0,
  kLnWt005 = 5,
  kLnWt009 = 9,
  kLnWt013 = 13,
  kLnWt015 = 15,
  kLnWt018 = 18,
  kLnWt020 = 20,
  kLnWt025 = 25,
  kLnWt030 = 30,
  kLnWt035 = 35,
  kLnWt040 = 40,
  kLnWt050 = 50,
  kLnWt053 = 53,
  kLnWt060 = 60,
  kLnWt070 = 70,
  kLnWt080 = 80,
  kLnWt090 = 90,
  kLnWt100 = 100,
  kLnWt106 = 106,
  kLnWt120 = 120,
  kLnWt140 = 140,
  kLnWt158 = 158,
  kLnWt200 = 200,
  kLnWt211 = 211,
  kLnWtByLayer = -1,
  kLnWtByBlock = -2,
  kLnWtByLwDefault = -3
};

// Colour indexes with a meaning of their own.
enum { kColorByBlock = 0, kColorByLayer = 256 };

// DXF group codes.
enum DxfCode {
  kDxfInvalid = -9999,
  kDxfXDictionary = -6,
  kDxfPReactors = -5,
  kDxfOperator = -4,
  kDxfXDataStart = -3,
  kDxfHeaderId = -2,
  kDxfEnd = -1,
  kDxfStart = 0,
  kDxfText = 1,
  kDxfXRefPath = 1,
  kDxfShapeName = 2,
  kDxfBlockName = 2,
  kDxfAttributeTag = 2,
  kDxfSymbolTableName = 2,
  kDxfMstyleName = 2,
  kDxfSymTableRecName = 2,
  kDxfAttributePrompt = 3,
  kDxfDimStyleName = 3,
  kDxfLinetypeProse = 3,
  kDxfTextFontFile = 3,
  kDxfDescription = 3,
  kDxfDimPostStr = 3,
  kDxfTextBigFontFile = 4,
  kDxfDimAPostStr = 4,
  kDxfCLShapeName = 4,
  kDxfSymTableRecComments = 4,
  kDxfHandle = 5,
  kDxfDimBlk = 5,
  kDxfLinetypeName = 6,
  kDxfTextStyleName = 7,
  kDxfLayerName = 8,
  kDxfCLShapeText = 9,
  kDxfXCoord = 10,
  kDxfYCoord = 20,
  kDxfZCoord = 30,
  kDxfElevation = 38,
  kDxfThickness = 39,
  kDxfReal = 40,
  kDxfTxtSize = 40,
  kDxfViewportHeight = 40,
  kDxfTxtStyleXScale = 41,
  kDxfViewWidth = 41,
  kDxfViewportAspect = 41,
  kDxfTxtStylePSize = 42,
  kDxfViewLensLength = 42,
  kDxfViewFrontClip = 43,
  kDxfViewBackClip = 44,
  kDxfShapeXOffset = 44,
  kDxfShapeYOffset = 45,
  kDxfViewHeight = 45,
  kDxfShapeScale = 46,
  kDxfPixelScale = 47,
  kDxfLinetypeScale = 48,
  kDxfDashLength = 49,
  kDxfMlineOffset = 49,
  kDxfLinetypeElement = 49,
  kDxfAngle = 50,
  kDxfViewportSnapAngle = 50,
  kDxfViewportTwist = 51,
  kDxfVisibility = 60,
  kDxfLayerLinetype = 61,
  kDxfColor = 62,
  kDxfHasSubentities = 66,
  kDxfViewportVisibility = 67,
  kDxfViewportActive = 68,
  kDxfViewportNumber = 69,
  kDxfInt16 = 70,
  kDxfViewMode = 71,
  kDxfCircleSides = 72,
  kDxfViewportZoom = 73,
  kDxfViewportIcon = 74,
  kDxfViewportSnap = 75,
  kDxfViewportGrid = 76,
  kDxfViewportSnapStyle = 77,
  kDxfViewportSnapPair = 78,
  kDxfRegAppFlags = 71,
  kDxfTxtStyleFlags = 71,
  kDxfLinetypeAlign = 72,
  kDxfLinetypePDC = 73,
  kDxfInt32 = 90,
  kDxfSubclass = 100,
  kDxfEmbeddedObjectStart = 101,
  kDxfControlString = 102,
  kDxfDimVarHandle = 105,
  kDxfUCSOrg = 110,
  kDxfUCSOriX = 111,
  kDxfUCSOriY = 112,
  kDxfXReal = 140,
  kDxfXInt16 = 170,
  kDxfNormalX = 210,
  kDxfNormalY = 220,
  kDxfNormalZ = 230,
  kDxfXXInt16 = 270,
  kDxfInt8 = 280,
  kDxfRenderMode = 281,
  kDxfBool = 290,
  kDxfXTextString = 300,
  kDxfBinaryChunk = 310,
  kDxfArbHandle = 320,
  kDxfSoftPointerId = 330,
  kDxfHardPointerId = 340,
  kDxfSoftOwnershipId = 350,
  kDxfHardOwnershipId = 360,
  kDxfLineWeight = 370,
  kDxfPlotStyleNameType = 380,
  kDxfPlotStyleNameId = 390,
  kDxfXXXInt16 = 400,
  kDxfLayoutName = 410,
  kDxfComment = 999,
  kDxfXdAsciiString = 1000,
  kDxfRegAppName = 1001,
  kDxfXdControlString = 1002,
  kDxfXdLayerName = 1003,
  kDxfXdBinaryChunk = 1004,
  kDxfXdHandle = 1005,
  kDxfXdXCoord = 1010,
  kDxfXdYCoord = 1020,
  kDxfXdZCoord = 1030,
  kDxfXdWorldXCoord = 1011,
  kDxfXdWorldYCoord = 1021,
  kDxfXdWorldZCoord = 1031,
  kDxfXdWorldXDisp = 1012,
  kDxfXdWorldYDisp = 1022,
  kDxfXdWorldZDisp = 1032,
  kDxfXdWorldXDir = 1013,
  kDxfXdWorldYDir = 1023,
  kDxfXdWorldZDir = 1033,
  kDxfXdReal = 1040,
  kDxfXdDist = 1041,
  kDxfXdScale = 1042,
  kDxfXdInteger16 = 1070,
  kDxfXdInteger32 = 1071
};

// What a group code's value is, by the DXF ranges.
enum DxfValueKind {
  kDxfValueString,
  kDxfValueReal,
  kDxfValuePoint,
  kDxfValueInt16,
  kDxfValueInt32,
  kDxfValueInt64,
  kDxfValueBool,
  kDxfValueHandle,
  kDxfValueObjectId,
  kDxfValueBinary,
  kDxfValueUnknown
};
DxfValueKind dxfValueKind(int groupCode);

}  // namespace AcDb

namespace AcRx {
enum DictIterType { kDictSorted = 0, kDictCollated = 1 };
}  // namespace AcRx

#define ACDB_MODEL_SPACE "*Model_Space"
#define ACDB_PAPER_SPACE "*Paper_Space"
#define ACDB_GROUP_DICTIONARY "ACAD_GROUP"
