#include "ZeroRings.h"

#include "CircleSamples.h"
#include "Parallel.h"

#include <algorithm>
#include <cmath>

namespace zsolve {

namespace {

// The count of a circle that no walk reached (-1 stands for a count that failed).
constexpr int kUnreached = -2;

// A circle with more steps of its phase in doubt than this is tried elsewhere.
constexpr int kDoubtfulSteps = 8;

// The golden angle: rings turned by successive multiples of it never line up their points.
constexpr double kGoldenTurn = 2.399963229728653;

// The phase of p along a circle, unwrapped, and the mean of log |p| over it.
struct CirclePhase {
    std::vector<double> phase;  // M + 1 values from 0; empty when a value of p is 0
    double meanLog = NAN;
    int doubtful = 0;           // steps whose branch is in doubt

    int Winding() const { return phase.empty() ? -1 : static_cast<int>(std::lround(phase.back() / (2.0 * M_PI))); }
};

// The phase from the values of p and of z p'(z) at the angles -2 pi j / M (so the phase
// grows with j); its last value is 2 pi times the number of zeros inside the circle. The
// phase's rate there is Re(z p' / p); each step between neighbouring samples is taken as
// the one of its values 2 pi apart nearest to the trapezoidal rule's estimate from the
// rates at its ends, right unless a zero lies far nearer the circle than the samples lie
// to each other. A step whose rates at its two ends differ by more than a radian per step
// is doubtful (a zero lies that near, and the rate is no guide): it is taken in
// (-pi, pi], the change past a single zero. log2Scale: of the factor the values were
// divided by.
CirclePhase SampledPhase(const CComplexArray& values, const CComplexArray& slopes, double log2Scale)
{
    const int points = values.GetSize();
    const auto rate = [&](int j) {
        return (Complex(slopes[j].re, slopes[j].im) / Complex(values[j].re, values[j].im)).real();
    };
    CirclePhase result;
    std::vector<double> phase(1, 0.0);
    double sum = 0.0, previousRate = rate(0);
    for (int j = 0; j < points; ++j) {
        const CComplex& a = values[j];
        const CComplex& b = values[(j + 1) % points];
        if ((a.re == 0.0 && a.im == 0.0) || (b.re == 0.0 && b.im == 0.0))
            return result;
        const double nextRate = rate((j + 1) % points);
        const double estimate = (previousRate + nextRate) * M_PI / points;
        const double step = std::atan2(a.im * b.re - a.re * b.im, a.re * b.re + a.im * b.im);  // arg(a / b)
        const bool doubtful = !(std::fabs(nextRate - previousRate) * 2.0 * M_PI / points <= 1.0);
        result.doubtful += doubtful;
        phase.push_back(phase.back() + (doubtful ? step : step + 2.0 * M_PI * std::round((estimate - step) / (2.0 * M_PI))));
        sum += std::log(std::hypot(a.re, a.im));
        previousRate = nextRate;
    }
    result.phase = std::move(phase);
    result.meanLog = sum / points + log2Scale * std::log(2.0);
    return result;
}

// The angles of the zeros between two circles, from the phases along them: the difference
// of the phases grows by 2 pi as the angle passes each zero between the circles (up to
// the change along the radial segments, which stays within about pi). The zeros are put
// where the difference passes 2 pi (k + 1/2), k = 0 .. count - 1.
std::vector<double> RingAngles(const CirclePhase& inner, const CirclePhase& outer, int count)
{
    std::vector<double> angles;
    if (inner.phase.empty() || outer.phase.empty())
        return angles;
    const size_t points = inner.phase.size() - 1;
    size_t j = 1;
    double below = 0.0, above = outer.phase[1] - inner.phase[1];
    for (int k = 0; k < count; ++k) {
        const double level = 2.0 * M_PI * (k + 0.5);
        while (above < level && j < points) {
            below = above;
            ++j;
            above = outer.phase[j] - inner.phase[j];
        }
        const double fraction = above > below ? std::clamp((level - below) / (above - below), 0.0, 1.0) : 0.0;
        angles.push_back(-2.0 * M_PI * (static_cast<double>(j) - 1.0 + fraction) / points);
    }
    return angles;
}

// Counts the zeros of one polynomial inside the circles of a grid, walking outward and
// inward from the middle on two threads.
class CRingCounter {
public:
    CRingCounter(const std::vector<Complex>& c, double ringWidth, int circles)
        : m_c(c), m_degree(static_cast<int>(c.size()) - 1), m_circles(circles),
          m_step(ringWidth / m_degree / std::log(2.0))
    {
        m_log2Mean = (std::log2(std::abs(c.front())) - std::log2(std::abs(c.back()))) / m_degree;
        for (int l = 0; l < circles; ++l)
            m_rings.log2Radius.push_back(GridRadius(l));
        m_rings.inside.assign(static_cast<size_t>(circles), kUnreached);
        m_rings.meanLog.assign(static_cast<size_t>(circles), NAN);
        m_rings.angles.resize(static_cast<size_t>(circles) - 1);
        while (m_points < 4 * (m_degree + 1))
            m_points *= 2;
    }

