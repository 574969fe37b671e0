#include "plugin/solid/facet_shell.h"

#include <cmath>

int CountFaces(const Adesk::Int32* faces, std::size_t faceListSize, std::size_t vertexCount) {
  if (faceListSize > 0 && faces == nullptr) return -1;
  int count = 0;
  for (std::size_t at = 0; at < faceListSize; ++count) {
    const Adesk::Int32 corners = faces[at];
    if (corners < 3 || static_cast<std::size_t>(corners) >= faceListSize - at) return -1;
    for (std::size_t k = 1; k <= static_cast<std::size_t>(corners); ++k) {
      if (faces[at + k] < 0 || static_cast<std::size_t>(faces[at + k]) >= vertexCount) return -1;
    }
    at += static_cast<std::size_t>(corners) + 1;
  }
  return count;
}

bool FacetShell::Append(std::size_t vertexCount, const AcGePoint3d* points, std::size_t faceListSize,
                        const Adesk::Int32* faces, const short* colors, short colorIndex) {
  if (vertexCount > 0 && points == nullptr) return false;
  const int added = CountFaces(faces, faceListSize, vertexCount);
  if (added < 0) return false;
  for (std::size_t i = 0; i < vertexCount; ++i) {
    if (!std::isfinite(points[i].x) || !std::isfinite(points[i].y) || !std::isfinite(points[i].z)) return false;
  }
  const auto offset = static_cast<Adesk::Int32>(vertices.size());
  vertices.insert(vertices.end(), points, points + vertexCount);
  int face = 0;
  for (std::size_t at = 0; at < faceListSize; ++face) {
    const Adesk::Int32 corners = faces[at];
    faceList.push_back(corners);
    for (Adesk::Int32 k = 1; k <= corners; ++k) faceList.push_back(faces[at + k] + offset);
    faceColors.push_back(colors != nullptr ? colors[face] : colorIndex);
    at += static_cast<std::size_t>(corners) + 1;
  }
  return true;
}

void FacetShell::SetColor(short colorIndex) { faceColors.assign(faceColors.size(), colorIndex); }

bool IsConsistent(const FacetShell& shell) {
  return CountFaces(shell.faceList.data(), shell.faceList.size(), shell.vertices.size()) == shell.FaceCount();
}
