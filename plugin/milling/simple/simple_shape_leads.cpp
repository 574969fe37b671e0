#include "plugin/milling/simple/simple_shape_leads.h"

#include <algorithm>

#include "plugin/geometry/passes/lead_moves.h"

void FitLeadMovesInside(const CLeadInOutDlg& lead, double room, CLeadInOutDlg& fitted) {
  const double arc =
      std::max(lead.m_EntryArcOn ? lead.m_EntryArcRadius : 0.0f, lead.m_ExitArcOn ? lead.m_ExitArcRadius : 0.0f);
  const double line =
      std::max(lead.m_EntryLineOn ? lead.m_EntryLineLength : 0.0f, lead.m_ExitLineOn ? lead.m_ExitLineLength : 0.0f);
  const double reach = arc + line;
  const double most = 0.75 * room;
  ScaleLeadMoves(lead, reach > most && reach > 0.0 ? most / reach : 1.0, fitted);
}
