#include "Evaluators.h"

namespace zsolve {

void CHornerEvaluator::Estimate(const std::vector<Complex>& z, const int* index, int count,
                                std::vector<PointEstimate>& out) const
{
    if (count == 0)
        return;
    std::vector<HornerValue> values(z.size());
    m_p.Evaluate(z, index, count, values);
    for (int a = 0; a < count; ++a) {
        const HornerValue& h = values[static_cast<size_t>(index[a])];
        out[static_cast<size_t>(index[a])] = {m_p.InverseNewton(h), m_p.WithinRounding(h)};
    }
}

void CTableEvaluator::Estimate(const std::vector<Complex>& z, const int* index, int count,
                               std::vector<PointEstimate>& out) const
{
    std::vector<int> others;
    for (int a = 0; a < count; ++a) {
        const int i = index[a];
        PointEstimate& estimate = out[static_cast<size_t>(i)];
        if (m_table->Covers(z[static_cast<size_t>(i)]))
            m_table->Evaluate(z[static_cast<size_t>(i)], estimate.inverseNewton, estimate.settled);
        else
            others.push_back(i);
    }
    m_horner.Estimate(z, others.data(), static_cast<int>(others.size()), out);
}

}  // namespace zsolve
