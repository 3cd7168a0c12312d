#pragma once

#include <string>

// The name an export gives its array (and, in upper case, its macros and include guard):
// a C identifier that is also a MATLAB/Octave variable name, so that several exported
// filters can live in one program.

// The longest name taken: with the longest macro suffix ("_STATE_SIZE") it stays within
// the 63 characters C compilers tell apart.
constexpr size_t kMaxExportNameLength = 48;

// Why name cannot name an export ("the name must begin with a letter ..."), in the user's
// language; empty when it can: a letter, then letters, digits and underscores, at most
// kMaxExportNameLength characters, and no keyword of C or MATLAB.
std::string CheckExportName(const std::string& name);

// The name made from the base name of the file at path (folders and the last extension
// dropped: "out/low_q15.h" gives "low_q15"): each run of characters other than ASCII
// letters, digits and underscores becomes one underscore, leading underscores go, a name
// that would not begin with a letter gets "filter_" in front, a keyword gets "_" after it,
// and a name too long is cut. The result always passes CheckExportName.
std::string ExportNameFromPath(const std::string& path);
