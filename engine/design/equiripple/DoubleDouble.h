#pragma once

#include <cmath>

namespace equiripple {

// A value hi + lo with |lo| at most half a unit in the last place of hi: about 32
// significant digits from double operations (Dekker, Knuth), for the few values that
// need them.
struct CDoubleDouble {
    double hi, lo;
};

inline CDoubleDouble TwoSum(double a, double b)
{
    const double s = a + b, v = s - a;
    return {s, (a - (s - v)) + (b - v)};
}

inline CDoubleDouble QuickTwoSum(double a, double b)
{
    const double s = a + b;
    return {s, b - (s - a)};
}

inline CDoubleDouble Add(CDoubleDouble a, CDoubleDouble b)
{
    const CDoubleDouble s = TwoSum(a.hi, b.hi), t = TwoSum(a.lo, b.lo);
    const CDoubleDouble u = QuickTwoSum(s.hi, s.lo + t.hi);
    return QuickTwoSum(u.hi, u.lo + t.lo);
}

inline CDoubleDouble Multiply(CDoubleDouble a, CDoubleDouble b)
{
    const double p = a.hi * b.hi;
    const double e = std::fma(a.hi, b.hi, -p) + (a.hi * b.lo + a.lo * b.hi);
    return QuickTwoSum(p, e);
}

// c / d: the remainder of the first quotient divided once more.
inline CDoubleDouble Divide(double c, CDoubleDouble d)
{
    const double q = c / d.hi;
    const CDoubleDouble back = Multiply({q, 0.0}, d);
    return QuickTwoSum(q, ((c - back.hi) - back.lo) / d.hi);
}

// Brings hi to [0.5, 1) in size, keeping the value as x 2^exponent.
inline void Normalize(CDoubleDouble& x, int& exponent)
{
    int e = 0;
    std::frexp(x.hi, &e);
    x.hi = std::ldexp(x.hi, -e);
    x.lo = std::ldexp(x.lo, -e);
    exponent += e;
}

}  // namespace equiripple
