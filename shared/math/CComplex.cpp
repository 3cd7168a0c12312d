#include "CComplex.h"

#include <cmath>

double CComplex::abs() const { return std::hypot(re, im); }

double CComplex::phase() const { return std::atan2(im, re); }
