#include "plugin/solid/pocket/solid_pocket_generator.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "plugin/geometry/curve_containment.h"
#include "plugin/geometry/curve_reverse.h"
#include "plugin/geometry/forms/operation_form.h"
#include "plugin/geometry/forms/run_size.h"
#include "plugin/geometry/forms/toolpath_name_rule.h"
#include "plugin/geometry/polyline/polyline_measure.h"
#include "plugin/milling/pocket/pocket_dlg.h"
#include "plugin/milling/pocket/pocket_generator.h"
#include "plugin/milling/pocket/pocket_level_passes.h"
#include "plugin/shell/copy_helpers.h"
#include "plugin/shell/selection/region_helpers.h"
#include "plugin/shell/selection/selection_queries.h"
#include "plugin/shell/toolpaths/toolpath_entities.h"
#include "plugin/shell/toolpaths/toolpath_store.h"
#include "plugin/solid/pocket/solid_pocket_dlg.h"
#include "plugin/solid/slices/run_notices.h"
#include "plugin/solid/slices/solid_slices.h"

namespace {

constexpr const char* kNoPocketPath = "\n 포켓 공구경로를 생성할 수 없습니다..";
constexpr const char* kNoRestPath = "\n 잔삭 공구경로를 생성할 수 없습니다..";
constexpr const char* kStockOffsetFailed = "소재 모델을 offset할 수 없습니다.!!";
constexpr const char* kNoBallText = "선택된 가공 모델에서 볼 엔드밀을 사용할 수 없습니다.!!";
constexpr const char* kNoRadiusText = "선택된 가공 모델에서 래디우스 엔드밀을 사용할 수 없습니다.!!";
// Just above the level, so that a floor on the level is not what gets cut.
constexpr double kSectionAbove = 0.00001;
constexpr double kLeastLevelStep = 0.0001;

// What one run shares between its passes: messages are told once.
struct SolidPocketRun {
  CSolidPocketDlg& dlg;
  RunNotices notices;
  std::set<std::string> shownBoxes;

