#pragma once

#include <optional>
#include <string>

// Numbers as the dialogs and the data form read and write them: independent of the locale.

// A decimal number in ordinary or exponent notation with optional sign and surrounding
// blanks ("1", "-0.5", ".25", "1e-3"). Anything else, including "nan" and "inf", and a
// value that overflows a double: nullopt.
std::optional<double> ParseDouble(const std::string& text);
// An optional sign and decimal digits, with surrounding blanks, within the range of int.
std::optional<int> ParseInt(const std::string& text);
// General notation with up to 15 significant digits ("0.5", "60", "1e-05").
std::string FormatDouble(double value);
// Decimal digits with a minus sign when negative.
std::string FormatInt(int value);
// printf's %g with the given precision, in the C locale.
std::string FormatGeneral(double value, int precision);
