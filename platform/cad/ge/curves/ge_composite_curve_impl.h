#pragma once

#include <algorithm>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/cad/ge/ge_arrays.h"
#include "platform/cad/ge/ge_interval.h"
#include "platform/cad/ge/ge_tol.h"

// The chain logic of AcGeCompositeCurve2d and AcGeCompositeCurve3d, written once over the
// piece type (internal to the library). Pieces are reached through their public calls only.
namespace ge_detail {

template <class Curve>
using Pieces = std::vector<std::unique_ptr<Curve>>;

template <class Curve>
AcGeInterval intervalOf(const Curve& curve) {
  AcGeInterval range;
  curve.getInterval(range);
  return range;
}

template <class Curve>
double spanOf(const Curve& curve) {
  const AcGeInterval range = intervalOf(curve);
  return range.isBounded() ? range.upperBound() - range.lowerBound() : 0.0;
}

template <class Curve>
Pieces<Curve> copyPieces(const Pieces<Curve>& pieces) {
  Pieces<Curve> copies;
  for (const auto& piece : pieces) copies.emplace_back(static_cast<Curve*>(piece->copy()));
  return copies;
}

template <class Curve>
void listPieces(const Pieces<Curve>& pieces, AcGeVoidPointerArray& curveList) {
  curveList.setLogicalLength(0);
  for (const auto& piece : pieces) curveList.append(piece.get());
}

// Takes over the listed curves; pieces already held and listed again are kept, the rest freed.
template <class Curve>
void takeOverPieces(Pieces<Curve>& pieces, const AcGeVoidPointerArray& curveList) {
  Pieces<Curve> next;
  auto holds = [](Pieces<Curve>& list, const Curve* curve) {
    return std::find_if(list.begin(), list.end(), [curve](const auto& p) { return p.get() == curve; });
  };
  for (void* item : curveList) {
    auto* curve = static_cast<Curve*>(item);
    // A pointer listed twice is owned once.
    if (curve == nullptr || holds(next, curve) != next.end()) continue;
    auto old = holds(pieces, curve);
    if (old != pieces.end())
      next.push_back(std::move(*old));
    else
      next.emplace_back(curve);
  }
  pieces = std::move(next);
}

template <class Curve>
const Curve* pieceAt(const Pieces<Curve>& pieces, int index) {
  if (index < 0 || index >= static_cast<int>(pieces.size())) return nullptr;
  return pieces[static_cast<size_t>(index)].get();
}

// Composite parameter where piece index begins.
template <class Curve>
double pieceStart(const Pieces<Curve>& pieces, int index) {
  double start = 0.0;
  for (int i = 0; i < index && i < static_cast<int>(pieces.size()); ++i)
    start += spanOf(*pieces[static_cast<size_t>(i)]);
  return start;
}

template <class Curve>
double globalToLocal(const Pieces<Curve>& pieces, double param, int& segNum) {
  segNum = 0;
  if (pieces.empty()) return param;
  double start = 0.0;
  const int last = static_cast<int>(pieces.size()) - 1;
  for (int i = 0; i <= last; ++i) {
    const double span = spanOf(*pieces[static_cast<size_t>(i)]);
    if (param <= start + span || i == last) {
      segNum = i;
      return intervalOf(*pieces[static_cast<size_t>(i)]).lowerBound() + (param - start);
    }
    start += span;
  }
  return param;
}

template <class Curve>
double localToGlobal(const Pieces<Curve>& pieces, double param, int segNum) {
  const Curve* piece = pieceAt(pieces, segNum);
  if (piece == nullptr) return param;
  return pieceStart(pieces, segNum) + (param - intervalOf(*piece).lowerBound());
}

template <class Curve>
bool samePieces(const Pieces<Curve>& a, const Pieces<Curve>& b, const AcGeTol& tol) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (!a[i]->isEqualTo(*b[i], tol)) return false;
  return true;
}

template <class Curve, class Point>
Point pointOnPieces(const Pieces<Curve>& pieces, double param, const Point& ifEmpty) {
  if (pieces.empty()) return ifEmpty;
  int seg = 0;
  const double local = globalToLocal(pieces, param, seg);
  return pieces[static_cast<size_t>(seg)]->evalPoint(local);
}

template <class VectorArray, class Curve>
auto derivOnPieces(const Pieces<Curve>& pieces, double param, int order) {
  using Vector = std::decay_t<decltype(std::declval<VectorArray&>()[0])>;
  if (pieces.empty()) return Vector();
  int seg = 0;
  const double local = globalToLocal(pieces, param, seg);
  VectorArray derivs;
  pieces[static_cast<size_t>(seg)]->evalPoint(local, order, derivs);
  return derivs.length() >= order ? derivs[order - 1] : Vector();
}

template <class Curve, class Point>
double nearestOnPieces(const Pieces<Curve>& pieces, const Point& pnt) {
  double best = 0.0;
  double bestDist = -1.0;
  for (int i = 0; i < static_cast<int>(pieces.size()); ++i) {
    const Curve& piece = *pieces[static_cast<size_t>(i)];
    const double local = piece.paramOf(pnt);
    const double dist = piece.evalPoint(local).distanceTo(pnt);
    if (bestDist < 0.0 || dist < bestDist) {
      bestDist = dist;
      best = localToGlobal(pieces, local, i);
    }
  }
  return best;
}

template <class Curve>
double lengthOverPieces(const Pieces<Curve>& pieces, double fromParam, double toParam) {
  double total = 0.0;
  double start = 0.0;
  for (const auto& piece : pieces) {
    const double span = spanOf(*piece);
    const double a = std::max(fromParam, start);
    const double b = std::min(toParam, start + span);
    if (b > a) {
      const double lower = intervalOf(*piece).lowerBound();
      total += piece->length(lower + (a - start), lower + (b - start));
    }
    start += span;
  }
  return total;
}

template <class Curve, class Matrix>
void transformPieces(Pieces<Curve>& pieces, const Matrix& xfm) {
  for (auto& piece : pieces) piece->transformBy(xfm);
}

template <class Curve>
void reversePieces(Pieces<Curve>& pieces) {
  std::reverse(pieces.begin(), pieces.end());
  for (auto& piece : pieces) piece->reverseParam();
}

}  // namespace ge_detail
