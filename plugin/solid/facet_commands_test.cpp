#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cad/db/entities/db_line.h"
#include "platform/cad/db/runtime/rx_class.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "plugin/shell/opened_object.h"
#include "plugin/shell/settings/message_table.h"
#include "plugin/shell/shell_session_test.h"
#include "plugin/solid/face_picker.h"
#include "plugin/solid/facet_settings_reactor.h"
#include "plugin/solid/ost_custom_draw_entity.h"
#include "plugin/solid/solid_commands.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// The live entities of model space, by their DXF names.
std::vector<std::string> ModelSpaceKinds(AcDbDatabase& db) {
  std::vector<std::string> kinds;
  OpenedObject<AcDbBlockTableRecord> space(db.currentSpaceId(), AcDb::kForRead);
  for (AcDbObjectId id : space->entityIds()) {
    OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    if (entity.openStatus() == Acad::eOk) kinds.emplace_back(entity->isA()->dxfName());
  }
  return kinds;
}

// A session with the plug-in's facet parts loaded as the load sequence loads them.
class FacetSession : public ShellSession {
 public:
  explicit FacetSession(const std::string& script) : ShellSession(script) {
    LoadMessageTable();
    OstCustomDrawEntity::rxInit();
    acrxBuildClassHierarchy();
    CreateFacetSettingsReactor();
  }
  ~FacetSession() { RemoveFacetSettingsReactor(); }

  FacetSettingsNode& settings() { return *FacetSettingsReactor()->Current(); }

  AcDbObjectId addBox() {
    auto* box = new AcDb3dSolid();
    box->createBox(40.0, 20.0, 10.0);
    return add(box);
  }
};

TEST(FacetSettings, ColourAndDeviationOutsideTheirLimitsAreRefusedAndTheLimitsThemselvesTaken) {
  FacetSession session("0\n257\n256\n\n1\n0.0049\n0.1001\n0.005\n0.1\n");
  EXPECT_EQ(session.settings().colorIndex, 1);
  EXPECT_EQ(session.settings().deviation, 0.1);
  SetColorIndexCommand();
  SetColorIndexCommand();
  EXPECT_EQ(session.settings().colorIndex, 1);
  SetColorIndexCommand();
  EXPECT_EQ(session.settings().colorIndex, 256);
  SetColorIndexCommand();  // Enter keeps it
  EXPECT_EQ(session.settings().colorIndex, 256);
  SetColorIndexCommand();
  EXPECT_EQ(session.settings().colorIndex, 1);
  SetDeviationCommand();
  SetDeviationCommand();
  EXPECT_EQ(session.settings().deviation, 0.1);
  SetDeviationCommand();
  EXPECT_EQ(session.settings().deviation, 0.005);
  SetDeviationCommand();
  EXPECT_EQ(session.settings().deviation, 0.1);
  const std::string shown = session.transcript();
  EXPECT_TRUE(Contains(shown, "Enter color index[1]: 0")) << shown;
  EXPECT_TRUE(Contains(shown, "Enter color index[256]: ")) << shown;
  EXPECT_TRUE(Contains(shown, "Enter facet deviation[0.100000]: ")) << shown;
  EXPECT_EQ(Count(shown, "Color index must be between 1-256"), 2u) << shown;
  EXPECT_EQ(Count(shown, "Unacceptable value(0.005 <= Facet Deviation <= 0.1)"), 2u) << shown;
}

TEST(FacetSettings, EachDrawingKeepsItsOwnSettingsAsDrawingsOpenSwitchAndClose) {
  FacetSession session("7\n0.05\n");
  AcApDocManager& documents = session.host().documents();
  AcApDocument* first = documents.curDocument();
  session.settings().colorIndex = 3;
  AcApDocument* second = documents.appendDocument(std::make_unique<AcDbDatabase>(), "");
  EXPECT_EQ(session.settings().colorIndex, 1);  // a new drawing starts from the defaults
  SetColorIndexCommand();
  SetDeviationCommand();
  AcApDocument* third = documents.appendDocument(std::make_unique<AcDbDatabase>(), "");
  EXPECT_EQ(FacetSettingsReactor()->NodeCount(), 3);
  documents.setCurDocument(second);
  EXPECT_EQ(session.settings().colorIndex, 7);
  EXPECT_EQ(session.settings().deviation, 0.05);
  documents.setCurDocument(first);
  EXPECT_EQ(session.settings().colorIndex, 3);
  // Closing another drawing leaves the current one's settings current.
  documents.closeDocument(third);
  EXPECT_EQ(FacetSettingsReactor()->NodeCount(), 2);
  EXPECT_EQ(session.settings().colorIndex, 3);
  // Closing the current one makes the drawing that follows current, with its own.
  documents.setCurDocument(second);
  documents.closeDocument(second);
  EXPECT_EQ(documents.curDocument(), first);
  EXPECT_EQ(session.settings().colorIndex, 3);
  EXPECT_EQ(session.settings().deviation, 0.1);
  EXPECT_EQ(FacetSettingsReactor()->NodeCount(), 1);
}

