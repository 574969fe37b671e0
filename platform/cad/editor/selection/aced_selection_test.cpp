#include "platform/cad/editor/selection/aced_selection.h"

#include <gtest/gtest.h>

#include <numbers>
#include <set>

#include "platform/cad/db/entities/db_arc.h"
#include "platform/cad/db/entities/db_block_reference.h"
#include "platform/cad/db/entities/db_circle.h"
#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/entities/db_point.h"
#include "platform/cad/db/entities/db_polyline.h"
#include "platform/cad/editor/aced_sysvars.h"
#include "platform/cad/editor/editor_test_support_test.h"
#include "platform/cad/editor/input/aced_input.h"

namespace {

constexpr double kPi = std::numbers::pi;

AcDbObjectId IdOf(const ads_name name) {
  AcDbObjectId id;
  acdbGetObjectId(id, name);
  return id;
}

std::set<AcDbObjectId> Members(const ads_name ss) {
  std::set<AcDbObjectId> ids;
  long length = 0;
  acedSSLength(ss, &length);
  for (long i = 0; i < length; ++i) {
    ads_name entity;
    acedSSName(ss, i, entity);
    ids.insert(IdOf(entity));
  }
  return ids;
}

AcDbPolyline* Pline(std::initializer_list<std::pair<AcGePoint2d, double>> vertices) {
  auto* pline = new AcDbPolyline();
  unsigned int i = 0;
  for (const auto& [point, bulge] : vertices) pline->addVertexAt(i++, point, bulge);
  return pline;
}

// Shapes around the window (0,0)-(10,10).
struct WindowScene {
  EditorSession session;
  AcDbObjectId inside_line, crossing_line, bulging_arc, inside_arc, outside_circle, bulging_pline, around_circle;
  WindowScene() {
    inside_line = session.add(new AcDbLine({1, 1, 0}, {9, 9, 0}));
    crossing_line = session.add(new AcDbLine({-5, 5, 0}, {15, 5, 0}));  // no end inside
    bulging_arc = session.add(new AcDbArc({5, 8, 0}, 3.0, 0.0, kPi));   // top reaches y = 11
    inside_arc = session.add(new AcDbArc({5, 5, 0}, 3.0, kPi, 2 * kPi));
    outside_circle = session.add(new AcDbCircle({20, 20, 0}, AcGeVector3d::kZAxis, 2.0));
    bulging_pline = session.add(Pline({{{2, 1}, 1.0}, {{8, 1}, 0.0}}));  // half circle dips to y = -2
    around_circle = session.add(new AcDbCircle({5, 5, 0}, AcGeVector3d::kZAxis, 50.0));
  }
};

TEST(Selection, WindowTakesWhatLiesWhollyInsideAndCrossingWhatTouches) {
  WindowScene scene;
  const ads_point a = {0, 0, 0}, b = {10, 10, 0};
  ads_name window, crossing;
  ASSERT_EQ(acedSSGet("_W", a, b, nullptr, window), RTNORM);
  EXPECT_EQ(Members(window), (std::set{scene.inside_line, scene.inside_arc}));
  ASSERT_EQ(acedSSGet("C", b, a, nullptr, crossing), RTNORM);
  EXPECT_EQ(Members(crossing), (std::set{scene.inside_line, scene.crossing_line, scene.bulging_arc, scene.inside_arc,
                                         scene.bulging_pline}));
  const ads_point far1 = {100, 100, 0}, far2 = {110, 110, 0};
  ads_name none;
  EXPECT_EQ(acedSSGet("_W", far1, far2, nullptr, none), RTERROR);
}

TEST(Selection, PolygonsWorkLikeWindowsOfAnyShape) {
  WindowScene scene;
  // A triangle above y = 1.5 holding both arcs but only part of the inside line.
  resbuf p3{nullptr, RT3DPOINT, {}}, p2{&p3, RT3DPOINT, {}}, p1{&p2, RT3DPOINT, {}};
  const double corners[3][3] = {{-1, 1.5, 0}, {11, 1.5, 0}, {5, 30, 0}};
  resbuf* rbs[3] = {&p1, &p2, &p3};
  for (int i = 0; i < 3; ++i) {
    for (int k = 0; k < 3; ++k) rbs[i]->resval.rpoint[k] = corners[i][k];
  }
  ads_name window, crossing;
  ASSERT_EQ(acedSSGet("_WP", &p1, nullptr, nullptr, window), RTNORM);
  EXPECT_EQ(Members(window), (std::set{scene.bulging_arc, scene.inside_arc}));
  ASSERT_EQ(acedSSGet("_CP", &p1, nullptr, nullptr, crossing), RTNORM);
  EXPECT_EQ(Members(crossing), (std::set{scene.inside_line, scene.crossing_line, scene.bulging_arc, scene.inside_arc}));
}

TEST(Selection, PickTakesTheNearestShownEntityWithinPickboxAndTiesTheNewest) {
  EditorSession session("5,0.5\n5,0.3\n5,3\n\n");
  const AcDbObjectId older = session.add(new AcDbLine({0, 0, 0}, {10, 0, 0}));
  const AcDbObjectId newer = session.add(new AcDbLine({0, 1, 0}, {10, 1, 0}));
  const AcDbObjectId hidden_layer = session.addLayer("HIDDEN", true);
  auto* hidden = new AcDbLine({0, 0.5, 0}, {10, 0.5, 0});
  hidden->setLayer(hidden_layer);
  session.add(hidden);
  resbuf pickbox{nullptr, RTSHORT, {}};
  pickbox.resval.rint = 1;
  ASSERT_EQ(acedSetVar("PICKBOX", &pickbox), RTNORM);
  ads_name picked;
  ads_point where;
  ASSERT_EQ(acedEntSel("\nSelect: ", picked, where), RTNORM);
  EXPECT_EQ(IdOf(picked), newer);  // both lines half a unit away
  ASSERT_EQ(acedEntSel("\nSelect: ", picked, where), RTNORM);
  EXPECT_EQ(IdOf(picked), older);                               // nearer, though the newer one is within reach too
  EXPECT_EQ(acedEntSel("\nSelect: ", picked, where), RTERROR);  // 2 units away
  resbuf why{nullptr, RTSHORT, {}};
  ASSERT_EQ(acedGetVar("ERRNO", &why), RTNORM);
  EXPECT_EQ(why.resval.rint, 7);
  EXPECT_EQ(acedEntSel("\nSelect: ", picked, where), RTERROR);  // an empty answer
  ASSERT_EQ(acedGetVar("ERRNO", &why), RTNORM);
  EXPECT_EQ(why.resval.rint, 52);
}

// Two circles that overlap, the newer over the older: every way of picking
// takes the outline nearest the point, not the newest within reach.
TEST(Selection, PicksBetweenOverlappingCirclesTakeTheNearerOutline) {
  EditorSession session("4.8,0\n\n4.3,0\n\n4.8,0\n4.5,0\n");
  const AcDbObjectId older = session.add(new AcDbCircle({0, 0, 0}, AcGeVector3d::kZAxis, 5.0));  // through 5,0
  const AcDbObjectId newer = session.add(new AcDbCircle({8, 0, 0}, AcGeVector3d::kZAxis, 4.0));  // through 4,0
  resbuf pickbox{nullptr, RTSHORT, {}};
  pickbox.resval.rint = 3;
  ASSERT_EQ(acedSetVar("PICKBOX", &pickbox), RTNORM);
  ads_name set;
  ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, set), RTNORM);
  EXPECT_EQ(Members(set), (std::set{older}));
  acedSSFree(set);
  ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, set), RTNORM);
  EXPECT_EQ(Members(set), (std::set{newer}));
  acedSSFree(set);
  const ads_point at = {4.8, 0, 0};
  ASSERT_EQ(acedSSGet(nullptr, at, nullptr, nullptr, set), RTNORM);
  EXPECT_EQ(Members(set), (std::set{older}));
  acedSSFree(set);
  ads_name picked;
  ads_point where;
  ads_matrix xform;
  ASSERT_EQ(acedNEntSelP(nullptr, picked, where, 0, xform, nullptr), RTNORM);
  EXPECT_EQ(IdOf(picked), older);
  ASSERT_EQ(acedEntSel(nullptr, picked, where), RTNORM);
  EXPECT_EQ(IdOf(picked), newer);  // half a unit from both
}

