#pragma once

#include "CRealArray.h"

#include <string>

// NumPy's .npy file of a one-dimensional array, as numpy.save writes it and numpy.load
// reads it: the magic "\x93NUMPY", a version, the header's length and a Python dict
// literal giving the element type, the order and the shape, then the elements.

// True when bytes begin with the .npy magic.
bool IsNpyFile(const std::string& bytes);

// h (1 .. kMaxFilterLength values) as a version 1.0 file of float64 ('<f8'), shape (N,),
// the header padded so that the data begins at a multiple of 64 bytes.
std::string FormatNpy(const CRealArray& h);

// The values of a .npy file of version 1, 2 or 3 holding float64 or float32 in either byte
// order ('<f8', '>f8', '<f4', '>f4'), of shape (N,), (1, N) or (N, 1), 1 <= N <=
// kMaxFilterLength, every value finite; float32 values are widened exactly. Anything
// else (another type, more dimensions, a short or long data part): CoefficientTextError
// saying what is wrong.
CRealArray ParseNpy(const std::string& bytes);
