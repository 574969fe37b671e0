#include "platform/cad/editor/aced_command_stack.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/cad/editor/host_services.h"

namespace {

void First() {}
void Second() {}

std::vector<std::string> Walk(const AcEdCommandStack& stack) {
  std::vector<std::string> seen;
  std::unique_ptr<AcEdCommandIterator> it(stack.iterator());
  for (; !it->done(); it->next()) seen.push_back(std::string(it->commandGroup()) + ":" + it->command()->globalName());
  return seen;
}

TEST(CommandStack, FindsCommandsByEitherNameWhateverTheCase) {
  AcEdCommandStack stack;
  ASSERT_EQ(stack.addCommand("Pellam_DLG", "PellamPocket", "Pocket", ACRX_CMD_MODAL, &First), Acad::eOk);
  ASSERT_EQ(stack.addCommand("Pellam_DLG", "ETRANSMIT", "ETRANSMIT", ACRX_CMD_MODAL, &Second), Acad::eOk);

  AcEdCommand* pocket = stack.lookupGlobalCmd("pellampocket");
  ASSERT_NE(pocket, nullptr);
  EXPECT_EQ(pocket->functionAddr(), &First);
  EXPECT_STREQ(pocket->groupName(), "Pellam_DLG");
  EXPECT_EQ(stack.lookupLocalCmd("POCKET"), pocket);
  EXPECT_EQ(stack.lookupGlobalCmd("Pocket"), nullptr);
  EXPECT_EQ(stack.lookupCmd("pocket"), pocket);
  EXPECT_EQ(stack.lookupCmd("PELLAMPOCKET", false), pocket);
  EXPECT_EQ(stack.lookupCmd("etransmit")->functionAddr(), &Second);
  EXPECT_EQ(stack.lookupCmd("_pocket"), nullptr);  // the command line strips prefixes, not the stack
}

TEST(CommandStack, RefusesNamesTakenInAnyGroupAndBadInput) {
  AcEdCommandStack stack;
  ASSERT_EQ(stack.addCommand("ONE", "Alpha", "a", 0, &First), Acad::eOk);
  EXPECT_EQ(stack.addCommand("ONE", "ALPHA", "other", 0, &Second), Acad::eDuplicateKey);
  EXPECT_EQ(stack.addCommand("TWO", "Beta", "A", 0, &Second), Acad::eDuplicateKey);
  // A local name equal to another command's global name would make the command line ambiguous.
  EXPECT_EQ(stack.addCommand("TWO", "Beta", "alpha", 0, &Second), Acad::eDuplicateKey);
  EXPECT_EQ(stack.addCommand("TWO", "", "b", 0, &Second), Acad::eInvalidInput);
  EXPECT_EQ(stack.addCommand("TWO", "Beta", "b", 0, nullptr), Acad::eInvalidInput);
  EXPECT_EQ(stack.groupNames(), std::vector<std::string>{"ONE"});
  EXPECT_EQ(stack.lookupCmd("alpha")->functionAddr(), &First);

  AcEdCommand* made = nullptr;
  EXPECT_EQ(stack.addCommand("TWO", "Beta", "b", 0, &Second, nullptr, 7, nullptr, &made), Acad::eOk);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->functionCode(), 7);
}

TEST(CommandStack, GroupsComeAndGo) {
  AcEdCommandStack stack;
  stack.addCommand("OLD", "Old1", "o1", 0, &First);
  stack.addCommand("OLD", "Old2", "o2", 0, &First);
  stack.addCommand("NEW", "New1", "n1", 0, &Second);
  EXPECT_EQ(Walk(stack), (std::vector<std::string>{"NEW:New1", "OLD:Old1", "OLD:Old2"}));
  EXPECT_EQ(stack.popGroupToTop("old"), Acad::eOk);
  EXPECT_EQ(stack.groupNames(), (std::vector<std::string>{"OLD", "NEW"}));

  // Removing by the command's own strings must not read them after they are gone.
  AcEdCommand* old1 = stack.lookupCmd("old1");
  EXPECT_EQ(stack.removeCmd(old1->groupName(), old1->globalName()), Acad::eOk);
  EXPECT_EQ(stack.removeCmd("OLD", "Old1"), Acad::eKeyNotFound);
  EXPECT_EQ(stack.removeCmd("NONE", "Old2"), Acad::eKeyNotFound);
  EXPECT_EQ(stack.removeGroup("new"), Acad::eOk);
  EXPECT_EQ(stack.removeGroup("NEW"), Acad::eKeyNotFound);
  EXPECT_EQ(stack.lookupCmd("n1"), nullptr);
  // A name freed by a removed group can be registered again.
  EXPECT_EQ(stack.addCommand("AGAIN", "New1", "n1", 0, &First), Acad::eOk);

  const int removed = stack.removeCommandsIf(
      [](AcRxFunctionPtr function, void* context) { return function == reinterpret_cast<AcRxFunctionPtr>(context); },
      reinterpret_cast<void*>(&First));
  EXPECT_EQ(removed, 2);
  EXPECT_TRUE(stack.groupNames().empty());  // emptied groups go with their last command
}

TEST(CommandStack, IsReachedThroughTheSystemRegistryWhileAHostRuns) {
  EXPECT_EQ(acedRegCmds, nullptr);
  {
    cadeditor::HostServices host;
    ASSERT_EQ(acedRegCmds, &host.commands());
    EXPECT_TRUE(acedRegCmds->isKindOf(AcRxObject::desc()));
  }
  EXPECT_EQ(acedRegCmds, nullptr);
}

}  // namespace