TEST(Selection, AHandleNamesAnEntityDirectly) {
  char handle[32];
  {  // a new drawing hands out the same handles
    EditorSession probe;
    probe.add(new AcDbLine({0, 0, 0}, {1, 0, 0})).handle().getIntoAsciiBuffer(handle);
  }
  EditorSession session(std::string("#") + handle + "\n#FFFF\n");
  const AcDbObjectId target = session.add(new AcDbLine({0, 0, 0}, {1, 0, 0}));
  ads_name picked;
  ads_point where;
  ASSERT_EQ(acedEntSel(nullptr, picked, where), RTNORM);
  EXPECT_EQ(IdOf(picked), target);
  EXPECT_EQ(acedEntSel(nullptr, picked, where), RTERROR);
}

TEST(Selection, FiltersMatchTypesLayersAndColours) {
  EditorSession session;
  session.addLayer("CUT-1", false);
  auto* red_line = new AcDbLine({0, 0, 0}, {1, 0, 0});
  red_line->setColorIndex(1);
  red_line->setLayer("CUT-1");
  const AcDbObjectId red = session.add(red_line);
  const AcDbObjectId circle = session.add(new AcDbCircle({0, 0, 0}, AcGeVector3d::kZAxis, 1.0));
  session.add(new AcDbPoint({0, 0, 0}));
  resbuf types{nullptr, 0, {}};
  types.resval.rstring = const_cast<char*>("LINE,ARC,CIRCLE,ELLIPSE,SPLINE,LWPOLYLINE");
  ads_name ss;
  ASSERT_EQ(acedSSGet("_X", nullptr, nullptr, &types, ss), RTNORM);
  EXPECT_EQ(Members(ss), (std::set{red, circle}));
  resbuf color{nullptr, 62, {}};
  color.resval.rint = 1;
  resbuf layer{&color, 8, {}};
  layer.resval.rstring = const_cast<char*>("cut-#");
  ASSERT_EQ(acedSSGet("X", nullptr, nullptr, &layer, ss), RTNORM);
  EXPECT_EQ(Members(ss), (std::set{red}));
  layer.resval.rstring = const_cast<char*>("~CUT*");
  EXPECT_EQ(acedSSGet("X", nullptr, nullptr, &layer, ss), RTERROR);
  resbuf unknown{nullptr, 39, {}};
  EXPECT_EQ(acedSSGet("X", nullptr, nullptr, &unknown, ss), RTERROR);
}

