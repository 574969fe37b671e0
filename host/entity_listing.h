// What LIST shows of an entity: its type, handle, layer, colour and linetype,
// then its geometry (points, radius, angles, vertices with bulges) and its
// length or area where they are simple.
#pragma once

#include <string>

class AcDbEntity;

namespace host {

// Lines ending in '\n'; numbers with four decimals, angles in degrees.
std::string DescribeEntity(const AcDbEntity& entity);

// "BYLAYER", "BYBLOCK", "1 (red)" ... "7 (white)", or the index.
std::string ColorText(int color_index);

}  // namespace host