  void ShowOnce(const char* text) {
    if (shownBoxes.insert(text).second) ShowFormInformation(text, kFormQuestionCaption);
  }
  bool core() const { return dlg.m_MachiningMethod == kSolidPocketCore; }
};

void TakePassTool(CSolidPocketDlg& dlg, const CToolShapeDlg& tool, int numberOn, int number, int offsetOn, int offset) {
  dlg.m_PassToolNumberOn = static_cast<BYTE>(numberOn != 0);
  dlg.m_PassToolNumber = number;
  dlg.m_PassLengthOffsetOn = static_cast<BYTE>(offsetOn != 0);
  dlg.m_PassLengthOffsetNumber = offset;
  dlg.m_PassTool.m_ToolType = tool.m_ToolType;
  dlg.m_PassTool.m_CornerRadius = tool.m_CornerRadius;
  dlg.m_PassTool.m_Diameter = tool.m_Diameter;
  dlg.m_PassTool.m_Length = tool.m_Length;
  dlg.m_PassTool.FormatToolName();
}

void SwitchOnly(CSolidPocketDlg& dlg, int kind) {
  dlg.m_RoughOn = kind == kSolidRoughingPass ? 1 : 0;
  dlg.m_FinishOn = kind == kSolidFinishingPass ? 1 : 0;
  dlg.m_RestOn = kind == kSolidRestPass ? 1 : 0;
}

// The solid each level is cut from, with the helpers made for it.
struct SlicedMaterial {
  HelperSolids helpers;
  AcDbObjectId sliced;
  double bottom = 0.0;
  double top = 0.0;
  double slicedTop = 0.0;
};

// The model as the pass tool sees it: offset by the ball's or the corner's
// radius, so that a section taken that much higher holds the tool's centre.
bool ModelForTool(SolidPocketRun& run, AcDbObjectId model, SlicedMaterial& material, AcDbObjectId& result) {
  const CToolShapeDlg& tool = run.dlg.m_PassTool;
  const double lift = SolidSectionLift(tool);
  if (lift <= 0.0) {
    result = model;
    return true;
  }
  if (!OffsetSolidCopy(model, lift, result)) {
    run.ShowOnce(tool.m_ToolType == kBallEndMill ? kNoBallText : kNoRadiusText);
    return false;
  }
  material.helpers.add(result);
  return true;
}

bool PrepareMaterial(SolidPocketRun& run, SlicedMaterial& material) {
  CSolidPocketDlg& dlg = run.dlg;
  const AcDbObjectId source = run.core() ? dlg.m_StockId : dlg.m_ModelId;
  if (!GetSolidZRange(source, material.bottom, material.top)) return false;
  dlg.m_ZTop = static_cast<float>(material.top);
  dlg.m_ZBottom = static_cast<float>(material.bottom);
  AcDbObjectId stock;
  if (run.core()) {
    if (!OffsetSolidCopy(dlg.m_StockId, dlg.m_PassTool.m_Diameter / 2.0 + dlg.m_RoughAllowance, stock)) {
      run.ShowOnce(kStockOffsetFailed);
      return false;
    }
    material.helpers.add(stock);
  }
  AcDbObjectId model;
  if (!ModelForTool(run, dlg.m_ModelId, material, model)) return false;
  if (!run.core()) {
    material.sliced = model;
    material.slicedTop = material.top;
    return true;
  }
  double unused = 0.0;
  if (!SubtractSolidClone(stock, model) || !GetSolidZRange(stock, unused, material.slicedTop)) return false;
  material.sliced = stock;
  return true;
}

// The pass's settings as the 2D pocket takes them, through its own record.
bool MakePassPocket(CSolidPocketDlg& dlg, CPocketDlg& pocket) {
  CString record;
  dlg.WriteRestPocketRecord(record);
  if (!pocket.ReadParamRecord(record)) return false;
  pocket.m_PassToolNumberOn = dlg.m_PassToolNumberOn;
  pocket.m_PassToolNumber = dlg.m_PassToolNumber;
  pocket.m_PassLengthOffsetOn = dlg.m_PassLengthOffsetOn;
  pocket.m_PassLengthOffsetNumber = dlg.m_PassLengthOffsetNumber;
  pocket.m_PassTool.m_ToolType = dlg.m_PassTool.m_ToolType;
  pocket.m_PassTool.m_Diameter = dlg.m_PassTool.m_Diameter;
  pocket.m_PassTool.m_CornerRadius = dlg.m_PassTool.m_CornerRadius;
  pocket.m_PassTool.m_Length = dlg.m_PassTool.m_Length;
  pocket.m_PassTool.FormatToolName();
  pocket.m_RapidLink.m_RapidLinkOn = dlg.m_RapidLink.m_RapidLinkOn;
  pocket.m_RapidLink.m_MinDistance = dlg.m_RapidLink.m_MinDistance;
  dlg.m_Plunge.m_DefaultFeed = dlg.m_RoughFeed;
  dlg.m_FinishLead.m_DefaultFeed = dlg.m_FinishFeed;
  pocket.m_Plunge.m_DefaultFeed = dlg.m_RoughFeed;
  pocket.m_FinishLead.m_DefaultFeed = dlg.m_FinishFeed;
  return true;
}

void Orient(const CSolidPocketDlg& dlg, SolidLevelRegion& region) {
  const bool climb = dlg.m_CutDirection == 0;
  if (IsPolylineClockwise(region.boundary) == climb) ReversePolyline(region.boundary);
  for (const AcDbObjectId& island : region.islands)
    if (IsPolylineClockwise(island) != climb) ReversePolyline(island);
}

void BuildSolidLevelPasses(SolidPocketRun& run, CPocketDlg& pocket, const SolidLevelRegion& region, double z,
                           AcDbObjectIdArray& ids) {
  const CSolidPocketDlg& dlg = run.dlg;
  const double base = SolidLevelBaseOffset(dlg.m_PassTool);
  if (!BuildPocketLevelPasses(pocket, region.boundary, region.islands, z, base + dlg.m_RoughAllowance,
                              base + dlg.m_FinishAllowance, ids, nullptr)) {
    run.notices.Print(kNoPocketPath);
  }
}

void BuildSolidRestPasses(SolidPocketRun& run, CPocketDlg& pocket, const SolidLevelRegion& region, double z,
                          AcDbObjectIdArray& ids) {
  const CSolidPocketDlg& dlg = run.dlg;
  const bool finishing = dlg.RestMeasuresAgainstFinishing();
  const CToolShapeDlg& reference = finishing ? dlg.m_FinishTool : dlg.m_RoughTool;
  const double referenceAllowance = finishing ? dlg.m_FinishAllowance : dlg.m_RoughAllowance;
  const RestOffsets offsets{SolidLevelBaseOffset(dlg.m_PassTool) + dlg.m_RestAllowance,
                            SolidLevelBaseOffset(reference) + referenceAllowance,
                            reference.m_Diameter - dlg.m_PassTool.m_Diameter};
  AcDbObjectIdArray boundaries;
  boundaries.append(region.boundary);
  BuildRestLevelPasses(pocket, boundaries, region.islands, z, offsets, ids);
}

void PocketSolidLevel(SolidPocketRun& run, CPocketDlg& pocket, const SectionLoops& loops, double z,
                      AcDbObjectIdArray& ids) {
  std::vector<SolidLevelRegion> regions = FormSolidLevelRegions(loops, run.dlg.m_MachiningMethod);
  for (SolidLevelRegion& region : regions) {
    Orient(run.dlg, region);
    if (run.dlg.m_RestOn != 0) {
      BuildSolidRestPasses(run, pocket, region, z, ids);
    } else {
      BuildSolidLevelPasses(run, pocket, region, z, ids);
    }
  }
}

bool GenerateSolidPocketPass(SolidPocketRun& run, int kind, AcDbObjectIdArray& ids) {
  ids.setLogicalLength(0);
  SlicedMaterial material;
  CPocketDlg pocket;
  if (!PrepareMaterial(run, material) || !MakePassPocket(run.dlg, pocket)) {
    run.notices.Print(kind == kSolidRestPass ? kNoRestPath : kNoPocketPath);
    return false;
  }
  const std::vector<double> levels = SolidPocketLevels(material.top, material.bottom, run.dlg.m_ZStep);
  const double lift = SolidSectionLift(run.dlg.m_PassTool) + kSectionAbove;
  for (std::size_t i = 0; i < levels.size(); ++i) {
    const double z = levels[i];
    if (run.core() && (z > material.slicedTop || z < material.bottom)) continue;
    pocket.m_FirstLevel = i == 0 ? 1 : 0;
    pocket.m_LastLevel = i + 1 == levels.size() ? 1 : 0;
    SectionLoops loops;
    if (!SectionLoopsAtZ(material.sliced, z + lift, z, loops)) continue;
    PocketSolidLevel(run, pocket, loops, z, ids);
    EraseSectionLoops(loops);
  }
  if (!CompletePocketPass(pocket, ids)) {
    run.notices.Print(kind == kSolidRestPass ? kNoRestPath : kNoPocketPath);
    EraseEntityArray(ids);
    return false;
  }
  return true;
}

// The group: hidden clones of the sources, then the passes. A group that is not
// made takes its clones with it.
bool StorePasses(SolidPocketRun& run, const AcDbObjectIdArray& passes) {
  CSolidPocketDlg& dlg = run.dlg;
  AcDbObjectIdArray sources;
  sources.append(dlg.m_ModelId);
  if (run.core()) sources.append(dlg.m_StockId);
  HelperSolids clones;
  if (!CloneHiddenSolids(sources, clones)) return false;
  CString record;
  dlg.WriteParamRecord(record);
  if (dlg.m_EditMode == 0) ReplaceAgreedToolpath(dlg.m_ToolpathName);
  AcDbObjectIdArray members = clones.ids();
  members.append(passes);
  CreateToolpathGroup(dlg.m_ToolpathName, record, members);
  if (!IsToolpathGroupName(dlg.m_ToolpathName)) return false;
  AcDbObjectIdArray stored;
  clones.release(stored);
  return true;
}

// A tiny Z step or stepover over a large solid asks for other values before
// anything is made.
bool SolidPocketRunFits(const CSolidPocketDlg& dlg, bool core) {
  AcGePoint3d low, high;
  if (!GetSolidExtents(core ? dlg.m_StockId : dlg.m_ModelId, low, high)) return false;
  if (!CheckGeometryExtent(low.distanceTo(high))) return false;
  const double extent = std::max(high.x - low.x, high.y - low.y);
  double stepover = 0.0;
  if (dlg.m_RoughOn != 0) stepover = dlg.m_RoughStepover;
  if (dlg.m_FinishOn != 0 && dlg.m_FinishPasses > 1 && (stepover == 0.0 || dlg.m_FinishStepover < stepover))
    stepover = dlg.m_FinishStepover;
  return CheckRunSize(LevelCount(high.z - low.z, dlg.m_ZStep), PassCount(extent, stepover));
}

// The smallest hole (holes run smallest first) that holds the outline; -1 for none.
int SmallestHoleHolding(AcDbObjectId outline, const std::vector<std::pair<double, AcDbObjectId>>& holes) {
  const double area = GetCurveArea(outline);
  for (std::size_t i = 0; i < holes.size(); ++i) {
    if (holes[i].first > area && ClassifyCurveContainment(outline, holes[i].second) == -1) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

std::vector<double> SolidPocketLevels(double top, double bottom, double step) {
  const double height = std::max(top - bottom, 0.0);
  if (step == 0.0) return {bottom};
  // Extents carry the modeler's tolerance: 30.0000001 in steps of 5 is 6 levels.
  const double count = std::ceil(std::fabs(height / step) - 1e-6);
  if (!(count >= 1.0) || height / count < kLeastLevelStep) return {bottom};
  const double levelStep = height / count;
  std::vector<double> levels;
  const int n = static_cast<int>(count);
  for (int i = 1; i <= n; ++i) levels.push_back(i == n ? bottom : top - i * levelStep);
  return levels;
}

double SolidLevelBaseOffset(const CToolShapeDlg& tool) {
  if (tool.m_ToolType == kBallEndMill) return 0.0;
  if (tool.m_ToolType == kRadiusEndMill) return std::max(0.0, tool.m_Diameter / 2.0 - tool.m_CornerRadius);
  return tool.m_Diameter / 2.0;
}

double SolidSectionLift(const CToolShapeDlg& tool) {
  if (tool.m_ToolType == kBallEndMill) return tool.m_Diameter / 2.0;
  if (tool.m_ToolType == kRadiusEndMill) return tool.m_CornerRadius;
  return 0.0;
}

std::vector<SolidLevelRegion> FormSolidLevelRegions(const SectionLoops& loops, int method) {
  std::vector<SolidLevelRegion> regions;
  if (method == kSolidPocketCore) {
    for (int i = 0; i < loops.outer.length(); ++i) {
      SolidLevelRegion region{loops.outer[i], {}};
      if (static_cast<std::size_t>(i) < loops.holes.size()) region.islands = loops.holes[i];
      regions.push_back(region);
    }
    return regions;
  }
  std::vector<std::pair<double, AcDbObjectId>> holes;
  for (const AcDbObjectIdArray& list : loops.holes)
    for (const AcDbObjectId& hole : list) holes.emplace_back(GetCurveArea(hole), hole);
  std::stable_sort(holes.begin(), holes.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& hole : holes) regions.push_back({hole.second, {}});
  // A face inside an opening (a boss) stands in that opening only.
  for (const AcDbObjectId& outline : loops.outer) {
    const int holder = SmallestHoleHolding(outline, holes);
    if (holder >= 0) regions[holder].islands.append(outline);
  }
  return regions;
}

bool CreateSolidPocketToolpath(CSolidPocketDlg& dlg) {
  const bool core = dlg.m_MachiningMethod == kSolidPocketCore;
  if (!CheckSolidModelIds(dlg.m_ModelId, core ? dlg.m_StockId : AcDbObjectId())) return false;
  if (!SolidPocketRunFits(dlg, core)) return false;
  SolidPocketRun run{dlg, {}, {}};
  const int roughOn = dlg.m_RoughOn, finishOn = dlg.m_FinishOn, restOn = dlg.m_RestOn;
  AcDbObjectIdArray passes;
  auto pass = [&](int kind, const CToolShapeDlg& tool, int numberOn, int number, int offsetOn, int offset) {
    TakePassTool(dlg, tool, numberOn, number, offsetOn, offset);
    SwitchOnly(dlg, kind);
    AcDbObjectIdArray ids;
    if (GenerateSolidPocketPass(run, kind, ids)) passes.append(ids);
  };
  if (roughOn != 0)
    pass(kSolidRoughingPass, dlg.m_RoughTool, dlg.m_RoughToolNumberOn, dlg.m_RoughToolNumber, dlg.m_RoughLengthOffsetOn,
         dlg.m_RoughLengthOffsetNumber);
  if (finishOn != 0)
    pass(kSolidFinishingPass, dlg.m_FinishTool, dlg.m_FinishToolNumberOn, dlg.m_FinishToolNumber,
         dlg.m_FinishLengthOffsetOn, dlg.m_FinishLengthOffsetNumber);
  if (restOn != 0)
    pass(kSolidRestPass, dlg.m_RestTool, dlg.m_RestToolNumberOn, dlg.m_RestToolNumber, dlg.m_RestLengthOffsetOn,
         dlg.m_RestLengthOffsetNumber);
  dlg.m_RoughOn = roughOn;
  dlg.m_FinishOn = finishOn;
  dlg.m_RestOn = restOn;
  if (passes.isEmpty()) {
    run.notices.Print(kNoPocketPath);
    return false;
  }
  if (StorePasses(run, passes)) return true;
  run.notices.Print(kNoPocketPath);
  EraseEntityArray(passes);
  return false;
}

bool GetSolidPocketModelIds(const char* name, AcDbObjectId& model, AcDbObjectId& stock) {
  model = AcDbObjectId();
  stock = AcDbObjectId();
  AcDbObjectIdArray ids;
  if (!GetToolpathEntityIds(name, ids)) return false;
  for (const AcDbObjectId& id : ids) {
    if (GetEntityKind(id) != kEntity3dSolid) break;
    AcDbObjectId copy;
    if (!CloneEntityWithInfo(id, copy)) break;
    if (model.isNull()) {
      model = copy;
    } else if (stock.isNull()) {
      stock = copy;
    } else {
      EraseObject(copy);
      break;
    }
  }
  return !model.isNull();
}
