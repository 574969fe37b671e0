// ConvPL as a user runs it in cadhost, with the saved drawing read back by
// ezdxf: the joined polylines are what another CAD program gets.
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/cadhost_run.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

constexpr const char* kLook = R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print("errors", len(doc.audit().errors))
for e in doc.modelspace():
    if e.dxftype() == "LWPOLYLINE":
        points = " ".join("%.4f,%.4f,%.4f" % (x, y, b) for x, y, s, w, b in e.get_points())
        print("LWPOLYLINE", "closed" if e.closed else "open", points)
    else:
        print(e.dxftype())
)";

TEST_F(CadHostTest, ConvertedCurvesAreSavedAsPolylinesThatEzdxfReads) {
  if (!EzdxfAvailable()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const std::string testdata = fs::path(OSTRIVO_TESTDATA) / "convert_polylines";
  fs::copy_file(testdata + ".dxf", Path("drawing.dxf"));
  const HostRun run = Run({"--plugin", OSTRIVO_PATH, "-s", testdata + ".scr", Path("drawing.dxf")});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  std::ofstream(Path("look.py")) << kLook;
  std::system(("/usr/bin/python3 " + Quoted(Path("look.py")) + " " + Quoted(Path("converted.dxf")) + " >" +
               Quoted(Path("look.txt")) + " 2>&1")
                  .c_str());
  const std::string look = ReadFile(Path("look.txt"));
  EXPECT_EQ(look,
            "errors 0\n"
            "LINE\n"
            "LWPOLYLINE open 60.0000,0.0000,0.0000 80.0000,0.0000,0.0000 80.0000,20.0000,0.0000\n"
            "LWPOLYLINE closed 0.0000,20.0000,0.0000 0.0000,0.0000,0.0000 40.0000,0.0040,0.0000 "
            "40.0000,15.0000,0.4142 35.0000,20.0000,0.0000\n"
            "LWPOLYLINE closed 105.0000,10.0000,1.0000 95.0000,10.0000,1.0000\n")
      << look;
}

}  // namespace
}  // namespace e2e
