// Makes the modeler's entity classes (REGION, 3DSOLID, BODY) known by their DXF
// names, so that reading a drawing builds them. Call it once before reading.
#pragma once

void acmodelerRegisterClasses();
