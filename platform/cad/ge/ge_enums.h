#pragma once

// Library-wide enumerations, nested as callers spell them (AcGe::kLineSeg2d ...).
struct AcGe {
  static const double kInfinity;
  static const int eGood = 0;
  static const int eBad = 1;

  enum EntityId {
    kEntity2d,
    kEntity3d,
    kCurve2d,
    kCurve3d,
    kLinearEnt2d,
    kLinearEnt3d,
    kLine2d,
    kLine3d,
    kLineSeg2d,
    kLineSeg3d,
    kCircArc2d,
    kCircArc3d,
    kEllipArc2d,
    kEllipArc3d,
    kSplineEnt2d,
    kSplineEnt3d,
    kPolyline2d,
    kPolyline3d,
    kNurbCurve2d,
    kNurbCurve3d,
    kCompositeCrv2d,
    kCompositeCrv3d,
    kSurface,
    kPlanarEnt,
    kPlane,
  };

  enum OffsetCrvExtType { kFillet, kChamfer, kExtend };

  enum ErrorCondition {
    kOk,
    k0This,
    k0Arg1,
    k0Arg2,
    kPerpendicularArg1Arg2,
    kEqualArg1Arg2,
    kEqualArg1Arg3,
    kEqualArg2Arg3,
    kLinearlyDependentArg1Arg2Arg3,
    kArg1TooBig,
    kArg1OnThis,
    kArg1InsideThis,
    kNonCoplanarGeometry,
    kDegenerateGeometry,
    kSingularPoint,
  };
};
