#include "plugin/post/post_kind_holders.h"

#include "plugin/milling/drill/drill_dlg.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/profile/profile_dlg.h"
#include "plugin/milling/simple/simple_face_dlg.h"
#include "plugin/milling/simple/simple_pocket_dlg.h"
#include "plugin/milling/simple/simple_profile_dlg.h"
#include "plugin/milling/simple/simple_radial_dlg.h"
#include "plugin/milling/simple/simple_sphere_dlg.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/machining/solid_cut_dlg.h"
#include "plugin/solid/machining/z_profile_dlg.h"
#include "plugin/solid/pocket/solid_pocket_dlg.h"
#include "plugin/turning/lathe_dlg.h"
#include "plugin/turning/lathe_drill_dlg.h"

namespace {

void SetToolSizes(PostValues& values, double diameter, double cornerRadius, double length) {
  values.toolDiameter = diameter;
  values.toolCornerRadius = cornerRadius;
  values.toolLength = length;
}

void CopyTool(const CToolShapeDlg& from, CToolShapeDlg& to) {
  to.m_ToolType = from.m_ToolType;
  to.m_ToolName = from.m_ToolName;
  to.m_CornerRadius = from.m_CornerRadius;
  to.m_Diameter = from.m_Diameter;
  to.m_Length = from.m_Length;
}

// What every kind's holder does alike: a dialog of its kind made new, filled
// from a record and shown for its values.
template <class Form>
class FormHolder : public PostKindHolder {
 public:
  FormHolder() : dlg_(std::make_unique<Form>()) {}
  void Reset() override { dlg_ = std::make_unique<Form>(); }
  bool ReadRecord(const char* text, CString& refusal) override {
    Reset();
    return dlg_->ReadParamRecord(text, &refusal);
  }
  CDialog* Dialog() override { return dlg_.get(); }

 protected:
  // For the dialogs that show an existing toolpath by its edit mode.
  void ShowAsExisting(const char* name) {
    dlg_->m_EditMode = 1;
    dlg_->m_ExistingName = name;
    dlg_->m_ToolpathName = name;
  }
  // The drilling kinds' only tool is the drill.
  void ApplyDrillTool(PostValues& values) const {
    SetToolSizes(values, dlg_->m_DrillTool.m_Diameter, 0.0, dlg_->m_DrillTool.m_Length);
    values.S = dlg_->m_SpindleSpeed;
  }

  std::unique_ptr<Form> dlg_;
};

// The pocket and the 3D pocket: roughing, finishing and rest pass sets.
template <class PocketForm>
class PocketHolder : public FormHolder<PocketForm> {
 public:
  PocketHolder() { SelectSet(1); }
  void Reset() override {
    FormHolder<PocketForm>::Reset();
    SelectSet(1);
  }
  bool ReadRecord(const char* text, CString& refusal) override {
    if (!FormHolder<PocketForm>::ReadRecord(text, refusal)) return false;
    SelectSet(1);
    return true;
  }
  int CutFeed() const override { return feed_; }
  int PlungeFeed() const override { return plungeFeed_; }
  void ApplyPassSet(int set, PostValues& values) override {
    if (set < 1 || set > 3) return;
    SelectSet(set);
    const CToolShapeDlg& tool = dlg_->m_PassTool;
    SetToolSizes(values, tool.m_Diameter, tool.m_CornerRadius, tool.m_Length);
    values.S = set == 1 ? dlg_->m_RoughSpindle : set == 2 ? dlg_->m_FinishSpindle : dlg_->m_RestSpindle;
  }
  void SetToolpathName(const char* name) override { this->ShowAsExisting(name); }

 private:
  using FormHolder<PocketForm>::dlg_;

  // The pass set's tool and feed become the current ones; finishing and rest
  // passes plunge at their own feed.
  void SelectSet(int set) {
    const CToolShapeDlg& tool = set == 1 ? dlg_->m_RoughTool : set == 2 ? dlg_->m_FinishTool : dlg_->m_RestTool;
    CopyTool(tool, dlg_->m_PassTool);
    feed_ = set == 1 ? dlg_->m_RoughFeed : set == 2 ? dlg_->m_FinishFeed : dlg_->m_RestFeed;
    const CPlungeDlg& plunge = dlg_->m_Plunge;
    plungeFeed_ = set == 1 && plunge.m_PlungeFeedOn == 1 ? plunge.m_PlungeFeed : feed_;
  }

