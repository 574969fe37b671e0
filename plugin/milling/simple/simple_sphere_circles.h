// Simple sphere cycle: the horizontal circles of tool-centre positions that
// finish a dome (core) or a bowl (cavity) between two angles.
#pragma once

#include <vector>

enum SphereForm { kSphereCore = 0, kSphereCavity = 1 };

struct SimpleSphereShape {
  int form = kSphereCore;
  double radius = 0.0;
  double allowance = 0.0;
  double startAngle = 0.0;  // degrees
  double endAngle = 90.0;
  double stepover = 0.0;  // along the sphere's great circle
  int toolType = 2;       // 1 flat, 2 ball, 3 corner radius
  double toolDiameter = 0.0;
  double cornerRadius = 0.0;
  double centreZ = 0.0;
};

// The circle of one angle step: its radius round the centre's axis and the Z of the tool tip.
struct SphereToolCircle {
  double radius = 0.0;
  double z = 0.0;
};

// Angle steps over the span; the step comes back evened out. 0 for an empty span.
int SphereAngleSteps(const SimpleSphereShape& shape, double& step);
// Circles in cutting order (top first for the core, rim first for the cavity);
// those that close up to nothing are left out.
std::vector<SphereToolCircle> SphereToolCircles(const SimpleSphereShape& shape);
