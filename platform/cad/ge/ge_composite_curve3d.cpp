#include <algorithm>
#include <cmath>

#include "platform/cad/ge/ge_composite_curve.h"

namespace {

AcGeInterval intervalOf(const AcGeCurve3d& curve)
{
    AcGeInterval range;
    curve.getInterval(range);
    return range;
}

double spanOf(const AcGeCurve3d& curve)
{
    const AcGeInterval range = intervalOf(curve);
    return range.isBounded() ? range.upperBound() - range.lowerBound() : 0.0;
}

} // namespace

AcGeCompositeCurve3d::AcGeCompositeCurve3d(const AcGeVoidPointerArray& curveList)
{
    setCurveList(curveList);
}

AcGeCompositeCurve3d::AcGeCompositeCurve3d(const AcGeCompositeCurve3d& other) : AcGeCurve3d(other)
{
    *this = other;
}

AcGeCompositeCurve3d& AcGeCompositeCurve3d::operator=(const AcGeCompositeCurve3d& other)
{
    if (this == &other)
        return *this;
    std::vector<std::unique_ptr<AcGeCurve3d>> copies;
    for (const auto& piece : other.m_pieces)
        copies.emplace_back(static_cast<AcGeCurve3d*>(piece->copy()));
    m_pieces = std::move(copies);
    return *this;
}

void AcGeCompositeCurve3d::getCurveList(AcGeVoidPointerArray& curveList) const
{
    curveList.setLogicalLength(0);
    for (const auto& piece : m_pieces)
        curveList.append(piece.get());
}

AcGeCompositeCurve3d& AcGeCompositeCurve3d::setCurveList(const AcGeVoidPointerArray& curveList)
{
    std::vector<std::unique_ptr<AcGeCurve3d>> next;
    auto holds = [](std::vector<std::unique_ptr<AcGeCurve3d>>& list, const AcGeCurve3d* curve) {
        return std::find_if(list.begin(), list.end(), [curve](const auto& p) { return p.get() == curve; });
    };
    for (void* item : curveList) {
        auto* curve = static_cast<AcGeCurve3d*>(item);
        // A pointer listed twice is owned once.
        if (curve == nullptr || holds(next, curve) != next.end())
            continue;
        auto old = holds(m_pieces, curve);
        if (old != m_pieces.end())
            next.push_back(std::move(*old));
        else
            next.emplace_back(curve);
    }
    m_pieces = std::move(next);
    return *this;
}

const AcGeCurve3d* AcGeCompositeCurve3d::curveAt(int index) const
{
    if (index < 0 || index >= numCurves())
        return nullptr;
    return m_pieces[static_cast<size_t>(index)].get();
}

double AcGeCompositeCurve3d::globalToLocalParam(double param, int& segNum) const
{
    segNum = 0;
    if (m_pieces.empty())
        return param;
    double start = 0.0;
    const int last = numCurves() - 1;
    for (int i = 0; i <= last; ++i) {
        const double span = spanOf(*m_pieces[static_cast<size_t>(i)]);
        if (param <= start + span || i == last) {
            segNum = i;
            return intervalOf(*m_pieces[static_cast<size_t>(i)]).lowerBound() + (param - start);
        }
        start += span;
    }
    return param;
}

double AcGeCompositeCurve3d::localToGlobalParam(double param, int segNum) const
{
    const AcGeCurve3d* piece = curveAt(segNum);
    if (piece == nullptr)
        return param;
    return pieceStart(segNum) + (param - intervalOf(*piece).lowerBound());
}

bool AcGeCompositeCurve3d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kCompositeCrv3d || AcGeCurve3d::isKindOf(entType);
}

bool AcGeCompositeCurve3d::isEqualTo(const AcGeEntity3d& other, const AcGeTol& tol) const
{
    if (other.type() != AcGe::kCompositeCrv3d)
        return false;
    const auto& composite = static_cast<const AcGeCompositeCurve3d&>(other);
    if (composite.numCurves() != numCurves())
        return false;
    for (size_t i = 0; i < m_pieces.size(); ++i)
        if (!m_pieces[i]->isEqualTo(*composite.m_pieces[i], tol))
            return false;
    return true;
}

AcGeInterval AcGeCompositeCurve3d::paramInterval() const
{
    return AcGeInterval(0.0, pieceStart(numCurves()));
}

AcGePoint3d AcGeCompositeCurve3d::pointAt(double param) const
{
    if (m_pieces.empty())
        return AcGePoint3d::kOrigin;
    int seg = 0;
    const double local = globalToLocalParam(param, seg);
    return m_pieces[static_cast<size_t>(seg)]->evalPoint(local);
}

AcGeVector3d AcGeCompositeCurve3d::derivAt(double param, int order) const
{
    if (m_pieces.empty())
        return AcGeVector3d();
    int seg = 0;
    const double local = globalToLocalParam(param, seg);
    AcGeVector3dArray derivs;
    m_pieces[static_cast<size_t>(seg)]->evalPoint(local, order, derivs);
    return derivs.length() >= order ? derivs[order - 1] : AcGeVector3d();
}

double AcGeCompositeCurve3d::nearestParam(const AcGePoint3d& pnt) const
{
    double best = 0.0;
    double bestDist = -1.0;
    for (int i = 0; i < numCurves(); ++i) {
        const AcGeCurve3d& piece = *m_pieces[static_cast<size_t>(i)];
        const double local = piece.paramOf(pnt);
        const double dist = piece.evalPoint(local).distanceTo(pnt);
        if (bestDist < 0.0 || dist < bestDist) {
            bestDist = dist;
            best = localToGlobalParam(local, i);
        }
    }
    return best;
}

double AcGeCompositeCurve3d::arcLength(double fromParam, double toParam) const
{
    double total = 0.0;
    double start = 0.0;
    for (const auto& piece : m_pieces) {
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

void AcGeCompositeCurve3d::transformGeometry(const AcGeMatrix3d& xfm)
{
    for (auto& piece : m_pieces)
        piece->transformBy(xfm);
}

void AcGeCompositeCurve3d::reverseGeometry()
{
    std::reverse(m_pieces.begin(), m_pieces.end());
    for (auto& piece : m_pieces)
        piece->reverseParam();
}

double AcGeCompositeCurve3d::pieceStart(int index) const
{
    double start = 0.0;
    for (int i = 0; i < index && i < numCurves(); ++i)
        start += spanOf(*m_pieces[static_cast<size_t>(i)]);
    return start;
}
