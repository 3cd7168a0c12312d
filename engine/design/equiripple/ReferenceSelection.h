#pragma once

#include "ExtremumSearch.h"

#include <vector>

namespace equiripple {

// The next reference of the exchange from candidates in increasing frequency (the local
// extrema of the error above the levelled deviation, and the points of the previous
// reference): of each run of the same sign the largest; then the smallest removed,
// keeping the signs alternating, down to count points. Fewer when fewer alternate.
std::vector<CExtremum> NextReference(const std::vector<CExtremum>& candidates, size_t count);

}  // namespace equiripple
