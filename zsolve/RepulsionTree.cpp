#include "RepulsionTree.h"

#include "Reciprocals.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zsolve {

namespace {

// Boxes of at most this many points are not split.
constexpr int kLeaf = 32;

// A box counts through its expansion when its radius is below this fraction of its
// distance from the point: the expansion's terms then fall by at least this factor each.
constexpr double kSeparation = 0.5;

// The binomial coefficients C(k, l), k, l < CRepulsionTree::kOrder.
struct Binomials {
    double c[CRepulsionTree::kOrder][CRepulsionTree::kOrder] = {};
    Binomials()
    {
        for (int k = 0; k < CRepulsionTree::kOrder; ++k) {
            c[k][0] = 1.0;
            for (int l = 1; l <= k; ++l)
                c[k][l] = c[k - 1][l - 1] + (l < k ? c[k - 1][l] : 0.0);
        }
    }
};

const Binomials kBinomials;

}  // namespace

CRepulsionTree::CRepulsionTree(const std::vector<Complex>& z)
    : m_order(z.size()), m_position(z.size()), m_re(z.size()), m_im(z.size())
{
    std::iota(m_order.begin(), m_order.end(), 0);
    for (size_t i = 0; i < z.size(); ++i) {
        m_re[i] = z[i].real();
        m_im[i] = z[i].imag();
    }
    m_nodes.reserve(4 * z.size() / kLeaf + 2);
    Build(0, static_cast<int>(z.size()));
    std::vector<double> re(z.size()), im(z.size());
    for (size_t p = 0; p < z.size(); ++p) {
        m_position[static_cast<size_t>(m_order[p])] = static_cast<int>(p);
        re[p] = z[static_cast<size_t>(m_order[p])].real();
        im[p] = z[static_cast<size_t>(m_order[p])].imag();
    }
    m_re.swap(re);
    m_im.swap(im);
    for (size_t k = m_nodes.size(); k-- > 0;) {
        Node& node = m_nodes[k];
        if (node.left < 0) {
            LeafMoments(node);
            continue;
        }
        ShiftMoments(node, m_nodes[static_cast<size_t>(node.left)]);
        ShiftMoments(node, m_nodes[static_cast<size_t>(node.right)]);
    }
}

// The node of the points m_order[begin .. end-1], split at the median of the wider side of
// their bounding box while more than kLeaf; its index. Children come after their parent.
int CRepulsionTree::Build(int begin, int end)
{
    const int index = static_cast<int>(m_nodes.size());
    m_nodes.emplace_back();
    m_nodes.back().begin = begin;
    m_nodes.back().end = end;
    const bool wide = Bound(m_nodes.back());
    if (end - begin <= kLeaf || m_nodes.back().radius == 0.0)
        return index;
    const std::vector<double>& axis = wide ? m_re : m_im;
    const int middle = begin + (end - begin) / 2;
    std::nth_element(m_order.begin() + begin, m_order.begin() + middle, m_order.begin() + end,
                     [&axis](int a, int b) { return axis[a] < axis[b] || (axis[a] == axis[b] && a < b); });
    const int left = Build(begin, middle);
    const int right = Build(middle, end);
    m_nodes[static_cast<size_t>(index)].left = left;
    m_nodes[static_cast<size_t>(index)].right = right;
    return index;
}

// Sets the node's centre (the middle of its points' bounding box) and radius; whether the
// box is at least as wide as it is high.
bool CRepulsionTree::Bound(Node& node) const
{
    double lowX = HUGE_VAL, highX = -HUGE_VAL, lowY = HUGE_VAL, highY = -HUGE_VAL;
    for (int p = node.begin; p < node.end; ++p) {
        const int i = m_order[static_cast<size_t>(p)];
        lowX = std::min(lowX, m_re[i]), highX = std::max(highX, m_re[i]);
        lowY = std::min(lowY, m_im[i]), highY = std::max(highY, m_im[i]);
    }
    node.center = Complex(lowX / 2 + highX / 2, lowY / 2 + highY / 2);
    for (int p = node.begin; p < node.end; ++p) {
        const int i = m_order[static_cast<size_t>(p)];
        node.radius = std::max(node.radius, std::abs(Complex(m_re[i], m_im[i]) - node.center));
    }
    return highX - lowX >= highY - lowY;
}

