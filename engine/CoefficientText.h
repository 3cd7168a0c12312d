#pragma once

#include "CRealArray.h"

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

class CoefficientTextError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Numbers separated by blanks or commas. Comments from "//" to the end of a line, a
// leading "double NAME[] =" and the braces and semicolon around the numbers are skipped,
// so that a file written by FormatCoefficientText reads back. A word that is not a finite
// number, or no number at all: CoefficientTextError naming the line.
CRealArray ParseCoefficientText(const std::string& text);
