// The commands that turn curves into regions and combine regions and solids.
#pragma once

namespace host {

class HostSession;

// Closed curves (alone, or end to end) become regions; the curves go.
void RegionCommand(HostSession& session);
// Regions and solids combined: each solid into the first solid, each region into
// the first region of its plane; the others are erased.
void UnionCommand(HostSession& session);
void IntersectCommand(HostSession& session);
// The second selection taken away from the first (first combined as by UNION).
void SubtractCommand(HostSession& session);

}  // namespace host
