#pragma once

#include "Polynomial.h"

#include <array>
#include <vector>

namespace zsolve {

// The sums S_i = sum over j != i of 1 / (z_i - z_j) of the Aberth correction for many points,
// in O(n log n) instead of O(n^2): the points are split into a binary tree of boxes (each
// split across its wider side at the median), and a box far from z_i (its radius below half
// the distance) counts through the first kOrder terms of its multipole expansion, the
// nearer points one by one. The relative error of S_i is about 2^-kOrder of the sum of the
// moduli of its terms: far more than the iteration needs, since an error e in S_i changes
// a correction w by w^2 e. Deterministic: a sum depends only on the points.
class CRepulsionTree {
public:
    static constexpr int kOrder = 24;

    // The points z, one or more, each finite.
    explicit CRepulsionTree(const std::vector<Complex>& z);
    // S_i for 0 <= i < the number of points.
    Complex Sum(int i) const;
    // The distance from point i to the nearest other point (infinite when there is none),
    // searching only the boxes that could hold a nearer one.
    double Nearest(int i) const;

private:
    struct Node {
        int begin = 0, end = 0;        // the node's points: m_order[begin .. end-1]
        int left = -1, right = -1;     // children, -1 for a leaf
        Complex center;
        double radius = 0.0;           // the farthest point's distance from center
        std::array<Complex, kOrder> moments{};  // sum over the points of ((x - center) / radius)^k
    };

    int Build(int begin, int end);
    bool Bound(Node& node) const;
    void LeafMoments(Node& node) const;
    void ShiftMoments(Node& parent, const Node& child) const;
    // The node's points' sum of 1 / (z - x) from its expansion.
    Complex Far(const Node& node, Complex z) const;

    std::vector<int> m_order;      // tree position -> point index
    std::vector<int> m_position;   // point index -> tree position
    std::vector<double> m_re, m_im;  // the points in tree order
    std::vector<Node> m_nodes;
};

}  // namespace zsolve
