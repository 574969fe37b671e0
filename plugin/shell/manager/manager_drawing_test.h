// A drawing for the toolpath manager's tests: the shell's test host with the
// tool information class and the rapid linetype, and toolpaths made by the
// real generators.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/pocket/pocket_generator.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/marker_points.h"
#include "plugin/shell/toolpaths/rapid_linetype.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

class ManagerDrawing {
 public:
  explicit ManagerDrawing(const std::string& script = "") : session_(script) {
    session_.db().loadLineTypeFile(kRapidLinetype, "acad.lin");
  }

  ShellSession& session() { return session_; }
  std::string transcript() const { return session_.transcript(); }

  AcDbObjectId AddRectangle(double x, double y, double width, double height) {
    auto* polyline = new AcDbPolyline();
    polyline->addVertexAt(0, AcGePoint2d(x, y));
    polyline->addVertexAt(1, AcGePoint2d(x + width, y));
    polyline->addVertexAt(2, AcGePoint2d(x + width, y + height));
    polyline->addVertexAt(3, AcGePoint2d(x, y + height));
    polyline->setClosed(true);
    return session_.add(polyline);
  }

  AcDbObjectId AddLine(double x1, double y1, double x2, double y2) {
    return session_.add(new AcDbLine(AcGePoint3d(x1, y1, 0.0), AcGePoint3d(x2, y2, 0.0)));
  }

  // A 60 x 40 pocket 5 deep, roughed with a 10 mm tool at the stepover (and
  // finished with a 6 mm one), by the real generator.
  void AddPocket(const char* name, double x = 0.0, double stepover = 5.0, bool finish = false) {
    CPocketDlg dialog;
    dialog.m_Boundary = AddRectangle(x, 0.0, 60.0, 40.0);
    dialog.m_RoughTool.m_Diameter = 10.0f;
    dialog.m_RoughTool.FormatToolName();
    dialog.m_RoughStepover = static_cast<float>(stepover);
    dialog.m_RoughAllowance = 0.0f;
    dialog.m_RoughZStep = 5.0f;
    dialog.m_ZStart = 0.0f;
    dialog.m_ZDepth = -5.0f;
    dialog.m_RetractHeight = 10.0f;
    dialog.m_ToolpathName = name;
    dialog.m_FinishOn = finish ? 1 : 0;
    dialog.m_FinishTool.m_Diameter = 6.0f;
    dialog.m_FinishTool.FormatToolName();
    GeneratePocketToolpath(dialog);
    ASSERT_TRUE(IsToolpathGroupName(name)) << transcript();
  }

  // A group toolpath of the kind holding the entities, with a bare record.
  void AddRecordGroup(const char* name, int kind, std::vector<AcDbObjectId> members) {
    AcDbObjectIdArray ids;
    for (const AcDbObjectId& id : members) ids.append(id);
    ASSERT_TRUE(CreateToolpathGroup(name, FormatToolpathRecordHeader(1, kind) + "\n", ids));
  }

  static AcDbObjectIdArray Members(const char* name) {
    AcDbObjectIdArray ids;
    GetToolpathEntityIds(name, ids);
    return ids;
  }

  static std::vector<AcDbObjectId> Points(const AcDbObjectIdArray& ids) {
    std::vector<AcDbObjectId> points;
    for (const AcDbObjectId& id : ids) {
      OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
      if (entity.openStatus() == Acad::eOk && EntityKindCodeOf(entity.object()) == kEntityPoint) points.push_back(id);
    }
    return points;
  }

  static bool HasInfo(AcDbObjectId pointId) {
    int kind = 0;
    double value = 0.0;
    return GetToolPathInfoKind(pointId, kind, value);
  }

  static CString Record(const char* name) {
    AcDbObjectId id;
    CString record;
    if (FindToolpathByName(name, id)) ReadToolpathTypeCode(id, record);
    return record;
  }

 private:
  // The plug-in registers the class at load and takes it away at unload; the
  // drawing goes before the class does.
  struct InfoClass {
    InfoClass() { CToolPathInfo::rxInit(); }
    ~InfoClass() { deleteAcRxClass(CToolPathInfo::gpDesc); }
  };

  InfoClass infoClass_;
  ShellSession session_;
};

inline bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
