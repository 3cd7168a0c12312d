#pragma once

// What the defines and the array declaration of a C header say about the values between
// its braces, and the checks that hold them to it: an integer element type takes whole
// numbers in its range, a length define and a numeric array size must match the count of
// values, and each define the reader knows comes once.

#include "CRealArray.h"
#include "CoefficientTokens.h"

#include <optional>
#include <string_view>
#include <vector>

namespace detail {

// A value as read, with where it stands: its token and place, for messages.
struct CReadValue {
    double value;
    std::string_view token;
    CPlace place;
};

class CDeclaration {
public:
    // A "#define NAME VALUE" at place. The reader knows the names ending in _SCALE_SHIFT
    // (0 .. 1024: every value times 2^VALUE), _TIME_REVERSED (0 or 1: 1 reverses the
    // order), _LENGTH and _NUM_TAPS (the count of values), _PADDING_TAPS (0 .. 3 zero taps
    // that follow the filter's own, dropped); it takes each once and ignores the others. The views must outlive this object. Throws CoefficientTextError.
    void Define(std::string_view name, std::string_view value, const CPlace& place);
    // The array's element type, by the fraction bits its integers carry (15, 31; 0 for
    // floating point), and its name in C.
    void SetElementType(int fractionBits, std::string_view typeName);
    // The array's size between the brackets, a number or a macro's name, at place.
    void SetSize(std::string_view size, const CPlace& place);

    // Refuses a value the element type cannot hold: a fraction, or a number out of the
    // range of int16_t or int32_t. Throws CoefficientTextError.
    void CheckValue(const CReadValue& value) const;
    // The coefficients the values stand for, scaled and in order, once the count agrees
    // with the length define and a numeric size, and every scaled value lies within
    // kMaxCoefficientMagnitude. Throws CoefficientTextError.
    CRealArray Coefficients(const std::vector<CReadValue>& values) const;

private:
    // A known define: its value and place, once seen.
    struct CDefine {
        std::string_view name;
        std::string_view value;
        CPlace place;
    };
    void CheckCount(size_t count) const;
    CRealArray Unpadded(const CRealArray& coefficients) const;
    double Scaled(const CReadValue& value) const;

    std::optional<CDefine> m_shift, m_reversed, m_length, m_padding;
    int m_nShift = 0;
    int m_nFractionBits = 0;
    std::string_view m_typeName;
    std::optional<CDefine> m_size;  // the array's size, as a define of no name
};

}  // namespace detail
