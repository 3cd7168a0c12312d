#pragma once

#include "CoefficientExport.h"

#include <string>

// The coefficients as a JSON document for scripts:
//   {"format": "filter-coefficients", "version": 1, "length": N, "coefficients": [...],
//    "type": ..., "design": {...}, "requirements": {...}, "sample_rate_hz": ...,
//    "measurements": {...}}
// with numbers at full precision (they read back bit for bit); docs/coefficients.schema.json
// describes it.

// The document of h (1 .. kMaxFilterLength finite values) with the design, requirements
// and measurements (MeasureFilter against the requirements) of context; "type" is the
// design's type, else the requirements', else null; "sample_rate_hz" only with one.
std::string FormatCoefficientJson(const CRealArray& h, const CExportContext& context);

// The coefficients of such a document, or of a bare JSON list of numbers: 1 ..
// kMaxFilterLength finite numbers. Anything else: CoefficientTextError saying what.
CRealArray ParseCoefficientJson(const std::string& bytes);
