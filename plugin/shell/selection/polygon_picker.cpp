#include "plugin/shell/selection/polygon_picker.h"

#include "platform/cad/editor/graphics/aced_graphics.h"
#include "platform/cad/editor/input/aced_input.h"
#include "plugin/shell/prompt.h"

namespace {

// Complementing ink: drawing a segment a second time takes it off the screen.
constexpr int kComplementColor = -1;

void DrawSegment(const AcGePoint3d& from, const AcGePoint3d& to) {
  const ads_point start = {from.x, from.y, from.z};
  const ads_point end = {to.x, to.y, to.z};
  acedGrDraw(start, end, kComplementColor, 0);
}

}  // namespace

int AskPolygonPoints(CPointPrompt& prompt, AcGePoint3dArray& points) {
  int answer = CPointPrompt::kCancelled;
  while ((answer = prompt.Go()) == CPointPrompt::kPoint) {
    points.append(prompt.Value());
    const int count = points.length();
    if (count >= 2) DrawSegment(points[count - 2], points[count - 1]);
    prompt.SetBasePoint(prompt.Value());
  }
  for (int i = 1; i < points.length(); ++i) DrawSegment(points[i - 1], points[i]);
  return answer;
}

int PickPolygonPoints(AcGePoint3dArray& points) {
  CPointPrompt prompt("Point", "");
  prompt.SetAllowEmpty(1);
  AskPolygonPoints(prompt, points);
  if (points.length() < 2) {
    acutPrintf("\nThere must be at least 2 points.");
    return 3;
  }
  return 0;
}

resbuf* PointsToResbufChain(const AcGePoint3dArray& points) {
  resbuf* head = nullptr;
  resbuf* tail = nullptr;
  for (int i = 0; i < points.length(); ++i) {
    resbuf* item = acutNewRb(RT3DPOINT);
    if (item == nullptr) {
      acutRelRb(head);
      return nullptr;
    }
    item->resval.rpoint[0] = points[i].x;
    item->resval.rpoint[1] = points[i].y;
    item->resval.rpoint[2] = points[i].z;
    (tail != nullptr ? tail->rbnext : head) = item;
    tail = item;
  }
  return head;
}