  int feed_ = 0;
  int plungeFeed_ = 0;
};

class ProfileHolder : public FormHolder<CProfileDlg> {
 public:
  int CutFeed() const override { return dlg_->m_Feed; }
  int PlungeFeed() const override { return dlg_->m_Lead.m_EntryFeed; }
  void ApplyRecordValues(PostValues& values, bool&) override { ApplyPassSet(1, values); }
  void ApplyPassSet(int, PostValues& values) override {
    const CToolShapeDlg& tool = dlg_->m_Tool;
    SetToolSizes(values, tool.m_Diameter, tool.m_CornerRadius, tool.m_Length);
    values.S = dlg_->m_SpindleSpeed;
  }
  void SetToolpathName(const char* name) override { ShowAsExisting(name); }
};

class DrillHolder : public FormHolder<CDrillDlg> {
 public:
  int CutFeed() const override { return dlg_->m_Feed; }
  int PlungeFeed() const override { return dlg_->m_Feed; }
  void ApplyRecordValues(PostValues& values, bool& coolant) override {
    ApplyPassSet(1, values);
    values.cycleReturnInitial = dlg_->m_InitialReturn != 0;
    coolant = dlg_->m_CoolantOn != 0;
  }
  void ApplyPassSet(int, PostValues& values) override { ApplyDrillTool(values); }
  // P the dwell, Q the first peck (the shift for fine boring), A the next
  // pecks, B the peck return.
  void FillCycleValues(PostValues& values) const override {
    values.cycleIndex = dlg_->m_CycleIndex;
    values.cycleP = dlg_->m_Dwell;
    values.cycleQ = dlg_->m_CycleIndex == kCycleBoringShift ? dlg_->m_Shift : dlg_->m_FirstPeck;
    values.cycleA = dlg_->m_NextPeck;
    values.cycleB = dlg_->m_PeckReturn;
    values.cycleK = 0;
  }
  void SetToolpathName(const char* name) override {
    // Shown for its values: no points are picked.
    dlg_->m_CycleEdit = 1;
    dlg_->m_ToolpathName = name;
    dlg_->m_StoredName = name;
  }
};

// Turning passes carry their own feeds; the finishing feed serves a move
// that has none. The tool is its nose.
class LatheHolder : public FormHolder<CLatheDlg> {
 public:
  int CutFeed() const override { return dlg_->m_FinishOn ? dlg_->m_FinishFeed : dlg_->m_RoughFeed; }
  int PlungeFeed() const override { return CutFeed(); }
  void ApplyRecordValues(PostValues& values, bool&) override { ApplyPassSet(1, values); }
  void ApplyPassSet(int, PostValues& values) override {
    SetToolSizes(values, 2.0 * dlg_->m_NoseRadius, dlg_->m_NoseRadius, 0.0);
    values.S = dlg_->m_RoughOn ? dlg_->m_RoughSpindle : dlg_->m_FinishSpindle;
  }
  void SetToolpathName(const char* name) override { ShowAsExisting(name); }
};

// Lathe drilling: the same cycle words as drilling, the depths along the
// spindle. Q the peck a peck cycle takes (the shallower of the first and the
// next peck, so that no bite is deeper than asked), the shift for shift boring.
class LatheDrillHolder : public FormHolder<CLatheDrillDlg> {
 public:
  int CutFeed() const override { return dlg_->m_Feed; }
  int PlungeFeed() const override { return dlg_->m_Feed; }
  void ApplyRecordValues(PostValues& values, bool&) override { ApplyPassSet(1, values); }
  void ApplyPassSet(int, PostValues& values) override { ApplyDrillTool(values); }
  void FillCycleValues(PostValues& values) const override {
    values.cycleIndex = dlg_->m_CycleIndex;
    values.cycleP = dlg_->m_Dwell;
    values.cycleQ = dlg_->m_CycleIndex == kLatheBoringShift ? dlg_->m_Shift : LatheDrillPeck(*dlg_);
    values.cycleA = dlg_->m_NextPeck;
    values.cycleB = dlg_->m_PeckReturn;
    values.cycleC = dlg_->m_ChipBreak;
    values.cycleK = 0;
  }
  void SetToolpathName(const char* name) override {
    dlg_->m_Regenerate = 1;
    dlg_->m_ToolpathName = name;
    dlg_->m_StoredName = name;
  }
};

// A simple cycle's dialog, filled only to show its parameters.
template <class Form>
class SimpleCycleHolder : public FormHolder<Form> {
 public:
  int CutFeed() const override { return 0; }
  int PlungeFeed() const override { return 0; }
  void SetToolpathName(const char* name) override {
    this->dlg_->m_RecordMode = 1;
    this->dlg_->m_StoredName = name;
    this->dlg_->m_ToolpathName = name;
  }
  bool PostsRecordValues() const override { return false; }
};

// The solid cut and the Z-level contour: one tool, one feed.
template <class OperationDlg>
class SolidMachiningHolder : public PostKindHolder {
 public:
  SolidMachiningHolder() { Reset(); }
  void Reset() override { dlg_ = std::make_unique<OperationDlg>(); }
  bool ReadRecord(const char* text, CString& refusal) override {
    Reset();
    return dlg_->ReadParamRecord(text, &refusal);
  }
  int CutFeed() const override { return dlg_->m_Feed; }
  void ApplyRecordValues(PostValues& values, bool&) override { ApplyPassSet(1, values); }
  void ApplyPassSet(int, PostValues& values) override {
    const CToolShapeDlg& tool = dlg_->m_Tool;
    SetToolSizes(values, tool.m_Diameter, tool.m_CornerRadius, tool.m_Length);
    values.S = dlg_->m_SpindleSpeed;
  }
  CDialog* Dialog() override { return dlg_.get(); }
  void SetToolpathName(const char* name) override {
    dlg_->m_EditMode = 1;
    dlg_->m_ExistingName = name;
    dlg_->m_ToolpathName = name;
  }

