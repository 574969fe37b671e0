// The boolean operations of regions and solids, spelled as callers spell them
// (AcDb::kBoolIntersect ...).
#pragma once

namespace AcDb {
enum BoolOperType { kBoolUnite = 0, kBoolIntersect = 1, kBoolSubtract = 2 };
}  // namespace AcDb
