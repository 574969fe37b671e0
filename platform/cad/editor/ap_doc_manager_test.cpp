#include "platform/cad/editor/ap_doc_manager.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/cad/db/db_host_services.h"

namespace {

class Recorder : public AcApDocManagerReactor {
 public:
  void documentCreated(AcApDocument* doc) override { events.push_back(std::string("created ") + doc->docTitle()); }
  void documentToBeDestroyed(AcApDocument* doc) override {
    events.push_back(std::string("closing ") + doc->docTitle());
  }
  void documentBecameCurrent(AcApDocument* doc) override {
    events.push_back(std::string("current ") + doc->docTitle());
  }
  void documentLockModeChanged(AcApDocument*, AcAp::DocLockMode before, AcAp::DocLockMode after, AcAp::DocLockMode,
                               const char*) override {
    events.push_back("lock " + std::to_string(before) + "->" + std::to_string(after));
  }
  std::vector<std::string> events;
};

std::unique_ptr<AcDbDatabase> NewDrawing() { return std::make_unique<AcDbDatabase>(); }

TEST(DocManager, CurrentDocumentFollowsOpeningAndClosing) {
  Recorder recorder;
  {
    AcApDocManager manager;
    manager.addReactor(&recorder);
    AcApDocument* first = manager.appendDocument(NewDrawing(), "");
    AcApDocument* opened = manager.appendDocument(NewDrawing(), "/tmp/parts/plate.dxf");
    AcApDocument* second = manager.appendDocument(NewDrawing(), "");
    EXPECT_STREQ(first->docTitle(), "Drawing1.dxf");
    EXPECT_STREQ(opened->docTitle(), "plate.dxf");
    EXPECT_STREQ(second->docTitle(), "Drawing2.dxf");
    EXPECT_EQ(manager.curDocument(), second);
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), second->database());
    EXPECT_EQ(manager.document(opened->database()), opened);

    EXPECT_EQ(manager.setCurDocument(first), Acad::eOk);
    EXPECT_EQ(acdbCurDwg(), first->database());
    recorder.events.clear();
    ASSERT_EQ(manager.closeDocument(first), Acad::eOk);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"closing Drawing1.dxf", "current Drawing2.dxf"}));
    EXPECT_EQ(manager.curDocument(), second);
    EXPECT_EQ(acdbCurDwg(), second->database());
    EXPECT_EQ(manager.closeDocument(first), Acad::eInvalidInput);  // closed already

    second->setFileName("/tmp/saved.dxf");
    EXPECT_STREQ(second->docTitle(), "saved.dxf");

    std::unique_ptr<AcApDocumentIterator> it(manager.newAcApDocumentIterator());
    int count = 0;
    for (; !it->done(); it->step()) ++count;
    EXPECT_EQ(count, 2);
    recorder.events.clear();
  }
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"closing saved.dxf", "current plate.dxf", "closing plate.dxf"}));
  EXPECT_EQ(acdbCurDwg(), nullptr);
}

TEST(DocManager, LocksNestAndAReadLockRefusesWriting) {
  Recorder recorder;
  AcApDocManager manager;
  manager.addReactor(&recorder);
  AcApDocument* doc = manager.appendDocument(NewDrawing(), "");
  recorder.events.clear();

  EXPECT_EQ(doc->myLockMode(), AcAp::kNotLocked);
  EXPECT_EQ(manager.lockDocument(doc), Acad::eOk);
  EXPECT_EQ(manager.lockDocument(doc, AcAp::kRead), Acad::eOk);  // reading inside a write lock is fine
  EXPECT_EQ(doc->myLockMode(), AcAp::kWrite);
  EXPECT_EQ(doc->lockCount(), 2);
  EXPECT_FALSE(doc->isQuiescent());
  EXPECT_EQ(manager.lockDocument(doc, AcAp::kWrite), Acad::eLockViolation);
  EXPECT_EQ(manager.unlockDocument(doc), Acad::eOk);
  EXPECT_EQ(manager.unlockDocument(doc), Acad::eOk);
  EXPECT_TRUE(doc->isQuiescent());
  EXPECT_EQ(manager.unlockDocument(doc), Acad::eNotApplicable);
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"lock 2->4", "lock 4->2"}));

  EXPECT_EQ(manager.lockDocument(nullptr), Acad::eNullObjectPointer);
  EXPECT_EQ(manager.lockDocument(doc, AcAp::kNone), Acad::eInvalidInput);
  // A lock guard outliving its document must not touch freed memory.
  EXPECT_EQ(manager.lockDocument(doc), Acad::eOk);
  manager.closeDocument(doc);
  EXPECT_EQ(manager.unlockDocument(doc), Acad::eInvalidInput);
  EXPECT_EQ(curDoc(), nullptr);  // no manager installed
}

TEST(DocManager, AReactorMayLeaveWhileBeingTold) {
  struct Leaver : AcApDocManagerReactor {
    AcApDocManager* manager = nullptr;
    int told = 0;
    void documentBecameCurrent(AcApDocument*) override {
      ++told;
      manager->removeReactor(this);
    }
  };
  Leaver leaver;
  Recorder after;
  AcApDocManager manager;
  leaver.manager = &manager;
  manager.addReactor(&leaver);
  manager.addReactor(&after);
  manager.appendDocument(NewDrawing(), "");
  manager.appendDocument(NewDrawing(), "");
  EXPECT_EQ(leaver.told, 1);
  EXPECT_EQ(after.events.size(), 4u);

  acSetDocManager(&manager);
  EXPECT_EQ(curDoc(), manager.curDocument());
  acSetDocManager(nullptr);
}

}  // namespace
