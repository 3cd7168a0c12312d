#pragma once

#include "CRealArray.h"

#include <optional>
#include <string>

// The coefficients of a file as the import reads it, chosen by its content and name: a
// NumPy .npy file by its magic (ParseNpy); by the extension, in either case, .json
// (ParseCoefficientJson), .coe, .mif and .hex (ParseWordFile, with bits, 8 .. 32, the
// word length the user gave, if any), each after a UTF-8 byte-order mark if there is one;
// every other file as coefficient text
// (ParseCoefficientText). A file that cannot be read as such: CoefficientTextError (a coe or
// hex file that needs bits and was given none: WordLengthMissing).
CRealArray ParseCoefficientFile(const std::string& bytes, const std::string& path, std::optional<int> bits = std::nullopt);