 protected:
  std::unique_ptr<OperationDlg> dlg_;
};

class SolidCutHolder : public SolidMachiningHolder<CSolidCutDlg> {
 public:
  int PlungeFeed() const override {
    const CPlungeDlg& plunge = dlg_->m_Plunge;
    return plunge.m_PlungeFeedOn == 1 ? plunge.m_PlungeFeed : dlg_->m_Feed;
  }
};

class ZProfileHolder : public SolidMachiningHolder<CZProfileDlg> {
 public:
  int PlungeFeed() const override { return dlg_->m_Lead.m_EntryFeed; }
};

}  // namespace

PostKindHolders::PostKindHolders() {
  holders_[kToolpathPocket] = std::make_unique<PocketHolder<CPocketDlg>>();
  holders_[kToolpathSolidPocket] = std::make_unique<PocketHolder<CSolidPocketDlg>>();
  holders_[kToolpathProfile] = std::make_unique<ProfileHolder>();
  holders_[kToolpathDrillCycle] = std::make_unique<DrillHolder>();
  holders_[kToolpathSolidCut] = std::make_unique<SolidCutHolder>();
  holders_[kToolpathZLevelContour] = std::make_unique<ZProfileHolder>();
  holders_[kToolpathLathe] = std::make_unique<LatheHolder>();
  holders_[kToolpathLatheDrill] = std::make_unique<LatheDrillHolder>();
  holders_[kToolpathSimpleFace] = std::make_unique<SimpleCycleHolder<CSimpleFaceDlg>>();
  holders_[kToolpathSimplePocket] = std::make_unique<SimpleCycleHolder<CSimplePocketDlg>>();
  holders_[kToolpathSimpleProfile] = std::make_unique<SimpleCycleHolder<CSimpleProfileDlg>>();
  holders_[kToolpathSimpleRadial] = std::make_unique<SimpleCycleHolder<CSimpleRadialDlg>>();
  holders_[kToolpathSimpleSphere] = std::make_unique<SimpleCycleHolder<CSimpleSphereDlg>>();
}

PostKindHolders::~PostKindHolders() = default;

PostKindHolder* PostKindHolders::Find(int kind) {
  const auto found = holders_.find(kind);
  return found == holders_.end() ? nullptr : found->second.get();
}
