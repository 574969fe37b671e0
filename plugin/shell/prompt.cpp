#include "plugin/shell/prompt.h"

#include <cstring>

#include "platform/cad/editor/aced_status.h"
#include "platform/cad/editor/input/aced_input.h"
#include "plugin/shell/settings/system_variables.h"

CPrompt::CPrompt(const char* message, const char* keywords)
    : m_keywords(keywords != nullptr ? keywords : ""), m_message(message != nullptr ? message : "") {}

CPrompt::~CPrompt() = default;

const CString& CPrompt::GetKeywords() const { return m_keywords; }
void CPrompt::SetKeywords(const char* keywords) { m_keywords = keywords != nullptr ? keywords : ""; }
const CString& CPrompt::GetMessage() const { return m_message; }
void CPrompt::SetMessage(const char* message) { m_message = message != nullptr ? message : ""; }
const CString& CPrompt::GetEnteredKeyword() const { return m_enteredKeyword; }

bool CPrompt::IsKeyword(const char* keyword) const {
  return keyword != nullptr && std::strcmp(m_enteredKeyword, keyword) == 0;
}

CPointPrompt::CPointPrompt(const char* message, const char* keywords) : CPrompt(message, keywords) {}

void CPointPrompt::SetBasePoint(const AcGePoint3d& point) {
  m_basePoint = point;
  m_useBasePoint = 1;
}

int CPointPrompt::InputFlags() const {
  int flags = 0;
  if (!m_allowEmpty) flags |= RSG_NONULL;
  if (m_ignoreLimits) flags |= RSG_NOLIM;
  if (m_allowDash) flags |= RSG_DASH;
  return flags;
}

int CPointPrompt::Go() {
  CString prompt;
  prompt.Format("\n%s: ", m_message.GetString());
  acedInitGet(InputFlags(), m_keywords.IsEmpty() ? nullptr : m_keywords.GetString());
  ads_point base = {m_basePoint.x, m_basePoint.y, m_basePoint.z};
  ads_point picked = {0.0, 0.0, 0.0};
  const int status = acedGetPoint(m_useBasePoint ? base : nullptr, prompt, picked);
  switch (status) {
    case RTNORM:
      m_value.set(picked[0], picked[1], picked[2]);
      SetSystemVariablePoint("LASTPOINT", m_value);
      return kPoint;
    case RTNONE:
      return kEmpty;
    case RTKWORD: {
      char keyword[512] = {};
      if (acedGetInput(keyword) != RTNORM) return kCancelled;
      keyword[sizeof keyword - 1] = '\0';
      m_enteredKeyword = keyword;
      return kKeyword;
    }
    default:
      return kCancelled;
  }
}