TEST(Selection, InteractiveLinesAddRemoveAndReport) {
  EditorSession session("W 0,0 10,10\nC 0,0 10,10\nR\n5,5\nbogus\n");
  const AcDbObjectId inside = session.add(new AcDbLine({1, 1, 0}, {9, 9, 0}));
  const AcDbObjectId across = session.add(new AcDbLine({-5, 5, 0}, {15, 5, 0}));
  ads_name ss;
  EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTERROR);  // stopped by "bogus"
  EXPECT_EQ(session.transcript(),
            "Select objects: W 0,0 10,10\n1 found\n"
            "Select objects: C 0,0 10,10\n2 found (1 duplicate), 2 total\n"
            "Select objects: R\n"
            "Remove objects: 5,5\n1 found, 1 removed, 1 total\n"
            "Remove objects: bogus\nscript line 5: *Invalid selection*\n");
  EditorSession terminal_like("ALL\n\nP\n\nL\n\n");
  const AcDbObjectId first = terminal_like.add(new AcDbLine({0, 0, 0}, {1, 0, 0}));
  const AcDbObjectId last = terminal_like.add(new AcDbLine({0, 1, 0}, {1, 1, 0}));
  ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTNORM) << terminal_like.transcript();
  EXPECT_EQ(Members(ss), (std::set{first, last}));
  ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTNORM);
  EXPECT_EQ(Members(ss), (std::set{first, last}));
  ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTNORM);
  EXPECT_EQ(Members(ss), (std::set{last}));
  (void)inside;
  (void)across;
}

TEST(Selection, KeywordsAndCancelEndASelection) {
  EditorSession session("o\n^C\n");
  ads_name ss;
  acedInitGet(RSG_NONULL, "Other O");
  EXPECT_EQ(acedSSGet(":E", nullptr, nullptr, nullptr, ss), RTKWORD);
  EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTCAN);
  EXPECT_EQ(cadeditor::OpenSelectionSetCount(), 0);
}

TEST(Selection, SetsAreEditedByNameAndDieWhenFreed) {
  EditorSession session;
  const AcDbObjectId a = session.add(new AcDbLine({0, 0, 0}, {1, 0, 0}));
  const AcDbObjectId b = session.add(new AcDbLine({0, 1, 0}, {1, 1, 0}));
  ads_name name_a, name_b, ss, same;
  acdbGetAdsName(name_a, a);
  acdbGetAdsName(name_b, b);
  ASSERT_EQ(acedSSAdd(nullptr, nullptr, ss), RTNORM);
  ASSERT_EQ(acedSSAdd(name_a, ss, same), RTNORM);
  ASSERT_EQ(acedSSAdd(name_b, ss, same), RTNORM);
  ASSERT_EQ(acedSSAdd(name_a, ss, same), RTNORM);  // already there
  long length = 0;
  acedSSLength(ss, &length);
  EXPECT_EQ(length, 2);
  EXPECT_EQ(acedSSDel(name_a, ss), RTNORM);
  EXPECT_EQ(acedSSDel(name_a, ss), RTERROR);
  EXPECT_EQ(acedSSMemb(name_b, ss), RTNORM);
  ads_name first;
  ASSERT_EQ(acedSSName(ss, 0, first), RTNORM);
  EXPECT_EQ(IdOf(first), b);
  EXPECT_EQ(acedSSName(ss, 1, first), RTERROR);
  EXPECT_EQ(acedSSAdd(ss, ss, same), RTERROR);  // a set is no entity
  ASSERT_EQ(acedSSFree(ss), RTNORM);
  EXPECT_EQ(acedSSFree(ss), RTERROR);
  EXPECT_EQ(acedSSLength(ss, &length), RTERROR);
  EXPECT_EQ(acedSSName(ss, 0, first), RTERROR);
  const ads_name stranger = {12345, 0};
  EXPECT_EQ(acedSSLength(stranger, &length), RTERROR);
}

