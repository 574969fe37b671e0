#include <algorithm>
#include <cmath>

#include "platform/cad/ge/ge_composite_curve.h"

namespace {

AcGeInterval intervalOf(const AcGeCurve2d& curve)
{
    AcGeInterval range;
    curve.getInterval(range);
    return range;
}

double spanOf(const AcGeCurve2d& curve)
{
    const AcGeInterval range = intervalOf(curve);
    return range.isBounded() ? range.upperBound() - range.lowerBound() : 0.0;
}

} // namespace

AcGeCompositeCurve2d::AcGeCompositeCurve2d(const AcGeVoidPointerArray& curveList)
{
    setCurveList(curveList);
}

AcGeCompositeCurve2d::AcGeCompositeCurve2d(const AcGeCompositeCurve2d& other) : AcGeCurve2d(other)
{
    *this = other;
}

AcGeCompositeCurve2d& AcGeCompositeCurve2d::operator=(const AcGeCompositeCurve2d& other)
{
    if (this == &other)
        return *this;
    std::vector<std::unique_ptr<AcGeCurve2d>> copies;
    for (const auto& piece : other.m_pieces)
        copies.emplace_back(static_cast<AcGeCurve2d*>(piece->copy()));
    m_pieces = std::move(copies);
    return *this;
}

void AcGeCompositeCurve2d::getCurveList(AcGeVoidPointerArray& curveList) const
{
    curveList.setLogicalLength(0);
    for (const auto& piece : m_pieces)
        curveList.append(piece.get());
}

AcGeCompositeCurve2d& AcGeCompositeCurve2d::setCurveList(const AcGeVoidPointerArray& curveList)
{
    std::vector<std::unique_ptr<AcGeCurve2d>> next;
    auto holds = [](std::vector<std::unique_ptr<AcGeCurve2d>>& list, const AcGeCurve2d* curve) {
        return std::find_if(list.begin(), list.end(), [curve](const auto& p) { return p.get() == curve; });
    };
    for (void* item : curveList) {
        auto* curve = static_cast<AcGeCurve2d*>(item);
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

const AcGeCurve2d* AcGeCompositeCurve2d::curveAt(int index) const
{
    if (index < 0 || index >= numCurves())
        return nullptr;
    return m_pieces[static_cast<size_t>(index)].get();
}

double AcGeCompositeCurve2d::globalToLocalParam(double param, int& segNum) const
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

double AcGeCompositeCurve2d::localToGlobalParam(double param, int segNum) const
{
    const AcGeCurve2d* piece = curveAt(segNum);
    if (piece == nullptr)
        return param;
    return pieceStart(segNum) + (param - intervalOf(*piece).lowerBound());
}

bool AcGeCompositeCurve2d::isKindOf(AcGe::EntityId entType) const
{
    return entType == AcGe::kCompositeCrv2d || AcGeCurve2d::isKindOf(entType);
}

bool AcGeCompositeCurve2d::isEqualTo(const AcGeEntity2d& other, const AcGeTol& tol) const
{
    if (other.type() != AcGe::kCompositeCrv2d)
        return false;
    const auto& composite = static_cast<const AcGeCompositeCurve2d&>(other);
    if (composite.numCurves() != numCurves())
        return false;
    for (size_t i = 0; i < m_pieces.size(); ++i)
        if (!m_pieces[i]->isEqualTo(*composite.m_pieces[i], tol))
            return false;
    return true;
}

AcGeInterval AcGeCompositeCurve2d::paramInterval() const
{
    return AcGeInterval(0.0, pieceStart(numCurves()));
}

AcGePoint2d AcGeCompositeCurve2d::pointAt(double param) const
{
    if (m_pieces.empty())
        return AcGePoint2d::kOrigin;
    int seg = 0;
    const double local = globalToLocalParam(param, seg);
    return m_pieces[static_cast<size_t>(seg)]->evalPoint(local);
}

AcGeVector2d AcGeCompositeCurve2d::derivAt(double param, int order) const
{
    if (m_pieces.empty())
        return AcGeVector2d();
    int seg = 0;
    const double local = globalToLocalParam(param, seg);
    AcGeVector2dArray derivs;
    m_pieces[static_cast<size_t>(seg)]->evalPoint(local, order, derivs);
    return derivs.length() >= order ? derivs[order - 1] : AcGeVector2d();
}

double AcGeCompositeCurve2d::nearestParam(const AcGePoint2d& pnt) const
{
    double best = 0.0;
    double bestDist = -1.0;
    for (int i = 0; i < numCurves(); ++i) {
        const AcGeCurve2d& piece = *m_pieces[static_cast<size_t>(i)];
        const double local = piece.paramOf(pnt);
        const double dist = piece.evalPoint(local).distanceTo(pnt);
        if (bestDist < 0.0 || dist < bestDist) {
            bestDist = dist;
            best = localToGlobalParam(local, i);
        }
    }
    return best;
}

double AcGeCompositeCurve2d::arcLength(double fromParam, double toParam) const
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

void AcGeCompositeCurve2d::transformGeometry(const AcGeMatrix2d& xfm)
{
    for (auto& piece : m_pieces)
        piece->transformBy(xfm);
}

void AcGeCompositeCurve2d::reverseGeometry()
{
    std::reverse(m_pieces.begin(), m_pieces.end());
    for (auto& piece : m_pieces)
        piece->reverseParam();
}

double AcGeCompositeCurve2d::pieceStart(int index) const
{
    double start = 0.0;
    for (int i = 0; i < index && i < numCurves(); ++i)
        start += spanOf(*m_pieces[static_cast<size_t>(i)]);
    return start;
}
