// The drawing database's own classes register on first use; this registers all
// of them at once, as the host has them from its start, so that a lookup by
// name or DXF name and a hierarchy build find every one.
#pragma once

void acdbRegisterBuiltinClasses();
