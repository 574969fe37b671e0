#include "plugin/shell/settings/message_table.h"

#include "plugin/shell/settings/configuration_settings.h"

CString MsgCannotOpenFile;
CString MsgInputValue;
CString MsgPostDefinitionRefused;
CString MsgPostNoSection;
CString MsgPostSectionNotClosed;
CString MsgPostHeaderInSection;
CString MsgPostStrayEnd;
CString MsgPostUnknownVariable;
CString MsgPostControlCharacter;
CString MsgToolpathNotStored;
CString MsgStepoverNotPositive;
CString MsgToolLargerThanPocket;
CString MsgFaceSizeNotPositive;
CString MsgPocketLayerTooSmall;
CString MsgPocketPlungeFedDown;
CString MsgPocketStartPointOutside;
CString MsgDepthAboveStart;
CString MsgDepthAboveStartRelative;
CString MsgBoundaryOpen;
CString MsgBoundarySelfCrossing;
CString MsgIslandsOutsideBoundary;
CString MsgIslandCrossesBoundary;
CString MsgMergeSamePolyline;
CString MsgLatheProfileNotChained;
CString MsgLatheAllowanceBelowNose;
CString MsgTaperFailed;
CString MsgTaperAngleOutOfRange;
CString MsgTaperFaceAcrossDraft;
CString MsgTaperModelerFailed;
CString MsgEditorNotFound;
CString MsgLeadPlaces;
CString MsgStepoverAboveTool;
CString MsgRecordEndsEarly = "파라메타가 %d번째 줄에서 끝났습니다.";
CString MsgRecordValueMissing = "파라메타 %d번째 줄에 \"%s\" 값이 없습니다.";
CString MsgRecordValueRefused = "파라메타 %d번째 줄의 \"%s\" 값 %s 은(는) 허용 범위(%s ~ %s)를 벗어났습니다.";
CString MsgTooManyLevels = "레벨 수가 너무 많습니다 (%lld, 최대 %lld). Z Step을 고친 뒤 다시 하시요.";
CString MsgTooManyPasses = "패스 수가 너무 많습니다 (%lld, 최대 %lld). Stepover나 Z Step을 고친 뒤 다시 하시요.";
CString MsgNumberNotPostable = "NC로 쓸 수 없는 값 %s 이(가) %s 에 있어 출력하지 않습니다.";
CString MsgGeometryOutOfRange = "선택한 도형의 크기 %s 는 가공할 수 없는 값입니다. 공구경로를 만들지 않습니다.";
CString MsgRecordTooLong = "파라메타가 너무 깁니다 (최대 %d 바이트).";
CString MsgSimpleOutlinesSkipped = "\n 공구가 들어가지 않는 경로 %d개를 건너뛰었습니다.";
CString MsgSimpleCornerTooLarge = "코너반경(%.3f)이 사각형 크기의 절반(%.3f)보다 클 수 없습니다.!!";
CString MsgSimpleNothingToCut = "공구가 형상 안에 들어가지 않아 공구경로를 만들 수 없습니다.!!";
CString MsgRadialNoLines = "Stepover(%.3f)가 직경 %.3f의 원둘레보다 길어 방사선을 만들 수 없습니다.!!";
CString MsgRadialNoRing = "가공할 영역이 없습니다 (보정한 직경이 0이거나 내경과 같습니다).!!";
CString MsgSphereFinishingOff = "정삭가공이 선택되지 않아 공구경로를 만들지 않습니다.!!";
CString MsgNoFacePicked;
CString MsgNoOuterProfile;
CString MsgGougeCheckFailed;
CString MsgSolidNotMade;
CString MsgOnlySolidsMachined;
// Fixed Korean, set before any load.
CString MsgKindNotKnown = "\"%s\" (%s): 이 프로그램이 모르는 종류의 공구경로입니다.!!";
CString MsgGrooveNotMade = "\n Groove 공구경로를 생성할 수 없습니다..";
CString MsgGrooveProfileNotChained = "선택된 도형을 하나의 Profile로 연결할 수 없습니다.!!";
CString MsgGrooveNoseWiderThanBlade = "공구 폭은 노즈 반경의 2배 이상이어야 합니다.!!";

