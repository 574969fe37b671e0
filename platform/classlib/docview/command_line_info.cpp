#include "platform/classlib/docview/command_line_info.h"

#include <strings.h>
#include <cstring>

void CCommandLineInfo::ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast) {
  (void)bLast;
  if (pszParam == nullptr) return;
  if (bFlag) {
    if (::strcasecmp(pszParam, "p") == 0) m_nShellCommand = FilePrint;
    if (::strcasecmp(pszParam, "pt") == 0) m_nShellCommand = FilePrintTo;
    if (::strcasecmp(pszParam, "nologo") == 0) m_bShowSplash = FALSE;
    if (::strcasecmp(pszParam, "embedding") == 0) m_bRunEmbedded = TRUE, m_bShowSplash = FALSE;
    if (::strcasecmp(pszParam, "automation") == 0) m_bRunAutomated = TRUE, m_bShowSplash = FALSE;
    return;
  }
  if (m_strFileName.IsEmpty()) {
    m_strFileName = pszParam;
    if (m_nShellCommand == FileNew) m_nShellCommand = FileOpen;
  } else if (m_nShellCommand == FilePrintTo) {
    if (m_strPrinterName.IsEmpty()) {
      m_strPrinterName = pszParam;
    } else if (m_strDriverName.IsEmpty()) {
      m_strDriverName = pszParam;
    } else if (m_strPortName.IsEmpty()) {
      m_strPortName = pszParam;
    }
  }
}
