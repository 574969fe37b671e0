// The walk over one stored toolpath: each entity, read as a copy in the
// current user coordinate system, becomes moves (rapid, cut, arc, drilling
// cycle) and marker events (first position, tool, spindle, pass set) handed to
// a sink. The configurable post and the quick post share it; each brings its
// own sink and its own parameter holders behind ToolpathFeeds.
#pragma once

#include <string>

#include "platform/cad/db/db_object_id.h"
#include "platform/cad/ge/ge_matrix3d.h"
#include "platform/cad/ge/ge_point3d.h"
#include "plugin/post/toolpath_snapshot.h"

struct ToolpathMove {
  int type = 0;  // PostMoveType: rapid, cut, arc or cycle
  AcGePoint3d end;
  AcGePoint3d centre;                     // arcs
  int plane = 0;                          // arcs: 91, 92 or 93
  int feed = 0;                           // cutting moves, arcs and cycles
  double cycleR = 0.0, cycleDepth = 0.0;  // cycles
};

class ToolpathSink {
 public:
  virtual ~ToolpathSink() = default;
  virtual void Move(const ToolpathMove& move) = 0;
  virtual void FirstPosition(const AcGePoint3d& point) = 0;
  virtual void ToolFromInfo(const ToolInfoSnapshot& tool) = 0;
  virtual void ToolNumber(int number) = 0;
  virtual void OffsetNumber(int number) = 0;
  virtual void Spindle(int speed) = 0;
  virtual void PassSet(int set) = 0;
  // The program cannot be written (why says so, in the user's words): nothing
  // more is written and the output is dropped.
  virtual void Refuse(const std::string& why) = 0;
};

// The feeds a toolpath's kind gives to moves that carry none; 0 for none.
class ToolpathFeeds {
 public:
  virtual ~ToolpathFeeds() = default;
  virtual int CutFeed() const = 0;
  virtual int PlungeFeed() const = 0;
};

struct ToolpathWalkOptions {
  int kind = 0;               // ToolpathKind of the toolpath
  bool arcHelix = false;      // helix plunges become arcs
  double chordTolerance = 0;  // solid cut: polyline arcs become chords within it
  std::string toolpathName;   // named when a number cannot be posted
};

class ToolpathTraversal {
 public:
  ToolpathTraversal(ToolpathSink& sink, const ToolpathFeeds& feeds, ToolpathWalkOptions options)
      : sink_(sink), feeds_(feeds), options_(options) {}

  // Walks the entities in stored order from the first point entity on,
  // each read through the matrix into a copy.
  void Walk(const AcDbObjectIdArray& ids, const AcGeMatrix3d& toUcs);

  // One entity; true when it is the rapid of a drilled hole, whose cycle the
  // caller dispatches with the next entity.
  bool Visit(const EntitySnapshot& entity);
  // False, after the sink was told, when the entity holds a number no NC word carries.
  bool Postable(const EntitySnapshot& entity);
  // The cycle at a hole: the rapid's end, R level and depth from the next entity.
  void Hole(const EntitySnapshot& rapid, const EntitySnapshot& next);

 private:
  void Line(const EntitySnapshot& entity);
  bool IsHoleRapid(const EntitySnapshot& entity) const;
  void Arc(const AcGePoint3d& end, const ArcSnapshot& arc, int feed);
  void Polyline(const EntitySnapshot& entity);
  void Chords(const PolylineSegmentSnapshot& segment, int feed);
  void Polyline3d(const EntitySnapshot& entity);
  void Point(const EntitySnapshot& entity);
  void Cut(const AcGePoint3d& end, int feed);
  // A move's own feed, else the kind's, else the last one used.
  int FeedOr(int own, int kindFeed);
  bool IsDrillKind() const;

  // The points of a marked helix plunge: straight moves down the centre and
  // out to the circle, arcs round it, straight moves for whatever else.
  class HelixWalk {
   public:
    HelixWalk(ToolpathTraversal& traversal, int feed);
    void Visit(const AcGePoint3d& point);
    // Writes the arc to the last point held on the circle, if any.
    void Finish();

   private:
    void Line(const AcGePoint3d& point);
    void Hold(const AcGePoint3d& point);
    void Turn(const AcGePoint3d& point);

    ToolpathTraversal& traversal_;
    int feed_;
    int seen_ = 0;
    bool started_ = false;
    AcGePoint3d centre_, start_, written_, held_;
    double radius_ = 0.0;
    bool pending_ = false;
    int sense_ = 0;
    double swept_ = 0.0;
  };

  ToolpathSink& sink_;
  const ToolpathFeeds& feeds_;
  ToolpathWalkOptions options_;
  int feed_ = 0;
  int helixMarker_ = 0;
};

// The plane and direction of an arc seen in the current coordinate system:
// its axis's largest component picks XY, ZX or YZ, and the sign of that
// component counter-clockwise (6) or clockwise (8).
void ArcPlaneAndType(const AcGeVector3d& axis, int& plane, int& type);