namespace {

void FillKorean() {
  MsgCannotOpenFile = "화일을 열수 없습니다.\n";
  MsgInputValue = "값을   입력하시요 !!";
}

void FillJapanese() {
  MsgCannotOpenFile = "ファイルがopenできません.\n";
  MsgInputValue = "値を入力しなさい !!";
}

void FillEnglish() {
  MsgCannotOpenFile = " Can not open file !!.\n";
  MsgInputValue = "Input value !!";
}

void FillFixedKorean() {
  MsgPostDefinitionRefused = "포스트 정의 파일 \"%s\"의 %d번째 줄을 사용할 수 없습니다: %s\n다른 정의 파일을 선택하시요. 이 정의로는 NC 파일을 만들지 않습니다.";
  MsgPostNoSection = "[Start], [Cut] 같은 구역이 하나도 없습니다";
  MsgPostSectionNotClosed = "%s 구역이 [End] 없이 파일 끝까지 이어집니다";
  MsgPostHeaderInSection = "%s 구역이 [End] 없이 끝나고 %s 구역이 시작됩니다";
  MsgPostStrayEnd = "[End] 앞에 구역 머리([Start] 등)가 없습니다";
  MsgPostUnknownVariable = "알 수 없는 변수 %s";
  MsgPostControlCharacter = "글자가 아닌 문자가 들어 있습니다";
  MsgToolpathNotStored = "\n공구경로 \"%s\"가 저장되지 않았습니다.";
  MsgStepoverNotPositive = "%s Stepover(%.3f)는 0보다 커야 합니다.!!";
  MsgToolLargerThanPocket = "%s 공구(지름 %.3f, 가공여유 %.3f)가 포켓 외곽 안에 들어가지 않습니다.!!";
  MsgFaceSizeNotPositive = "공구 경 보정 후의 가공 크기(X %.3f, Y %.3f)가 0보다 커야 합니다.!!";
  MsgPocketLayerTooSmall = "Z %.3f: 공구(지름 %.3f, 가공 여유 %.3f)가 포켓 안에 들어가지 않아 이 층은 가공하지 않습니다.!!";
  MsgPocketPlungeFedDown = "Z %.3f: 진입 경로를 만들 수 없어 가공 피드로 내려갑니다.";
  MsgPocketStartPointOutside = "Z %.3f: 시작점(%.3f, %.3f)에서는 벽을 깎게 되므로 포켓 중심에서 시작합니다.";
  MsgDepthAboveStart = "Z 깊이(%.3f)가 Z 시작(%.3f)보다 높아 가공할 깊이가 없습니다.!!";
  MsgDepthAboveStartRelative = "상대값 Z 깊이(%.3f)가 0보다 커서 외곽 위를 가공하게 됩니다. 아래로는 음수로 입력하시요.!!";
  MsgBoundaryOpen = "선택한 외곽이 닫혀 있지 않습니다: 열린 끝점 (%.3f, %.3f)";
  MsgBoundarySelfCrossing = "선택한 외곽이 자기 자신과 교차합니다: 교차점 (%.3f, %.3f)";
  MsgIslandsOutsideBoundary = "\n외곽 밖에 있는 도형 %d개는 섬으로 쓰지 않습니다: 첫 번째 도형의 시작점 (%.3f, %.3f)";
  MsgIslandCrossesBoundary = "섬이 외곽과 교차합니다: 교차점 (%.3f, %.3f)";
  MsgLatheAllowanceBelowNose = "가공여유가 공구 노즈반경*-1 보다 작을수 없습니다.!!";
  MsgLatheProfileNotChained = "선택된 Entity들을 하나의 Profile로 연결할 수 없습니다.!!";
  MsgMergeSamePolyline = "\n같은 폴리라인을 두 번 선택했습니다. 서로 다른 두 폴리라인을 선택하시요.";
  MsgTaperFailed = "\n구배를 줄 수 없습니다: %s";
  MsgTaperAngleOutOfRange = "구배 각도 %g는 0이 아니고 -90보다 크고 90보다 작아야 합니다";
  MsgTaperFaceAcrossDraft = "선택한 면이 구배 방향(현재 UCS의 Z축)에 수직이라 기울일 수 없습니다. 옆면을 선택하시요";
  MsgTaperModelerFailed = "옆의 면들과 이어지는 구배 면을 만들 수 없습니다 (%s)";
  MsgLeadPlaces = "\n%d 곳, 첫 곳: X%.3f Y%.3f";
  MsgStepoverAboveTool = "%s Stepover(%.3f)가 공구 직경(%.3f)보다 클 수 없습니다.!!";
  MsgEditorNotFound = "\n편집기 \"%s\"를 찾을 수 없어 NC 파일을 열지 않았습니다. ENConfig에서 문서 편집기를 지정하시요.";
  MsgNoFacePicked = "\n선택한 위치에 면이 없습니다.";
  MsgNoOuterProfile = "외측 도형을 선택하시요.!!";
  MsgSolidNotMade = "\nSolid를 만들 수 없습니다.";
  MsgOnlySolidsMachined = "가공 모델과 소재는 3D 솔리드만 선택할 수 있습니다.!!";
  MsgGougeCheckFailed = "간섭체크 영역으로 가공 모델을 자를 수 없습니다.!!";
}

}  // namespace

int LoadMessageTable() {
  FillFixedKorean();
  switch (ConfigurationSettings().LanguageIndex) {
    case 1:
      FillKorean();
      break;
    case 2:
      FillJapanese();
      break;
    default:
      FillEnglish();
      break;
  }
  return 1;
}
