// Toolpaths built by hand in a test drawing, posted into a string, and the
// NC text read by LinuxCNC's interpreter where it is installed.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/cad/db/entities/db_3d_polyline.h"
#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "plugin/post/post_run.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/shell/toolpaths/rapid_linetype.h"
#include "plugin/shell/toolpaths/tool_path_info.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"

namespace posttest {

// The plug-in registers the class at load; the drawing goes before the class does.
struct ScopedInfoClass {
  ScopedInfoClass() { CToolPathInfo::rxInit(); }
  ~ScopedInfoClass() { deleteAcRxClass(CToolPathInfo::gpDesc); }
};

class StringOutput : public PostTextOutput {
 public:
  bool Write(std::string_view text) override {
    if (fail) return false;
    text_ += text;
    return true;
  }
  std::string text_;
  bool fail = false;
};

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string SourceRoot() {
  const char* root = std::getenv("VELMORA_TEST_SOURCE");
  return root != nullptr ? root : ".";
}

inline double FeedThickness(int feed) { return feed * 1.000001e-7; }

inline bool Rs274Available() { return std::system("command -v rs274 >/dev/null 2>&1") == 0; }

struct Rs274Run {
  int status = -1;
  std::string out;
};

// Runs the interpreter on the text with a table of tools 1 to 20.
inline Rs274Run RunRs274(const std::string& folder, const std::string& nc) {
  std::ofstream(folder + "/tools.tbl") << [] {
    std::string table;
    for (int t = 1; t <= 20; ++t) table += "T" + std::to_string(t) + " P" + std::to_string(t) + " D10 Z0\n";
    return table;
  }();
  std::ofstream(folder + "/program.ngc", std::ios::binary) << nc;
  // rs274 maps its tool table through a file in $HOME that every run truncates: one home per run.
  const std::string command = "cd '" + folder + "' && HOME=. rs274 -t tools.tbl -g program.ngc >canon.txt 2>&1 </dev/null";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadText(folder + "/canon.txt")};
}

// Each ARC_FEED of the canonical output: end, centre and turn (+1 counter-clockwise).
struct CanonArc {
  double first = 0, second = 0, centreFirst = 0, centreSecond = 0;
  int rotation = 0;
  double axisEnd = 0;
};

inline std::vector<CanonArc> CanonArcs(const std::string& canon) {
  std::vector<CanonArc> arcs;
  for (size_t at = canon.find("ARC_FEED("); at != std::string::npos; at = canon.find("ARC_FEED(", at + 1)) {
    CanonArc arc;
    std::sscanf(canon.c_str() + at, "ARC_FEED(%lf, %lf, %lf, %lf, %d, %lf", &arc.first, &arc.second, &arc.centreFirst,
                &arc.centreSecond, &arc.rotation, &arc.axisEnd);
    arcs.push_back(arc);
  }
  return arcs;
}

inline int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// Entities of one toolpath, appended in move order.
class ToolpathBuilder {
 public:
  explicit ToolpathBuilder(ShellSession& session) : session_(session) {}

  AcDbObjectId Add(AcDbEntity* entity) {
    const AcDbObjectId id = session_.add(entity);
    ids_.append(id);
    return id;
  }
  void Append(AcDbObjectId id) { ids_.append(id); }
  void Marker(int type, double value, AcDbObjectId marked) {
    AcDbObjectId point;
    if (AddMarkerPoint(type, point, value, marked)) ids_.append(point);
  }
  void Tool(int number, int offset, AcDbObjectId marked) {
    AcDbObjectId point;
    if (AttachToolInfo12(point, marked, 1, 10.0, 50.0, 0.0, number, 1, offset)) ids_.append(point);
  }
  void Info(int kind, double value, AcDbObjectId marked) {
    AcDbObjectId point;
    if (AttachToolPathInfo(kind, point, value, marked)) ids_.append(point);
  }
  AcDbObjectId Rapid(const AcGePoint3d& from, const AcGePoint3d& to, int value = 0) {
    const AcDbObjectId id = AddMoveLine(from, to, ToolpathMoveEncoding::kRapidMoveKind);
    if (value > 0) SetCurveThickness(id, FeedThickness(value));
    ids_.append(id);
    return id;
  }
  AcDbObjectId Cut(const AcGePoint3d& from, const AcGePoint3d& to, int feed = 0) {
    auto* line = new AcDbLine(from, to);
    if (feed > 0) line->setThickness(FeedThickness(feed));
    return Add(line);
  }
  // Starts with a first-position marker, a tool and a spindle start at the first move.
  void Head(AcDbObjectId first, int tool = 1, int offset = 1) {
    AcDbObjectIdArray moves = ids_;
    ids_.setLogicalLength(0);
    Marker(1, 0.0, first);
    Tool(tool, offset, first);
    Marker(5, 1000.0, first);
    ids_.append(moves);
  }
  bool Store(const char* name, const CString& record) {
    AcDbObjectIdArray ids = ids_;
    ids_.setLogicalLength(0);
    return CreateToolpathGroup(name, record, ids);
  }

 private:
  ShellSession& session_;
  AcDbObjectIdArray ids_;
};

inline CString RecordOf(int version, int kind, const char* body = "") {
  return FormatToolpathRecordHeader(version, kind) + "\n" + body;
}

// Posts the named toolpaths with the definition into a string.
inline std::string Post(const PostSettingsFile& definition, PostKindHolders& holders, const std::vector<CString>& names,
                        std::string* failure = nullptr) {
  StringOutput output;
  PostProgramWriter writer(definition, output);
  WritePostProgram(writer, holders, names, 7);
  if (failure != nullptr) *failure = writer.failure();
  return output.text_;
}

inline PostSettingsFile IsoMill() {
  PostSettingsFile definition;
  definition.LoadText(ReadText(SourceRoot() + "/samples/posts/iso_mill.ppr"));
  return definition;
}

}  // namespace posttest