TEST(Selection, NameXTellsHowEachEntityCame) {
  EditorSession session("5,0\nW -1,-1 11,11\n\n");
  const AcDbObjectId line = session.add(new AcDbLine({0, 0, 0}, {10, 0, 0}));
  const AcDbObjectId dot = session.add(new AcDbPoint({3, 3, 0}));
  ads_name ss;
  ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTNORM);
  resbuf* list = nullptr;
  ASSERT_EQ(acedSSNameX(&list, ss, 0), RTNORM);
  // (1 <line> 0 (0 (5 0 0)))
  std::vector<int> types;
  for (const resbuf* rb = list; rb != nullptr; rb = rb->rbnext) types.push_back(rb->restype);
  EXPECT_EQ(types, (std::vector<int>{RTLB, RTSHORT, RTENAME, RTLONG, RTLB, RTSHORT, RT3DPOINT, RTLE, RTLE}));
  EXPECT_EQ(list->rbnext->resval.rint, 1);
  EXPECT_EQ(IdOf(list->rbnext->rbnext->resval.rlname), line);
  EXPECT_DOUBLE_EQ(list->rbnext->rbnext->rbnext->rbnext->rbnext->rbnext->resval.rpoint[0], 5.0);
  acutRelRb(list);
  ASSERT_EQ(acedSSNameX(&list, ss, -1), RTNORM);  // both: the window added only the point
  int lists = 0;
  const resbuf* second = nullptr;
  for (const resbuf* rb = list; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == RTLB && rb->rbnext->restype == RTSHORT && rb->rbnext->rbnext->restype == RTENAME) {
      ++lists;
      second = rb;
    }
  }
  EXPECT_EQ(lists, 2);
  EXPECT_EQ(second->rbnext->resval.rint, 2);
  EXPECT_EQ(IdOf(second->rbnext->rbnext->resval.rlname), dot);
  acutRelRb(list);
  EXPECT_EQ(acedSSNameX(&list, ss, 2), RTERROR);
}

TEST(Selection, NestedPickFindsTheEntityInsideABlock) {
  EditorSession session;
  AcDbBlockTable* table = nullptr;
  session.db().getBlockTable(table, AcDb::kForWrite);
  auto* block = new AcDbBlockTableRecord();
  block->setName("MARK");
  AcDbObjectId block_id;
  table->add(block_id, block);
  table->close();
  auto* part = new AcDbLine({0, 0, 0}, {1, 0, 0});
  AcDbObjectId part_id;
  block->appendAcDbEntity(part_id, part);
  part->close();
  block->close();
  const AcDbObjectId reference = session.add(new AcDbBlockReference({100, 0, 0}, block_id));
  ads_name picked;
  ads_point where = {100.5, 0, 0};
  ads_matrix xform;
  resbuf* containers = nullptr;
  ASSERT_EQ(acedNEntSelP(nullptr, picked, where, 1, xform, &containers), RTNORM);
  EXPECT_EQ(IdOf(picked), part_id);
  EXPECT_DOUBLE_EQ(xform[0][3], 100.0);
  ASSERT_NE(containers, nullptr);
  EXPECT_EQ(IdOf(containers->resval.rlname), reference);
  EXPECT_EQ(containers->rbnext, nullptr);
  acutRelRb(containers);
}

}  // namespace

namespace {

TEST(Selection, MembersKeepTheirOrderAsOthersLeave) {
  EditorSession session;
  std::vector<AcDbObjectId> ids;
  ads_name ss, same, name;
  acedSSAdd(nullptr, nullptr, ss);
  for (int i = 0; i < 9; ++i) {
    ids.push_back(session.add(new AcDbLine({0, double(i), 0}, {1, double(i), 0})));
    acdbGetAdsName(name, ids.back());
    acedSSAdd(name, ss, same);
  }
  for (const int gone : {0, 4, 5, 8}) {
    acdbGetAdsName(name, ids[gone]);
    ASSERT_EQ(acedSSDel(name, ss), RTNORM);
  }
  std::vector<AcDbObjectId> left;
  for (long i = 0; acedSSName(ss, i, name) == RTNORM; ++i) left.push_back(IdOf(name));
  EXPECT_EQ(left, (std::vector{ids[1], ids[2], ids[3], ids[6], ids[7]}));
}

}  // namespace
