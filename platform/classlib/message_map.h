// Message maps in the class library's shape:
//
//   class CMyDlg : public CDialog { ... DECLARE_MESSAGE_MAP() };
//
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//     ON_BN_CLICKED(592, &CMyDlg::OnNames)
//     ON_NOTIFY(NM_DBLCLK, 313, &CMyDlg::OnDblclkList)
//   END_MESSAGE_MAP()
//
// Handlers are named with their class (&CMyDlg::OnNames); their signature is
// checked when the map compiles.
#pragma once

#include <type_traits>

#include "platform/classlib/cmdtarget.h"

// Marks message handlers; it expands to nothing.
#define afx_msg

namespace afx {

template <class T>
struct MemberOf;
template <class C, class R, class... A>
struct MemberOf<R (C::*)(A...)> {
  using Class = C;
};

template <class Self, auto Fn>
constexpr void CheckHandler() {
  using Owner = typename MemberOf<decltype(Fn)>::Class;
  static_assert(std::is_base_of_v<Owner, Self>, "the handler belongs to another class");
}

// void OnSomething()
template <class Self, auto Fn>
BOOL CommandThunk(CCmdTarget& target, MessageArgs&) {
  CheckHandler<Self, Fn>();
  static_assert(std::is_same_v<decltype(Fn), void (MemberOf<decltype(Fn)>::Class::*)()>,
                "command handlers are void f()");
  (static_cast<Self&>(target).*Fn)();
  return TRUE;
}

// BOOL OnSomething(UINT id): FALSE lets the command go on to other handlers.
template <class Self, auto Fn>
BOOL CommandExThunk(CCmdTarget& target, MessageArgs& args) {
  CheckHandler<Self, Fn>();
  return (static_cast<Self&>(target).*Fn)(args.id);
}

// void OnSomething(UINT id)
template <class Self, auto Fn>
BOOL RangeThunk(CCmdTarget& target, MessageArgs& args) {
  CheckHandler<Self, Fn>();
  (static_cast<Self&>(target).*Fn)(args.id);
  return TRUE;
}

// void OnSomething(NMHDR* header, LRESULT* result)
template <class Self, auto Fn>
BOOL NotifyThunk(CCmdTarget& target, MessageArgs& args) {
  CheckHandler<Self, Fn>();
  auto* notify = static_cast<AFX_NOTIFY*>(args.extra);
  (static_cast<Self&>(target).*Fn)(notify->pNMHDR, notify->pResult);
  return TRUE;
}

// void OnSomething(UINT id, NMHDR* header, LRESULT* result)
template <class Self, auto Fn>
BOOL NotifyRangeThunk(CCmdTarget& target, MessageArgs& args) {
  CheckHandler<Self, Fn>();
  auto* notify = static_cast<AFX_NOTIFY*>(args.extra);
  (static_cast<Self&>(target).*Fn)(args.id, notify->pNMHDR, notify->pResult);
  return TRUE;
}

// void OnUpdateSomething(CCmdUI* cmd_ui)
template <class Self, auto Fn>
BOOL UpdateThunk(CCmdTarget& target, MessageArgs& args) {
  CheckHandler<Self, Fn>();
  auto* cmd_ui = static_cast<CCmdUI*>(args.extra);
  (static_cast<Self&>(target).*Fn)(cmd_ui);
  return !cmd_ui->m_bContinueRouting;
}

// LRESULT OnSomething(WPARAM, LPARAM)
template <class Self, auto Fn>
BOOL MessageThunk(CCmdTarget& target, MessageArgs& args) {
  CheckHandler<Self, Fn>();
  args.result = (static_cast<Self&>(target).*Fn)(args.wParam, args.lParam);
  return TRUE;
}

}  // namespace afx

#define DECLARE_MESSAGE_MAP()                   \
 protected:                                     \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    using TheBaseClass = baseClass;                                                 \
    static const AFX_MSGMAP_ENTRY kEntries[] = {
#define END_MESSAGE_MAP()                                                          \
  { 0, 0, 0, 0, nullptr }                                                          \
  }                                                                                \
  ;                                                                                \
  static const AFX_MSGMAP kMap = {&TheBaseClass::GetThisMessageMap, &kEntries[0]}; \
  return &kMap;                                                                    \
  }

#define AFX_MAP_ENTRY(message, code, first, last, thunk, memberFxn)                                        \
  {static_cast<UINT>(message), static_cast<UINT>(code), static_cast<UINT>(first), static_cast<UINT>(last), \
   &::afx::thunk<ThisClass, memberFxn>},

#define ON_COMMAND(id, memberFxn) AFX_MAP_ENTRY(WM_COMMAND, CN_COMMAND, id, id, CommandThunk, memberFxn)
#define ON_COMMAND_EX(id, memberFxn) AFX_MAP_ENTRY(WM_COMMAND, CN_COMMAND, id, id, CommandExThunk, memberFxn)
#define ON_COMMAND_RANGE(first, last, memberFxn) \
  AFX_MAP_ENTRY(WM_COMMAND, CN_COMMAND, first, last, RangeThunk, memberFxn)
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
  AFX_MAP_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, UpdateThunk, memberFxn)
#define ON_UPDATE_COMMAND_UI_RANGE(first, last, memberFxn) \
  AFX_MAP_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, first, last, UpdateThunk, memberFxn)

#define ON_CONTROL(code, id, memberFxn) AFX_MAP_ENTRY(WM_COMMAND, code, id, id, CommandThunk, memberFxn)
#define ON_CONTROL_RANGE(code, first, last, memberFxn) \
  AFX_MAP_ENTRY(WM_COMMAND, code, first, last, RangeThunk, memberFxn)

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

#define ON_NOTIFY(code, id, memberFxn) AFX_MAP_ENTRY(WM_NOTIFY, static_cast<WORD>(code), id, id, NotifyThunk, memberFxn)
#define ON_NOTIFY_RANGE(code, first, last, memberFxn) \
  AFX_MAP_ENTRY(WM_NOTIFY, static_cast<WORD>(code), first, last, NotifyRangeThunk, memberFxn)

#define ON_MESSAGE(message, memberFxn) AFX_MAP_ENTRY(message, 0, 0, 0, MessageThunk, memberFxn)

#define ON_COMMAND_EX_RANGE(first, last, memberFxn) \
  AFX_MAP_ENTRY(WM_COMMAND, CN_COMMAND, first, last, CommandExThunk, memberFxn)
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn) \
  AFX_MAP_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, 0, 0xFFFF, UpdateThunk, memberFxn)
