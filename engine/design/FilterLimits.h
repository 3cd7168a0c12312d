#pragma once

// The longest filter the workbench handles: designs, imports, exports and the zeros' exchange
// files, which count their records in 16 bits.
constexpr int kMaxFilterLength = 65535;

// The largest magnitude a coefficient may have. Sums over kMaxFilterLength coefficients,
// of their squares too, and those sums times the length again (the response, its power and
// the group delay's weighted transform) then stay far inside the range of a double, so
// that every figure computed from the coefficients is finite.
constexpr double kMaxCoefficientMagnitude = 1e100;
