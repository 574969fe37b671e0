#include "platform/classlib/message_map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CBaseTarget : public CCmdTarget {
 public:
  std::vector<std::string> log;

 protected:
  void OnFirst() { log.push_back("base first"); }
  void OnSecond() { log.push_back("base second"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CCmdTarget)
ON_COMMAND(100, &CBaseTarget::OnFirst)
ON_COMMAND(101, &CBaseTarget::OnSecond)
END_MESSAGE_MAP()

class CDerivedTarget : public CBaseTarget {
 protected:
  void OnFirst() { log.push_back("derived first"); }
  void OnChange() { log.push_back("change"); }
  void OnRange(UINT id) { log.push_back("range " + std::to_string(id)); }
  void OnClickList(NMHDR* header, LRESULT* result) {
    log.push_back("click " + std::to_string(header->idFrom));
    *result = 7;
  }
  void OnUpdateSecond(CCmdUI* cmd_ui) { cmd_ui->SetCheck(1); }
  void OnUpdatePassOn(CCmdUI* cmd_ui) { cmd_ui->ContinueRouting(); }
  BOOL OnMaybe(UINT id) { return id == 400; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
ON_COMMAND(100, &CDerivedTarget::OnFirst)
ON_EN_CHANGE(100, &CDerivedTarget::OnChange)
ON_COMMAND_RANGE(200, 209, &CDerivedTarget::OnRange)
ON_NOTIFY(NM_CLICK, 300, &CDerivedTarget::OnClickList)
ON_UPDATE_COMMAND_UI(101, &CDerivedTarget::OnUpdateSecond)
ON_UPDATE_COMMAND_UI(102, &CDerivedTarget::OnUpdatePassOn)
ON_COMMAND_EX(400, &CDerivedTarget::OnMaybe)
ON_COMMAND_EX(401, &CDerivedTarget::OnMaybe)
END_MESSAGE_MAP()

TEST(MessageMap, MostDerivedHandlerWinsThenTheBases) {
  CDerivedTarget target;
  EXPECT_TRUE(target.OnCmdMsg(100, CN_COMMAND, nullptr, nullptr));
  EXPECT_TRUE(target.OnCmdMsg(101, BN_CLICKED, nullptr, nullptr));  // a click is a command
  EXPECT_TRUE(target.OnCmdMsg(100, EN_CHANGE, nullptr, nullptr));
  EXPECT_FALSE(target.OnCmdMsg(100, EN_KILLFOCUS, nullptr, nullptr));
  EXPECT_FALSE(target.OnCmdMsg(999, CN_COMMAND, nullptr, nullptr));
  EXPECT_EQ(target.log, (std::vector<std::string>{"derived first", "base second", "change"}));
}

TEST(MessageMap, RangesNotificationsAndCommandEx) {
  CDerivedTarget target;
  EXPECT_TRUE(target.OnCmdMsg(205, CN_COMMAND, nullptr, nullptr));
  EXPECT_FALSE(target.OnCmdMsg(210, CN_COMMAND, nullptr, nullptr));
  NMHDR header{nullptr, 300, NM_CLICK};
  LRESULT result = 0;
  AFX_NOTIFY notify{&result, &header};
  EXPECT_TRUE(target.OnCmdMsg(300, CCmdTarget::NotifyCode(NM_CLICK), &notify, nullptr));
  EXPECT_EQ(result, 7);
  EXPECT_FALSE(target.OnCmdMsg(300, CCmdTarget::NotifyCode(NM_DBLCLK), &notify, nullptr));
  EXPECT_TRUE(target.OnCmdMsg(400, CN_COMMAND, nullptr, nullptr));
  EXPECT_FALSE(target.OnCmdMsg(401, CN_COMMAND, nullptr, nullptr));
  EXPECT_EQ(target.log, (std::vector<std::string>{"range 205", "click 300"}));
}

TEST(MessageMap, UpdateHandlersAndCommandsWithoutOne) {
  CDerivedTarget target;
  CCmdUI with_handler;
  with_handler.m_nID = 101;
  EXPECT_TRUE(with_handler.DoUpdate(&target, TRUE));
  EXPECT_EQ(with_handler.m_nCheck, 1);
  EXPECT_TRUE(with_handler.m_bEnabled);

  CCmdUI passed_on;
  passed_on.m_nID = 102;
  EXPECT_FALSE(passed_on.DoUpdate(&target, FALSE));

  CCmdUI command_only;  // a command handler keeps the command enabled
  command_only.m_nID = 100;
  command_only.DoUpdate(&target, TRUE);
  EXPECT_TRUE(command_only.m_bEnabled);

  CCmdUI orphan;  // nobody handles 555: disabled
  orphan.m_nID = 555;
  orphan.DoUpdate(&target, TRUE);
  EXPECT_FALSE(orphan.m_bEnabled);
  EXPECT_TRUE(target.log.empty());
}

}  // namespace
