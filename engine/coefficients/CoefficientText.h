#pragma once

#include "CRealArray.h"
#include "FilterLimits.h"

#include <stdexcept>
#include <string>

// The coefficients as the definition of a C array of doubles named beta, one value a line
// with its index in a comment, every line ending in "\r\n":
//   double beta[] =
//   {<tab>h[0],<tab>// 0
//   <tab>h[1],<tab>// 1 ...
//   <tab>h[N-1]<tab>// N-1
//   };
// Values as printf's %lg (six significant digits). N >= 1, else std::invalid_argument.
std::string FormatCoefficientText(const CRealArray& coefficients);

// Why coefficients cannot be a filter's: the first that is not finite or whose magnitude
// exceeds kMaxCoefficientMagnitude, as "coefficient i is beyond ...", counted from 0;
// empty when every one can.
std::string CheckCoefficientMagnitudes(const CRealArray& coefficients);

class CoefficientTextError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};


// Reads a list of coefficients, in one pass over the text (time linear in its length,
// constant stack):
// - decimal numbers ("1", "-0.5", ".25", "1e-3", a C float suffix "0.5f") separated by
//   white space, commas or semicolons;
// - comments: "#" and "//" to the end of the line, "/* ... */";
// - a first line of column names (a CSV header such as "index,coefficient"): when it names
//   several columns, every later line holds that many numbers and the value is taken from
//   the column named "coefficient" or "value", else from the last;
// - one C array "TYPE NAME[SIZE] = { ... };", SIZE optional, as the exports write it. An
//   int16_t or q15_t array holds Q15 integers (value / 2^15), an int32_t or q31_t array Q31
//   integers (value / 2^31). "#define <NAME>_SCALE_SHIFT k" (0 .. 1024) multiplies every
//   value by 2^k; "#define <NAME>_TIME_REVERSED 1" reverses the order.
// A UTF-8 byte-order mark may begin the text. A constant with C's float suffix ("0.1f") is
// read as the float it stands for, widened exactly. "#define <NAME>_PADDING_TAPS k"
// (0 .. 3) drops the k zero taps a DSP header appended.
// A line such as "0,1" (two values joined by a comma between digits) in a text whose other
// lines hold one number each is refused as ambiguous (a decimal comma?). A byte no text
// holds (a NUL, another control character): "binary content at line L, column C".
// Anything else, a value that is not finite, no number at all or more than
// kMaxFilterLength values: CoefficientTextError, whose message begins
// "line L, column C: " (both counted from 1, columns in characters).
CRealArray ParseCoefficientText(const std::string& text);
