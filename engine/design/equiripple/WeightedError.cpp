#include "WeightedError.h"

namespace equiripple {

namespace {

// error[i] = weight[i] (desired[i] - p[i]) in place of p, and the bound scaled with it.
void weigh(const std::vector<double>& desired, CErrorValues& v)
{
    for (size_t i = 0; i < v.error.size(); ++i) {
        v.error[i] = v.weight[i] * (desired[i] - v.error[i]);
        v.bound[i] *= v.weight[i];
    }
}

}  // namespace

CErrorValues CWeightedError::At(const std::vector<double>& f, const std::vector<int>& band) const
{
    std::vector<double> x(f.size()), desired(f.size()), weight(f.size());
    for (size_t i = 0; i < f.size(); ++i) {
        const CReduced r = ReducedAt(m_a, m_a.bands[static_cast<size_t>(band[i])], f[i]);
        x[i] = r.x;
        desired[i] = r.desired;
        weight[i] = r.weight;
    }
    CErrorValues v{std::vector<double>(f.size()), std::vector<double>(f.size()), std::move(weight)};
    m_p.Evaluate(x.data(), x.size(), v.error.data(), v.bound.data());
    weigh(desired, v);
    return v;
}

CErrorValues CWeightedError::OnGrid(const CGrid& grid) const
{
    CErrorValues v{std::vector<double>(grid.x.size()), std::vector<double>(grid.x.size()), grid.weight};
    m_p.Evaluate(grid.x.data(), grid.x.size(), v.error.data(), v.bound.data());
    weigh(grid.desired, v);
    return v;
}

}  // namespace equiripple
