#include "platform/cad/modeler/brep_shape.h"

#include <BRepBndLib.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepGProp.hxx>
#include <BRepTools.hxx>
#include <BRep_Builder.hxx>
#include <GProp_GProps.hxx>
#include <OSD.hxx>
#include <ShapeUpgrade_UnifySameDomain.hxx>
#include <Standard_ErrorHandler.hxx>
#include <Standard_Failure.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>

#include <signal.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace brep {

gp_Pln toPln(const AcGePlane& plane) {
  AcGePoint3d origin;
  AcGeVector3d uAxis, vAxis;
  plane.getCoordSystem(origin, uAxis, vAxis);
  return gp_Pln(gp_Ax3(toPnt(origin), toDir(plane.normal()), toDir(uAxis)));
}

bool toTrsf(const AcGeMatrix3d& m, gp_Trsf& trsf) {
  if (std::fabs(m(3, 0)) > 1e-12 || std::fabs(m(3, 1)) > 1e-12 || std::fabs(m(3, 2)) > 1e-12 ||
      std::fabs(m(3, 3) - 1.0) > 1e-12) {
    return false;
  }
  if (!m.isUniScaledOrtho()) return false;
  try {
    trsf.SetValues(m(0, 0), m(0, 1), m(0, 2), m(0, 3), m(1, 0), m(1, 1), m(1, 2), m(1, 3), m(2, 0), m(2, 1), m(2, 2),
                   m(2, 3));
  } catch (const Standard_Failure&) {
    return false;
  }
  return true;
}

std::string writeText(const TopoDS_Shape& shape) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  BRepTools::Write(shape, out, Standard_False, Standard_False, TopTools_FormatVersion_VERSION_1);
  return out.str();
}

namespace {

// While alive, a crash inside OpenCASCADE becomes a Standard_Failure at the nearest
// OCC_CATCH_SIGNALS: its B-rep reader follows what damaged text says into null
// geometry. Only the crash signals change, and only meanwhile: every other handler of
// the program stays as it was, and the crash handlers come back after.
class CrashesAsFailures {
 public:
  CrashesAsFailures() {
    for (int signal = 1; signal < kSignals; ++signal) ::sigaction(signal, nullptr, &saved_[signal]);
    OSD::SetSignal(OSD_SignalMode_Set, Standard_False);
    for (int signal = 1; signal < kSignals; ++signal) {
      if (!isCrash(signal)) ::sigaction(signal, &saved_[signal], nullptr);
    }
  }
  ~CrashesAsFailures() {
    for (int signal = 1; signal < kSignals; ++signal) {
      if (isCrash(signal)) ::sigaction(signal, &saved_[signal], nullptr);
    }
  }
  CrashesAsFailures(const CrashesAsFailures&) = delete;
  CrashesAsFailures& operator=(const CrashesAsFailures&) = delete;

 private:
  static constexpr int kSignals = 32;
  static bool isCrash(int signal) {
    return signal == SIGSEGV || signal == SIGBUS || signal == SIGFPE || signal == SIGILL;
  }

  struct sigaction saved_[kSignals] {};
};

}  // namespace

bool readText(const std::string& text, TopoDS_Shape& shape) {
  shape.Nullify();
  // The text is plain ASCII as written: other bytes are damage, which can crash the reader.
  if (std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x7f || (byte < 0x20 && c != '\n' && c != '\r' && c != '\t');
      })) {
    return false;
  }
  try {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    // A failed read throws at once: on damaged text the reader would otherwise loop for
    // ever over a stream that reads nothing more.
    in.exceptions(std::ios::failbit | std::ios::badbit);
    const CrashesAsFailures guard;
    OCC_CATCH_SIGNALS
    BRep_Builder builder;
    BRepTools::Read(shape, in, builder);
  } catch (const Standard_Failure&) {
    shape.Nullify();
  } catch (const std::ios_base::failure&) {
    shape.Nullify();
  }
  return !shape.IsNull();
}

TopTools_IndexedMapOfShape faceMap(const TopoDS_Shape& shape) {
  TopTools_IndexedMapOfShape map;
  if (!shape.IsNull()) TopExp::MapShapes(shape, TopAbs_FACE, map);
  return map;
}

TopTools_IndexedMapOfShape edgeMap(const TopoDS_Shape& shape) {
  TopTools_IndexedMapOfShape map;
  if (!shape.IsNull()) TopExp::MapShapes(shape, TopAbs_EDGE, map);
  return map;
}

Bnd_Box tightBox(const TopoDS_Shape& shape) {
  Bnd_Box box;
  if (shape.IsNull()) return box;
  try {
    BRepBndLib::AddOptimal(shape, box, Standard_False, Standard_False);
  } catch (const Standard_Failure&) {
    box.SetVoid();
    BRepBndLib::Add(shape, box, Standard_False);
  }
  return box;
}

double volumeOf(const TopoDS_Shape& shape) {
  if (shape.IsNull()) return 0.0;
  GProp_GProps props;
  BRepGProp::VolumeProperties(shape, props);
  return props.Mass();
}

double areaOf(const TopoDS_Shape& shape) {
  if (shape.IsNull()) return 0.0;
  GProp_GProps props;
  BRepGProp::SurfaceProperties(shape, props);
  return props.Mass();
}

double lengthOf(const TopoDS_Shape& shape) {
  if (shape.IsNull()) return 0.0;
  GProp_GProps props;
  BRepGProp::LinearProperties(shape, props);
  return props.Mass();
}

bool hasFaces(const TopoDS_Shape& shape) { return !shape.IsNull() && TopExp_Explorer(shape, TopAbs_FACE).More(); }

bool hasSolids(const TopoDS_Shape& shape) { return !shape.IsNull() && TopExp_Explorer(shape, TopAbs_SOLID).More(); }

bool isValid(const TopoDS_Shape& shape) {
  if (shape.IsNull()) return false;
  try {
    return BRepCheck_Analyzer(shape).IsValid();
  } catch (const Standard_Failure&) {
    return false;
  }
}

TopoDS_Shape unified(const TopoDS_Shape& shape) {
  if (shape.IsNull()) return shape;
  try {
    ShapeUpgrade_UnifySameDomain unify(shape, Standard_True, Standard_True, Standard_True);
    unify.Build();
    const TopoDS_Shape& result = unify.Shape();
    return result.IsNull() ? shape : result;
  } catch (const Standard_Failure&) {
    return shape;
  }
}

namespace {
TopoDS_Shape compoundOf(const TopoDS_Shape& shape, TopAbs_ShapeEnum kind) {
  TopoDS_Compound compound;
  BRep_Builder builder;
  builder.MakeCompound(compound);
  int count = 0;
  TopoDS_Shape single;
  for (TopExp_Explorer it(shape, kind); it.More(); it.Next()) {
    builder.Add(compound, it.Current());
    single = it.Current();
    ++count;
  }
  if (count == 0) return TopoDS_Shape();
  return count == 1 ? single : TopoDS_Shape(compound);
}
}  // namespace

TopoDS_Shape facesCompound(const TopoDS_Shape& shape) {
  return shape.IsNull() ? shape : compoundOf(shape, TopAbs_FACE);
}

TopoDS_Shape solidsCompound(const TopoDS_Shape& shape) {
  return shape.IsNull() ? shape : compoundOf(shape, TopAbs_SOLID);
}

}  // namespace brep