TEST(FacetSettings, UnloadRemovesTheReactorFromTheDocumentManager) {
  ShellSession session;
  CreateFacetSettingsReactor();
  ASSERT_NE(FacetSettingsReactor(), nullptr);
  EXPECT_EQ(session.host().documents().reactors().size(), 1u);
  RemoveFacetSettingsReactor();
  EXPECT_EQ(FacetSettingsReactor(), nullptr);
  EXPECT_TRUE(session.host().documents().reactors().empty());
  // Drawings that come later reach nothing that is gone.
  session.host().documents().appendDocument(std::make_unique<AcDbDatabase>(), "");
}

TEST(FacetFaces, APickedFaceBecomesAFacetEntityInTheColourSetAndThePostedFaceIsErased) {
  // A pick on the outline offers the side face along the edge first, then the
  // top face, taken with Enter; then a selection of nothing ends the command.
  FacetSession session("5\n19,0\n\nNo\n\n\n");
  session.addBox();
  SetColorIndexCommand();
  FacetFacesCommand();
  EXPECT_EQ(ModelSpaceKinds(session.db()), (std::vector<std::string>{"3DSOLID", "OST_CUSTOM_DRAW_ENTITY"}));
  OpenedObject<AcDbBlockTableRecord> space(session.db().currentSpaceId(), AcDb::kForRead);
  OpenedObject<OstCustomDrawEntity> facets(space->entityIds().back(), AcDb::kForRead);
  ASSERT_EQ(facets.openStatus(), Acad::eOk);
  const FacetShell& shell = facets->shell();
  EXPECT_EQ(shell.FaceCount(), 2);
  EXPECT_EQ(shell.faceColors, (std::vector<short>{5, 5}));
  for (const AcGePoint3d& v : shell.vertices) EXPECT_DOUBLE_EQ(v.z, 5.0);
  EXPECT_TRUE(Contains(session.transcript(), "Is this the face <Yes>/No: ")) << session.transcript();
  EXPECT_TRUE(Contains(session.transcript(), "CustomWorldGeometry::shell")) << session.transcript();
}

TEST(PickFace, CancelAtTheQuestionEndsWith123AndPostsNothing) {
  FacetSession session("19,0\n\n^C\n19,0\n\nNo\nNo\nYes\n");
  session.addBox();
  AcDbObjectId faceId;
  EXPECT_EQ(PickFace(faceId), kPickFaceEnded);
  EXPECT_TRUE(faceId.isNull());
  EXPECT_EQ(ModelSpaceKinds(session.db()), (std::vector<std::string>{"3DSOLID"}));
  // The pick on the outline names the edge: its side face, then the top face,
  // then round again to the side face, which Yes takes.
  EXPECT_EQ(PickFace(faceId), 0) << session.transcript();
  EXPECT_EQ(ModelSpaceKinds(session.db()), (std::vector<std::string>{"3DSOLID", "REGION"}));
  OpenedObject<AcDbEntity> face(faceId, AcDb::kForRead);
  ASSERT_EQ(face.openStatus(), Acad::eOk);
  AcDbExtents extents;
  ASSERT_EQ(face->getGeomExtents(extents), Acad::eOk);
  EXPECT_NEAR(extents.minPoint().x, 20.0, 1e-9);
  EXPECT_NEAR(extents.maxPoint().x, 20.0, 1e-9);
}

TEST(PickFace, NothingSelectedOrAnEntityWithoutFacesEndsTheCommand) {
  FacetSession session("\n50,50\n\n");
  session.addBox();
  session.add(new AcDbLine(AcGePoint3d(40, 50, 0), AcGePoint3d(60, 50, 0)));
  AcDbObjectId faceId;
  EXPECT_EQ(PickFace(faceId), kPickFaceEnded);
  FacetFacesCommand();
  EXPECT_TRUE(Contains(session.transcript(), "Failed: Errorcode for gsMarkerToSubentIds() is: "))
      << session.transcript();
  EXPECT_EQ(ModelSpaceKinds(session.db()), (std::vector<std::string>{"3DSOLID", "LINE"}));
}

}  // namespace
