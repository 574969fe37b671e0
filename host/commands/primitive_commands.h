// Solid primitives placed in the current UCS, and solids read from STEP files.
#pragma once

namespace host {

class HostSession;

// Two corners of the base, then the height (negative: below the base).
void BoxCommand(HostSession& session);
// Center of the base, radius (or diameter), height.
void CylinderCommand(HostSession& session);
// Center, radius (or diameter).
void SphereCommand(HostSession& session);
// A STEP file asked through the file dialog; its solids join the drawing.
void ImportCommand(HostSession& session);

}  // namespace host
