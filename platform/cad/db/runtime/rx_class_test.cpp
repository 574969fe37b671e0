#include <gtest/gtest.h>

#include <string>

#include "platform/cad/db/db_test_support_test.h"

namespace {

std::string gLastAbort;
void recordAbort(const char* message) { gLastAbort = message; }

// Two modules whose classes share a name.
namespace first {
class Clash : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(Clash);
};
ACRX_DXF_DEFINE_MEMBERS(Clash, AcDbObject, 23, 13, 0, CLASH, FirstApp)
}  // namespace first
namespace second {
class Clash : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(Clash);
};
ACRX_DXF_DEFINE_MEMBERS(Clash, AcDbObject, 23, 13, 0, CLASH, SecondApp)
}  // namespace second

class Unloadable : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(Unloadable);
};
ACRX_DXF_DEFINE_MEMBERS(Unloadable, AcDbEntity, 23, 13, 0, UNLOADABLE, Unloader)

TEST(RxClass, BuiltinClassesFormTheHierarchy) {
  EXPECT_STREQ(AcDbGroup::desc()->name(), "AcDbGroup");
  EXPECT_STREQ(AcDbGroup::desc()->dxfName(), "GROUP");
  EXPECT_EQ(AcDbCurve::desc()->myParent(), AcDbEntity::desc());
  EXPECT_TRUE(AcDbBlockTableRecord::desc()->isDerivedFrom(AcDbObject::desc()));
  EXPECT_EQ(AcRxClass::cast(acrxClassDictionary->at("AcDbDictionary")), AcDbDictionary::desc());

  AcDbGroup group;
  EXPECT_TRUE(group.isKindOf(AcDbObject::desc()));
  EXPECT_FALSE(group.isKindOf(AcDbEntity::desc()));
  EXPECT_EQ(AcDbGroup::cast(&group), &group);
  EXPECT_EQ(AcDbEntity::cast(&group), nullptr);
  EXPECT_EQ(AcDbEntity::cast(nullptr), nullptr);
}

TEST(RxClass, CustomClassesRegisterWithTheirFilingData) {
  registerTestClasses();
  AcRxClass* dot = TestDot::desc();
  ASSERT_NE(dot, nullptr);
  EXPECT_STREQ(dot->dxfName(), "TEST_DOT");
  EXPECT_STREQ(dot->appName(), "CadDbTests");
  EXPECT_STREQ(TestLink::desc()->appName(), "CadDbTests");  // given quoted
  int dwgVersion = 0;
  int maintenanceVersion = 0;
  TestLink::desc()->getClassVersion(dwgVersion, maintenanceVersion);
  EXPECT_EQ(dwgVersion, 23);
  EXPECT_EQ(maintenanceVersion, 13);
  EXPECT_EQ(dot->myParent(), AcDbEntity::desc());
  EXPECT_EQ(acrxFindClassByDxfName("test_dot"), dot);

  AcRxObject* made = dot->create();
  EXPECT_NE(TestDot::cast(made), nullptr);
  delete made;

  // Registering again is harmless.
  TestDot::rxInit();
  EXPECT_EQ(TestDot::desc(), dot);
}

TEST(RxClass, AnotherClassUnderATakenNameIsAMismatch) {
  AcRxAbortHandler previous = acrxSetAbortHandler(&recordAbort);
  gLastAbort.clear();
  first::Clash::rxInit();
  EXPECT_TRUE(gLastAbort.empty());
  second::Clash::rxInit();
  EXPECT_EQ(gLastAbort, "Class mismatch");
  EXPECT_EQ(second::Clash::gpDesc, nullptr);
  EXPECT_STREQ(first::Clash::desc()->appName(), "FirstApp");
  acrxSetAbortHandler(previous);
}

TEST(RxClass, DeletedClassesLeaveTheDictionarySafely) {
  Unloadable::rxInit();
  AcRxClass* cached = Unloadable::desc();
  ASSERT_NE(cached, nullptr);
  deleteAcRxClass(cached);
  EXPECT_FALSE(acrxClassDictionary->has("Unloadable"));
  EXPECT_FALSE(cached->isRegistered());
  EXPECT_EQ(cached->create(), nullptr);
  EXPECT_STREQ(cached->name(), "Unloadable");  // still readable
  Unloadable::rxInit();                        // loading again registers anew
  EXPECT_TRUE(acrxClassDictionary->has("Unloadable"));
  EXPECT_NE(Unloadable::desc(), cached);
}

TEST(RxClass, ParentsRegisteredLaterAreLinkedByTheHierarchyBuild) {
  AcRxClass* child = newAcRxClass("LateChild", "LateParent", 0);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->myParent(), nullptr);
  AcRxClass* parent = newAcRxClass("LateParent", "AcDbObject", 0);
  acrxBuildClassHierarchy();
  EXPECT_EQ(child->myParent(), parent);
  EXPECT_TRUE(child->isDerivedFrom(AcDbObject::desc()));
  EXPECT_EQ(newAcRxClass("LateChild", "AcDbObject", 0), nullptr);  // name taken
  deleteAcRxClass(child);
  deleteAcRxClass(parent);
}

TEST(RxDictionary, KeepsEntriesByKey) {
  AcRxDictionary registry;
  AcDbGroup a;
  AcDbGroup b;
  EXPECT_EQ(registry.atPut("Beta", &b), nullptr);
  EXPECT_EQ(registry.atPut("Alpha", &a), nullptr);
  EXPECT_EQ(registry.atPut("Beta", &a), &b);  // the previous object comes back
  EXPECT_EQ(registry.at("Beta"), &a);
  EXPECT_EQ(registry.at("beta"), nullptr);  // case counts
  EXPECT_EQ(registry.numEntries(), 2u);

  std::unique_ptr<AcRxDictionaryIterator> it(registry.newIterator());
  ASSERT_FALSE(it->done());
  EXPECT_STREQ(it->key(), "Alpha");
  it->next();
  EXPECT_STREQ(it->key(), "Beta");
  it->next();
  EXPECT_TRUE(it->done());

  EXPECT_EQ(registry.remove("Alpha"), &a);
  EXPECT_FALSE(registry.has("Alpha"));
  EXPECT_EQ(registry.remove("Alpha"), nullptr);
  EXPECT_NE(acrxSysRegistry()->at(ACRX_CLASS_DICTIONARY), nullptr);
}

}  // namespace
