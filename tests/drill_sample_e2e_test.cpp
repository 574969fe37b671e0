// The drilling samples as the demo runs them: the scripts drill the hole plate
// with Drill and MultyDrill, save the drawing and open it again; ezdxf reads
// the saved toolpath groups as another CAD program would.
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

// Audit errors, the model space, then per group: its name, the first line of
// its description, its member types, and each circle as handle@x,y/r. ezdxf
// keeps a group's members unordered, so their order is read from the file.
constexpr const char* kLook = R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print("errors", len(doc.audit().errors))
print("entities", " ".join(e.dxftype() for e in doc.modelspace()))
lines = open(sys.argv[1], encoding="utf-8").read().splitlines()
tags = [(lines[i].strip(), lines[i + 1].strip()) for i in range(0, len(lines) - 1, 2)]
def members(handle):
    for i, tag in enumerate(tags):
        if tag == ("0", "GROUP") and tags[i + 1] == ("5", handle):
            found = []
            for code, value in tags[i + 2:]:
                if code == "0":
                    return found
                if code == "340":
                    found.append(doc.entitydb[value])
    return []
for name, group in doc.groups:
    entities = members(group.dxf.handle)
    print("group", name, group.dxf.description.split("^J")[0])
    print("types", " ".join(e.dxftype() for e in entities))
    print("circles", " ".join("%s@%g,%g/%g" % (e.dxf.handle, e.dxf.center.x, e.dxf.center.y, e.dxf.radius)
                              for e in entities if e.dxftype() == "CIRCLE"))
)";
class DrillSampleTest : public CadHostTest {
 protected:
  void SetUp() override {
    CadHostTest::SetUp();
    fs::copy_file(std::string(HOST_SAMPLES) + "/drawings/hole_plate.dxf", Path("plate.dxf"));
    std::ofstream(Path("look.py")) << kLook;
  }

  std::string Look(const std::string& drawing) const {
    std::system(("/usr/bin/python3 " + Quoted(Path("look.py")) + " " + Quoted(Path(drawing)) + " >" +
                 Quoted(Path("look.txt")) + " 2>&1")
                    .c_str());
    return ReadFile(Path("look.txt"));
  }

  HostRun RunSample(const std::string& script) const {
    return Run({"--plugin", OSTRIVO_PATH, "-s", std::string(HOST_SAMPLES) + "/scripts/" + script, Path("plate.dxf")});
  }
};

// The line after "<key> ", for the group of that name.
std::string GroupLine(const std::string& look, const std::string& group, const std::string& key) {
  const std::size_t at = look.find("group " + group + " ");
  if (at == std::string::npos) return "";
  const std::size_t line = look.find("\n" + key + " ", at);
  if (line == std::string::npos) return "";
  const std::size_t start = line + key.size() + 2;
  return look.substr(start, look.find('\n', start) - start);
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

TEST_F(DrillSampleTest, DrillStoresTheHolesInRowsAndTheToolpathSurvivesSavingAndOpening) {
  if (!EzdxfAvailable()) GTEST_SKIP() << "python3-ezdxf is not installed";
  EXPECT_EQ(Look("plate.dxf"),
            "errors 0\n"
            "entities LWPOLYLINE CIRCLE CIRCLE CIRCLE CIRCLE CIRCLE CIRCLE CIRCLE CIRCLE CIRCLE CIRCLE ARC POINT\n");
  const HostRun run = RunSample("drill.scr");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(Count(run.out, "Holes  (37 entities): Ostrivo_ToolPath 2 3 1"), 2u) << "before and after OPEN: " << run.out;
  EXPECT_TRUE(fs::exists(Path("drilled.svg")));

  const std::string look = Look("drilled.dxf");
  EXPECT_EQ(look.rfind("errors 0\n", 0), 0u) << look;
  EXPECT_NE(look.find("group Holes Ostrivo_ToolPath 2 3 1\n"), std::string::npos) << look;
  std::vector<std::string> circles = Words(GroupLine(look, "Holes", "circles"));
  ASSERT_EQ(circles.size(), 8u) << look;
  // Row by row from the bottom left, each of the drill's radius.
  const char* order[] = {"@20,20/3", "@40,20/3", "@60,20/3", "@80,20/3",
                         "@20,60/3", "@40,60/3", "@60,60/3", "@80,60/3"};
  for (std::size_t i = 0; i < circles.size(); ++i) {
    EXPECT_NE(circles[i].find(order[i]), std::string::npos) << i << ": " << circles[i];
  }
  const std::string types = GroupLine(look, "Holes", "types");
  EXPECT_EQ(Count(types, "LINE"), 2u + 8 * 2 + 7)
      << "two from the start point, per hole a rapid down and a feed, seven crossings: " << types;
  EXPECT_EQ(Count(types, "POINT"), 4u) << types;
}

TEST_F(DrillSampleTest, MultyDrillStoresOneToolpathPerCycleEachWithCirclesOfItsOwn) {
  if (!EzdxfAvailable()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const HostRun run = RunSample("multy_drill.scr");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::string look = Look("multy_drilled.dxf");
  EXPECT_EQ(look.rfind("errors 0\n", 0), 0u) << look;
  const char* names[] = {"PLATE_Drill_1", "PLATE_Peck_2", "PLATE_Tap_3"};
  const char* cycles[] = {"Ostrivo_ToolPath 2 3 0", "Ostrivo_ToolPath 2 3 1", "Ostrivo_ToolPath 2 3 3"};
  const char* radius[] = {"/1.5", "/4", "/5"};
  std::set<std::string> handles;
  for (int i = 0; i < 3; ++i) {
    EXPECT_NE(look.find(std::string("group ") + names[i] + " " + cycles[i] + "\n"), std::string::npos) << look;
    const std::vector<std::string> circles = Words(GroupLine(look, names[i], "circles"));
    ASSERT_EQ(circles.size(), 3u) << names[i] << "\n" << look;
    const char* holes[] = {"@105,20", "@105,60", "@120,40"};  // as picked
    for (int h = 0; h < 3; ++h) {
      EXPECT_NE(circles[h].find(std::string(holes[h]) + radius[i]), std::string::npos) << circles[h];
      handles.insert(circles[h].substr(0, circles[h].find('@')));
    }
  }
  EXPECT_EQ(handles.size(), 9u) << "no circle is shared between toolpaths: " << look;
  EXPECT_EQ(Count(run.out, "PLATE_Tap_3  (17 entities)"), 2u) << run.out;
}

}  // namespace
}  // namespace e2e
