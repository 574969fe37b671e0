// Walks model space, and the blocks its references place, into an SvgScene.
#pragma once

#include "host/svg/svg_scene.h"

class AcDbDatabase;

// Hidden entities (invisible, on layers off or frozen) are left out; kinds that have
// no plan shape here are counted in notDrawn.
SvgScene CollectModelSpace(AcDbDatabase& db);
