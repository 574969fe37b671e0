// The commands that make solids out of regions and regions out of solids.
#pragma once

namespace host {

class HostSession;

// Regions and closed curves swept along their normal, sides leaning by a taper angle;
// the sources go.
void ExtrudeCommand(HostSession& session);
// Where a plane cuts the selected solids: new regions, the solids stay.
void SectionCommand(HostSession& session);

}  // namespace host
