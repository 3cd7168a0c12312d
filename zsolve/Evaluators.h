#pragma once

#include "Polynomial.h"
#include "TaylorTable.h"

#include <memory>
#include <vector>

namespace zsolve {

// What one sweep of the iteration learns about p at a point.
struct PointEstimate {
    Complex inverseNewton;  // p'(z) / p(z)
    bool settled = false;   // |p(z)| lies within the rounding error of the evaluation
};

// How a sweep evaluates p at its points.
class CEvaluator {
public:
    virtual ~CEvaluator() = default;
    // For each i = index[0 .. count-1], the estimate at z[i] into out[i].
    virtual void Estimate(const std::vector<Complex>& z, const int* index, int count,
                          std::vector<PointEstimate>& out) const = 0;
    // Operations one estimate costs, about: for sharing the work between threads.
    virtual double Cost() const = 0;
};

// Horner's rule in double, settled within its rounding-error bound: O(d) per point.
class CHornerEvaluator : public CEvaluator {
public:
    explicit CHornerEvaluator(const CPolynomial& p) : m_p(p) {}
    void Estimate(const std::vector<Complex>& z, const int* index, int count,
                  std::vector<PointEstimate>& out) const override;
    double Cost() const override { return m_p.Degree(); }

private:
    const CPolynomial& m_p;
};

// A Taylor table for the points of its annulus, Horner's rule for the others.
class CTableEvaluator : public CEvaluator {
public:
    CTableEvaluator(const CPolynomial& p, std::unique_ptr<CTaylorTable> table) : m_horner(p), m_table(std::move(table)) {}
    void Estimate(const std::vector<Complex>& z, const int* index, int count,
                  std::vector<PointEstimate>& out) const override;
    double Cost() const override { return m_table->Terms() * 4.0; }

private:
    CHornerEvaluator m_horner;
    std::unique_ptr<CTaylorTable> m_table;
};

}  // namespace zsolve
