#pragma once

#include "Requirements.h"

#include <stdexcept>
#include <string>

// The requirements of a document in a small JSON file beside it, so that the document's
// own file keeps its format:
//   {"format": "filter-requirements", "version": 1, "type": "lowpass",
//    "edges": [0.2, 0.25], "ripple_db": 0.1, "attenuation_db": 60}
// A multiband filter, differentiator or Hilbert transformer adds the gain of each band,
// its edges in pairs:
//   {..., "type": "multiband", "edges": [0, 0.1, 0.15, 0.3], "gains": [1, 0], ...}

// A requirements file that cannot be taken; what() says why.
class CRequirementsFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest requirements file read: 64 KiB.
constexpr size_t kMaxRequirementsFileBytes = size_t{64} << 10;

// The requirements file of the document at documentPath: its full path followed by
// ".requirements.json" ("band.flt" keeps its requirements in "band.flt.requirements.json").
std::string RequirementsPath(const std::string& documentPath);

// The JSON text of r (well formed), numbers in full precision.
std::string FormatRequirementsJson(const CRequirements& r);
// The requirements in bytes, checked by CheckRequirements. Anything else (not JSON, another
// format or version, a missing or mistyped field, values out of range):
// CRequirementsFileError saying what is wrong.
CRequirements ParseRequirementsJson(const std::string& bytes);

// Reads the requirements file at path (bounded by kMaxRequirementsFileBytes). Throws
// exchange::FileError when it cannot be read, CRequirementsFileError when it is damaged.
CRequirements ReadRequirementsFile(const std::string& path);
// Writes r to path atomically. Throws exchange::FileError.
void WriteRequirementsFile(const std::string& path, const CRequirements& r);
