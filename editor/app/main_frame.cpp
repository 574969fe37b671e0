#include "editor/app/main_frame.h"

#include <charconv>
#include <string>

#include "editor/app/app_ids.h"
#include "editor/app/editor_settings.h"
#include "editor/app/explorer_pane.h"
#include "editor/textedit/view/text_view_resources.h"

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
ON_WM_CREATE()
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

const UINT kIndicators[] = {
    ID_SEPARATOR,           ID_EDIT_INDICATOR_POSITION, ID_EDIT_INDICATOR_COL, ID_EDIT_INDICATOR_CRLF, ID_INDICATOR_OVR,
    ID_EDIT_INDICATOR_READ, ID_INDICATOR_CAPS,          ID_INDICATOR_NUM,      ID_INDICATOR_SCRL,
};

// A stored decimal that is a usable window dimension; 0 otherwise.
int StoredDimension(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value > 0 ? value : 0;
}

}  // namespace

int PlacementOf(UINT show_command) {
  switch (show_command) {
    case SW_SHOWMAXIMIZED:
      return 1;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
      return 3;
    default:
      return 2;
  }
}

CMainFrame::CMainFrame() = default;
CMainFrame::~CMainFrame() = default;

CExplorerPane& CMainFrame::MakeExplorerPane() {
  if (m_pExplorerPane == nullptr) m_pExplorerPane = std::make_unique<CExplorerPane>();
  return *m_pExplorerPane;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  LoadFolderStrings();
  if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
  if (!m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR) ||
      !m_wndToolBar.LoadToolBar(IDR_MAINFRAME)) {
    return -1;
  }
  RegisterTextViewResources();
  if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
      !m_wndStatusBar.SetIndicators(kIndicators, sizeof(kIndicators) / sizeof(kIndicators[0]))) {
    return -1;
  }
  m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
  m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
  EnableDocking(CBRS_ALIGN_ANY);
  DockControlBar(&m_wndToolBar);
  return 0;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
  const int width = StoredDimension(settings::Read("MFrameWid"));
  const int height = StoredDimension(settings::Read("MFrameHei"));
  const std::string placement = settings::Read("MFramePlace");
  if (width > 0 && height > 0 && !placement.empty()) {
    cs.x = 0;
    cs.y = 0;
    cs.cx = width;
    cs.cy = height;
    if (placement == "1") cs.style |= WS_MAXIMIZE;
    if (placement == "3") cs.style |= WS_MINIMIZE;
  }
  return CMDIFrameWnd::PreCreateWindow(cs);
}

void CMainFrame::OnSize(UINT nType, int cx, int cy) {
  CMDIFrameWnd::OnSize(nType, cx, cy);
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (!GetWindowPlacement(&placement)) return;
  // The restored size: a maximised window comes back at its normal size when it is restored.
  const CRect normal = placement.rcNormalPosition;
  settings::Write("MFrameWid", std::to_string(normal.Width()));
  settings::Write("MFrameHei", std::to_string(normal.Height()));
  settings::Write("MFramePlace", std::to_string(PlacementOf(placement.showCmd)));
}