    ZeroRings Count()
    {
        const int circles = m_rings.Circles(), middle = circles / 2;
        SplitWork(2, 1e9, [this, middle](int begin, int) { Walk(middle, begin == 0 ? -1 : 1); });
        int below = 0;
        for (int l = 0; l < circles; ++l) {
            int& count = m_rings.inside[static_cast<size_t>(l)];
            count = count == kUnreached ? (l < middle ? 0 : m_degree) : count;
            count = std::clamp(count, below, m_degree);  // a failed count (-1) takes the one before
            below = count;
        }
        return std::move(m_rings);
    }

private:
    // log2 of the radius of circle l on the grid.
    double GridRadius(int l) const { return m_log2Mean + (l - (m_circles - 1) / 2.0) * m_step; }

    // The phase along the circle of that radius.
    CirclePhase Sample(double log2Radius) const
    {
        const double quantized = QuantizedLog2(std::exp2(log2Radius));
        double log2Scale = 0.0;
        const std::vector<double> weights = CircleWeights(m_c, quantized, &log2Scale);
        return SampledPhase(SamplesOnCircle(m_c, weights, m_points), SlopesOnCircle(m_c, weights, m_points), log2Scale);
    }

    // The phase along circle l; where more than kDoubtfulSteps of its steps are in doubt,
    // along the circle half a ring inward or outward instead if fewer are there: a circle
    // through a line of zeros (those of a linear-phase filter's pass band lie on one)
    // blurs the places of the zeros on both sides of it. The radius taken is recorded
    // when record is set.
    CirclePhase Circle(int l, bool record)
    {
        double log2Radius = GridRadius(l);
        CirclePhase best = Sample(log2Radius);
        for (const double shift : {0.5, -0.5}) {
            if (best.doubtful <= kDoubtfulSteps && !best.phase.empty())
                break;
            CirclePhase tried = Sample(GridRadius(l) + shift * m_step);
            if (!tried.phase.empty() && (best.phase.empty() || tried.doubtful < best.doubtful)) {
                best = std::move(tried);
                log2Radius = GridRadius(l) + shift * m_step;
            }
        }
        if (record)
            m_rings.log2Radius[static_cast<size_t>(l)] = log2Radius;
        return best;
    }

    // Walks from circle from in direction (+1 outward, -1 inward): counts the zeros inside
    // each circle passed (from itself only outward, so that the two walks share no count)
    // and places the zeros of each ring passed, until a circle holds all zeros (outward) or
    // none (inward). The circles not reached keep the count kUnreached.
    void Walk(int from, int direction)
    {
        const bool outward = direction > 0;
        CirclePhase previous = Circle(from, outward);
        if (outward) {
            m_rings.inside[static_cast<size_t>(from)] = previous.Winding();
            m_rings.meanLog[static_cast<size_t>(from)] = previous.meanLog;
        }
        for (int l = from + direction; l >= 0 && l < m_rings.Circles(); l += direction) {
            CirclePhase current = Circle(l, true);
            m_rings.inside[static_cast<size_t>(l)] = current.Winding();
            m_rings.meanLog[static_cast<size_t>(l)] = current.meanLog;
            const CirclePhase& inner = outward ? previous : current;
            const CirclePhase& outer = outward ? current : previous;
            m_rings.angles[static_cast<size_t>(std::min(l, l - direction))] =
                RingAngles(inner, outer, outer.Winding() - inner.Winding());
            if (m_rings.inside[static_cast<size_t>(l)] == (outward ? m_degree : 0))
                return;
            previous = std::move(current);
        }
    }

