#pragma once

#include "Evaluators.h"

#include <functional>
#include <vector>

namespace zsolve {

// Sweeps of the Aberth-Ehrlich iteration never exceed this count; roots that have not
// met the stopping test by then (slowly converging clusters) keep their last estimate.
constexpr int kMaxSweeps = 500;

// How far an iteration goes.
struct AberthOptions {
    int maxSweeps = kMaxSweeps;
    // A root is frozen once its correction is at most this many unit roundoffs of |z|.
    double stepTolerance = 1.0;
    // In the first limitedSweeps sweeps a correction longer than maxStep |z| is shortened to
    // it: keeps approximations placed near their roots from being thrown far while the
    // others are not yet near theirs. Later sweeps let the few left travel freely.
    double maxStep = 0.0;
    int limitedSweeps = 0;
    // Called after each sweep with the number of frozen roots and the number of all.
    std::function<void(int, int)> progress;
};

// Refines the approximations z[i] for i in active (one approximation per root of p, pairwise
// distinct; the others stay as they are and repel) by Aberth-Ehrlich sweeps, each O(d) per
// active root for the values of p (less with a Taylor table) and O(log n) per active root
// for the sum over the other roots (O(n) while few are active). A root is frozen once the
// evaluator finds |p(z)| within its rounding error while its Newton step is short against
// the distance to the other approximations, or once its correction falls below
// stepTolerance roundings of z. Every correction of a sweep uses the approximations from
// the start of that sweep, so the result does not depend on how the work is shared between
// threads. Returns the roots still active at the end, in increasing order.
std::vector<int> AberthIterate(const CEvaluator& evaluator, std::vector<Complex>& z, std::vector<int> active,
                               const AberthOptions& options = {});

}  // namespace zsolve
