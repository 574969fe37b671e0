// The simple sphere generator: one closed circle of tool positions per angle
// step, each with lead moves, linked and stored as one toolpath.
#pragma once

class CSimpleSphereDlg;

// Reports on its own when nothing can be cut or stored.
void CreateSimpleSphereToolpath(CSimpleSphereDlg& dlg);