    const std::vector<Complex>& m_c;
    int m_degree;
    int m_circles;
    double m_step;  // of the grid, in log2 radius
    double m_log2Mean = 0.0;
    int m_points = 1;
    ZeroRings m_rings;
};

// Angle j of count spread like the angles found (in the order found, the angle falling):
// the found ones themselves when there are count of them, else read off between them, so
// that a ring whose count was corrected keeps the places of its zeros.
double Resampled(const std::vector<double>& angles, int j, int count)
{
    const double at = (j + 0.5) * static_cast<double>(angles.size()) / count - 0.5;
    const size_t below = static_cast<size_t>(std::clamp(std::floor(at), 0.0, static_cast<double>(angles.size() - 1)));
    const size_t above = std::min(below + 1, angles.size() - 1);
    const double fraction = std::clamp(at - static_cast<double>(below), 0.0, 1.0);
    return angles[below] + fraction * (angles[above] - angles[below]);
}

}  // namespace

double ZeroRings::RingRadius(int l) const
{
    const int last = Circles() - 1;
    const auto at = [this, last](int k) {
        if (k < 0)
            return 2.0 * log2Radius[0] - log2Radius[std::min(1, last)];
        if (k > last)
            return 2.0 * log2Radius[static_cast<size_t>(last)] - log2Radius[static_cast<size_t>(std::max(0, last - 1))];
        return log2Radius[static_cast<size_t>(k)];
    };
    return std::exp2((at(l) + at(l + 1)) / 2.0);
}

double ZeroRings::ZeroRadius(int l) const
{
    // Jensen: sum over the zeros inside radius r of log |z| = N(r) log r - (mean log |p| - log |c_0|).
    const size_t a = static_cast<size_t>(l), b = a + 1;
    const int count = inside[b] - inside[a];
    const double ln2 = std::log(2.0);
    const double sum = inside[b] * log2Radius[b] * ln2 - meanLog[b] - (inside[a] * log2Radius[a] * ln2 - meanLog[a]);
    const double mean = sum / count / ln2;
    if (count <= 0 || !std::isfinite(mean))
        return RingRadius(l);
    return std::exp2(std::clamp(mean, log2Radius[a], log2Radius[b]));
}

ZeroRings CountZeroRings(const std::vector<Complex>& c, double ringWidth, int circles)
{
    return CRingCounter(c, ringWidth, std::max(2, circles + circles % 2)).Count();
}

std::vector<Complex> RingStartingPoints(const ZeroRings& rings, std::vector<Complex> fallback)
{
    std::sort(fallback.begin(), fallback.end(), [](Complex a, Complex b) { return std::abs(a) < std::abs(b); });
    const int circles = rings.Circles();
    const int d = static_cast<int>(fallback.size());
    std::vector<Complex> z;
    const double innermost = rings.RingRadius(-1), outermost = rings.RingRadius(circles - 1);
    for (int i = 0; i < rings.inside.front(); ++i)
        z.push_back(std::abs(fallback[i]) < innermost ? fallback[i] : std::polar(innermost, std::arg(fallback[i])));
    for (int l = 0; l + 1 < circles; ++l) {
        const int count = rings.inside[l + 1] - rings.inside[l];
        const std::vector<double>& angles = rings.angles[static_cast<size_t>(l)];
        for (int j = 0; j < count; ++j)
            z.push_back(std::polar(rings.ZeroRadius(l), angles.empty() ? 2.0 * M_PI * j / count + kGoldenTurn * l
                                                                       : Resampled(angles, j, count)));
    }
    for (int i = rings.inside.back(); i < d; ++i)
        z.push_back(std::abs(fallback[i]) > outermost ? fallback[i] : std::polar(outermost, std::arg(fallback[i])));
    return z;
}

}  // namespace zsolve
