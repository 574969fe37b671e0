// A captured facet shell: vertices, the face list (for each face its vertex
// count n, then n indexes into the vertices) and one colour index per face.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/cad/db/adesk.h"
#include "platform/cad/ge/ge_point3d.h"

struct FacetShell {
  std::vector<AcGePoint3d> vertices;
  std::vector<Adesk::Int32> faceList;
  std::vector<short> faceColors;

  bool IsEmpty() const { return faceList.empty(); }
  int FaceCount() const { return static_cast<int>(faceColors.size()); }

  // Adds a shell after what is held, its indexes moved past the vertices
  // already there. Faces without a colour of their own take colorIndex. False,
  // and nothing added, when the face list does not fit its vertices.
  bool Append(std::size_t vertexCount, const AcGePoint3d* points, std::size_t faceListSize, const Adesk::Int32* faces,
              const short* colors, short colorIndex);
  void SetColor(short colorIndex);
};

// The number of faces of a face list, or -1 when it is no face list over
// vertexCount vertices: a count below 3, an index out of range, or a last face
// that runs past the end.
int CountFaces(const Adesk::Int32* faces, std::size_t faceListSize, std::size_t vertexCount);

// The held parts agree with each other: whole faces over the vertices and a
// colour for each face.
bool IsConsistent(const FacetShell& shell);
