// Prompts on the host's command line that remember what was entered.
#pragma once

#include "platform/cad/ge/ge_point3d.h"
#include "platform/classlib/cstring.h"

class CPrompt {
 public:
  CPrompt(const char* message, const char* keywords);

  // Keyword list in the host's syntax, handed over before each input.
  virtual const CString& GetKeywords() const;
  virtual void SetKeywords(const char* keywords);
  virtual const CString& GetMessage() const;
  virtual void SetMessage(const char* message);
  // The keyword of the last input that answered one.
  virtual const CString& GetEnteredKeyword() const;
  // Byte-for-byte comparison with the entered keyword.
  virtual bool IsKeyword(const char* keyword) const;
  virtual int Go() = 0;
  virtual ~CPrompt();

 protected:
  CString m_keywords;
  CString m_message;
  CString m_enteredKeyword;
};

class CPointPrompt : public CPrompt {
 public:
  enum Result { kCancelled = 0, kEmpty = 1, kKeyword = 2, kPoint = 3 };

  CPointPrompt(const char* message, const char* keywords);

  // The point entered last, in the current UCS.
  const AcGePoint3d& Value() const { return m_value; }
  // The rubber band starts here from now on.
  void SetBasePoint(const AcGePoint3d& point);
  void SetAllowEmpty(int allow) { m_allowEmpty = allow; }
  void SetAllowDash(int allow) { m_allowDash = allow; }
  void SetIgnoreLimits(int ignore) { m_ignoreLimits = ignore; }

  // 3 point (now also LASTPOINT), 2 keyword, 1 empty input (when allowed), 0 cancel or error.
  int Go() override;

 private:
  int InputFlags() const;

  AcGePoint3d m_value;
  AcGePoint3d m_basePoint;
  int m_useBasePoint = 0;
  int m_allowDash = 0;
  int m_ignoreLimits = 0;
  int m_allowEmpty = 0;
};
