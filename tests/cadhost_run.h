// Runs the built cadhost as a user would: in a temporary folder that is also
// its HOME and holds its registry, on a script, with standard input closed.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/cad/db/db.h"
#include "platform/cad/dxf/dxf_file.h"
#include "tests/test_files.h"

namespace e2e {

// Ends a script whose changes are not to be kept (else the run fails for them).
inline constexpr const char* kQuitWithoutSaving = "QUIT\nno\n";

struct HostRun {
  int status = -1;
  std::string out;  // the transcript
  std::string err;
};

inline std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

inline std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('/')); }

class CadHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "cadhost_e2e_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    if (!HasFailure()) std::system(("rm -rf " + Quoted(folder_)).c_str());
  }

  std::string Path(const std::string& name) const { return folder_ + "/" + name; }

  std::string WriteScript(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name)) << text;
    return Path(name);
  }

  // cadhost with the arguments, in the folder; standard input from the file when given.
  HostRun Run(const std::vector<std::string>& args, const std::string& input = "/dev/null") const {
    std::string command = "cd " + Quoted(folder_) + " && HOME=" + Quoted(folder_) +
                          " VELMORA_REGISTRY=" + Quoted(Path("registry.reg")) +
                          " VELMORA_PLUGIN_PATH=" + Quoted(FolderOf(HOSTPROBE_PATH)) + " " + Quoted(CADHOST_PATH);
    for (const std::string& arg : args) command += " " + Quoted(arg);
    command += " >" + Quoted(Path("out.txt")) + " 2>" + Quoted(Path("err.txt")) + " <" + Quoted(input);
    HostRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(Path("out.txt"));
    run.err = ReadFile(Path("err.txt"));
    return run;
  }

  // cadhost on a script text, with the plug-in when asked, and drawing when given.
  HostRun RunScript(const std::string& script, bool with_plugin = false, const std::string& drawing = "") const {
    std::vector<std::string> args = {"-s", WriteScript("run.scr", script)};
    if (with_plugin) args.insert(args.end(), {"--plugin", HOSTPROBE_PATH});
    if (!drawing.empty()) args.push_back(drawing);
    return Run(args);
  }

  // A Python script of the folder run on a drawing of it: what it printed, errors included.
  std::string RunPython(const std::string& script, const std::string& drawing) const {
    std::system(("/usr/bin/python3 " + Quoted(Path(script)) + " " + Quoted(Path(drawing)) + " >" +
                 Quoted(Path("python.txt")) + " 2>&1")
                    .c_str());
    return ReadFile(Path("python.txt"));
  }

  std::unique_ptr<AcDbDatabase> Load(const std::string& name) const {
    std::unique_ptr<AcDbDatabase> database;
    std::string message;
    EXPECT_EQ(ReadDxfFile(Path(name).c_str(), database, message), Acad::eOk) << message;
    return database;
  }

  std::string folder_;
};

// The DXF names of the live entities of model space, in order.
inline std::vector<std::string> ModelSpaceTypes(AcDbDatabase& database) {
  std::vector<std::string> types;
  AcDbBlockTable* table = nullptr;
  if (database.getBlockTable(table, AcDb::kForRead) != Acad::eOk) return types;
  AcDbBlockTableRecord* space = nullptr;
  table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForRead);
  table->close();
  if (space == nullptr) return types;
  AcDbBlockTableRecordIterator* it = nullptr;
  space->newIterator(it);
  for (; it != nullptr && !it->done(); it->step()) {
    AcDbEntity* entity = nullptr;
    if (it->getEntity(entity, AcDb::kForRead) != Acad::eOk) continue;
    types.emplace_back(entity->isA()->dxfName());
    entity->close();
  }
  delete it;
  space->close();
  return types;
}

// The LIST blocks of a transcript: a "TYPE  Handle = H" line and the indented lines under it.
inline std::vector<std::string> ListedEntities(const std::string& transcript) {
  std::vector<std::string> blocks;
  std::istringstream lines(transcript);
  std::string line;
  bool in_block = false;
  while (std::getline(lines, line)) {
    if (!line.empty() && line[0] != ' ' && line.find("  Handle = ") != std::string::npos) {
      blocks.push_back(line + "\n");
      in_block = true;
    } else if (in_block && line.rfind("  ", 0) == 0) {
      blocks.back() += line + "\n";
    } else {
      in_block = false;
    }
  }
  return blocks;
}

// Debian's ezdxf, when it is there, for an outside check of saved drawings.
inline bool EzdxfAvailable() { return std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") == 0; }

// Python for the measuring scripts: the modules they share and the plan points
// of a polyline segment from a to b with its bulge, in steps (arcs exactly, not
// as Beziers).
inline constexpr const char* kPlanSegmentPython = R"(import sys, math, ezdxf
from ezdxf.math import bulge_to_arc

def segment(a, b, bulge, steps):
    if bulge == 0:
        return [(a[0] + (b[0] - a[0]) * k / steps, a[1] + (b[1] - a[1]) * k / steps) for k in range(steps + 1)]
    c, a0, a1, r = bulge_to_arc(a, b, bulge)
    if a1 < a0:
        a1 += 2 * math.pi
    pts = [(c.x + r * math.cos(a0 + (a1 - a0) * k / steps), c.y + r * math.sin(a0 + (a1 - a0) * k / steps))
           for k in range(steps + 1)]
    return pts if bulge > 0 else pts[::-1]
)";

// What is missing of the outside peers that read drawings and measure
// toolpaths (ezdxf, and shapely for GEOS); empty when both are there.
inline std::string MissingMeasurePeers() {
  if (!EzdxfAvailable()) return "python3-ezdxf is not installed";
  if (std::system("/usr/bin/python3 -c 'import shapely' >/dev/null 2>&1") != 0)
    return "python3-shapely is not installed";
  return "";
}

}  // namespace e2e