void CRepulsionTree::LeafMoments(Node& node) const
{
    const double inverse = node.radius > 0.0 ? 1.0 / node.radius : 0.0;
    for (int p = node.begin; p < node.end; ++p) {
        const Complex x = (Complex(m_re[p], m_im[p]) - node.center) * inverse;
        Complex power = 1.0;
        for (int k = 0; k < kOrder; ++k, power *= x)
            node.moments[k] += power;
    }
}

// Adds the child's moments, moved to the parent's centre and radius:
// ((x - c) / R)^k = sum over l of C(k, l) (r / R)^l ((c' - c) / R)^(k - l) ((x - c') / r)^l.
void CRepulsionTree::ShiftMoments(Node& parent, const Node& child) const
{
    if (parent.radius == 0.0) {
        parent.moments[0] += static_cast<double>(child.end - child.begin);
        return;
    }
    const double ratio = child.radius / parent.radius;
    const Complex shift = (child.center - parent.center) / parent.radius;
    std::array<double, kOrder> ratioPower{};
    std::array<Complex, kOrder> shiftPower{};
    ratioPower[0] = 1.0;
    shiftPower[0] = 1.0;
    for (int k = 1; k < kOrder; ++k) {
        ratioPower[k] = ratioPower[k - 1] * ratio;
        shiftPower[k] = shiftPower[k - 1] * shift;
    }
    for (int k = 0; k < kOrder; ++k) {
        Complex sum = 0.0;
        for (int l = 0; l <= k; ++l)
            sum += kBinomials.c[k][l] * ratioPower[l] * shiftPower[k - l] * child.moments[l];
        parent.moments[k] += sum;
    }
}

// 1 / (z - x) = sum over k of (x - c)^k / (z - c)^(k + 1), summed over the node's points.
Complex CRepulsionTree::Far(const Node& node, Complex z) const
{
    const Complex inverse = 1.0 / (z - node.center);
    const Complex w = node.radius * inverse;
    Complex sum = node.moments[kOrder - 1];
    for (int k = kOrder - 2; k >= 0; --k)
        sum = sum * w + node.moments[k];
    return sum * inverse;
}

Complex CRepulsionTree::Sum(int i) const
{
    const int self = m_position[static_cast<size_t>(i)];
    const Complex z(m_re[self], m_im[self]);
    const double scale = ReciprocalScale(z);
    double sr[kLanes] = {}, si[kLanes] = {};
    Complex far = 0.0;
    int stack[128];
    int top = 0;
    stack[top++] = 0;
    while (top > 0) {
        const Node& node = m_nodes[static_cast<size_t>(stack[--top])];
        if (std::norm(z - node.center) * (kSeparation * kSeparation) > node.radius * node.radius) {
            far += Far(node, z);
        } else if (node.left >= 0) {
            stack[top++] = node.right;
            stack[top++] = node.left;
        } else if (self >= node.begin && self < node.end) {
            AddReciprocals(m_re.data(), m_im.data(), node.begin, self, z, scale, sr, si);
            AddReciprocals(m_re.data(), m_im.data(), self + 1, node.end, z, scale, sr, si);
        } else {
            AddReciprocals(m_re.data(), m_im.data(), node.begin, node.end, z, scale, sr, si);
        }
    }
    Complex near = 0.0;
    for (int l = 0; l < kLanes; ++l)
        near += Complex(sr[l], si[l]);
    return near * scale + far;
}

double CRepulsionTree::Nearest(int i) const
{
    const int self = m_position[static_cast<size_t>(i)];
    const Complex z(m_re[self], m_im[self]);
    double best = HUGE_VAL;  // squared
    int stack[128];
    int top = 0;
    stack[top++] = 0;
    while (top > 0) {
        const Node& node = m_nodes[static_cast<size_t>(stack[--top])];
        const double gap = std::sqrt(std::norm(z - node.center)) - node.radius;
        if (gap > 0.0 && gap * gap >= best)
            continue;
        if (node.left >= 0) {
            stack[top++] = node.right;
            stack[top++] = node.left;
            continue;
        }
        for (int q = node.begin; q < node.end; ++q)
            if (q != self)
                best = std::min(best, std::norm(z - Complex(m_re[q], m_im[q])));
    }
    return std::sqrt(best);
}

}  // namespace zsolve
