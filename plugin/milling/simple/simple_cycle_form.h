// What every simple-cycle dialog (shapes typed in as numbers) shares: the shape
// input types with their read-only states, the common fields, and the common
// control behaviour. SimpleCycleDialog (simple_cycle_dialog.h) routes a cycle
// dialog's common handlers here.
#pragma once

#include <vector>
#include "platform/classlib/afxwin.h"

#include "platform/classlib/cstring.h"
#include "platform/classlib/dialogs/dialog_template.h"
#include "plugin/geometry/forms/simple_cycle_limits.h"
#include "plugin/geometry/tool_shape_dlg.h"

// How a rectangle is typed in.
enum ShapeInputType {
  kShapeCentreSize = 1,
  kShapeMinimumSize = 2,
  kShapeMinimumMaximum = 3,
};

// The eight numbers a rectangle may be typed in with; only those of the chosen
// type are used, the others keep whatever they last held.
struct ShapeFields {
  float xMaximum = 100.0f;
  float xMinimum = -100.0f;
  float xSize = 200.0f;
  float yMaximum = 80.0f;
  float yMinimum = -80.0f;
  float ySize = 160.0f;
  float xCentre = 0.0f;
  float yCentre = 0.0f;
};

// The rectangle a generator cuts: centre and full sizes.
struct ShapeRectangle {
  double cx = 0.0, cy = 0.0, width = 0.0, height = 0.0;
};

ShapeRectangle ResolveShapeInput(int shapeInputType, const ShapeFields& shape);

struct ShapeControlIds {
  int xMaximum, xMinimum, xSize, yMaximum, yMinimum, ySize, xCentre, yCentre;
  int firstTypeRadio;  // the three type radios, consecutive, in type order
};
void ExchangeShapeFields(CDataExchange* pDX, ShapeFields& shape, const ShapeControlIds& ids);
// Checks the type's radio and makes the fields of the other types read-only.
void ShowShapeInputType(CWnd& dlg, int shapeInputType, const ShapeControlIds& ids);
// The group box "<< 변수 Type >>" and its three radios.
std::vector<ControlTemplate> ShapeInputTypeControls(const ShapeControlIds& ids);
// The eight shape edits, centres first.
std::vector<ControlTemplate> ShapeFieldControls(const ShapeControlIds& ids);

// The fields every simple cycle has.
struct SimpleCycleFields {
  int m_RecordMode = 0;  // 1: the dialog describes a stored toolpath
  CString m_StoredName;  // that toolpath's name
  CString m_ToolpathName;
  CToolShapeDlg m_Tool;
  int m_ToolNumberOn = 1;
  int m_ToolNumber = 1;
  int m_LengthOffsetOn = 0;
  int m_LengthOffsetNumber = 0;
  float m_ReturnHeight = 100.0f;
  int m_Feed = 300;
  float m_Allowance = 0.0f;
};

struct SimpleCycleControlIds {
  int name = 200;
  int tool = 271;
  int toolNumberCheck = 324;
  int toolNumber = 322;
  int lengthOffsetCheck = 325;
  int lengthOffset = 323;
  int returnHeight = 490;
  int feed = 489;
  int allowance = 481;  // 0: the cycle exchanges its allowance itself
};

// The name (the stored one in record mode, else a fresh one from the base),
// the tool's name on its button, the length-offset edit's state.
// The tool button, the tool number and the length offset with their checks.
std::vector<ControlTemplate> SimpleCycleToolControls(const SimpleCycleControlIds& ids);

void InitSimpleCycleForm(CWnd& dlg, SimpleCycleFields& fields, const char* nameBase, const SimpleCycleControlIds& ids);
void ExchangeSimpleCycleFields(CDataExchange* pDX, SimpleCycleFields& fields, const SimpleCycleControlIds& ids);
void RunToolShapeButton(CWnd& dlg, SimpleCycleFields& fields, const SimpleCycleControlIds& ids);
// While length offset is off, its number follows the tool number as typed.
void FollowToolNumber(CWnd& dlg, const SimpleCycleFields& fields, const SimpleCycleControlIds& ids);
void ToggleToolNumber(CWnd& dlg, SimpleCycleFields& fields, const SimpleCycleControlIds& ids);
void ToggleLengthOffset(CWnd& dlg, SimpleCycleFields& fields, const SimpleCycleControlIds& ids);
// Not blank; in record mode the name is the toolpath's own, otherwise a taken
// name asks first whether the old toolpath may go (it goes when the new one is
// stored). False keeps the dialog open.
bool AcceptSimpleCycleName(const SimpleCycleFields& fields);
