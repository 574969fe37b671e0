// What the command line asks for: a file to open (or print), or a new document.
#pragma once

#include "platform/classlib/cstring.h"

class CCommandLineInfo {
 public:
  enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister, FileNothing = -1 };

  CCommandLineInfo() = default;
  virtual ~CCommandLineInfo() = default;

  // One argument: a flag (after '-' or '/') or a parameter; bLast for the last one.
  virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast);

  BOOL m_bShowSplash = TRUE;
  BOOL m_bRunEmbedded = FALSE;
  BOOL m_bRunAutomated = FALSE;
  int m_nShellCommand = FileNew;
  CString m_strFileName;
  CString m_strPrinterName;
  CString m_strDriverName;
  CString m_strPortName;
};
