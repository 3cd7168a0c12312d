#include "CoefficientDeclaration.h"

#include "FilterLimits.h"
#include "Message.h"
#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace detail {

namespace {

// The largest scale shift a finite double can need: 2^1024 exceeds every double.
constexpr int kMaxShift = 1024;
// The most zero taps a DSP header pads with: 1 tap to 4.
constexpr size_t kMaxPaddingTaps = 3;

// text as a whole number, or nullopt when it is not one (or is too large for size_t).
std::optional<size_t> wholeNumber(std::string_view text)
{
    size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace

void CDeclaration::Define(std::string_view name, std::string_view value, const CPlace& place)
{
    std::optional<CDefine>* known = endsWith(name, "_SCALE_SHIFT") ? &m_shift
        : endsWith(name, "_TIME_REVERSED")                          ? &m_reversed
        : endsWith(name, "_LENGTH") || endsWith(name, "_NUM_TAPS")  ? &m_length
        : endsWith(name, "_PADDING_TAPS")                           ? &m_padding
                                                                    : nullptr;
    if (!known)
        return;
    if (*known) {
        const text::CMessage kind = known == &m_shift ? text::Tr("CoefficientParser", "the scale shift")
            : known == &m_reversed                    ? text::Tr("CoefficientParser", "the time reversal")
            : known == &m_padding                     ? text::Tr("CoefficientParser", "the padding")
                                                      : text::Tr("CoefficientParser", "the length");
        failAt(place, text::Tr("CoefficientParser", "%1 defines %2 a second time (first on line %3)")
                          .arg(std::string(name))
                          .arg(kind)
                          .arg((*known)->place.nLine));
    }
    *known = CDefine{name, value, place};
    const std::optional<size_t> number = wholeNumber(value);
    if (known == &m_shift && !(number && *number <= kMaxShift))
        failAt(place, text::Tr("CoefficientParser", "the scale shift %1 is not a whole number from 0 to %2")
                          .arg(quoted(value))
                          .arg(kMaxShift));
    if (known == &m_reversed && !(number && *number <= 1 && value.size() == 1))
        failAt(place, text::Tr("CoefficientParser", "the time reversal %1 is neither 0 nor 1").arg(quoted(value)));
    if (known == &m_padding && !(number && *number <= kMaxPaddingTaps))
        failAt(place, text::Tr("CoefficientParser", "the padding %1 is not a whole number from 0 to %2")
                          .arg(quoted(value))
                          .arg(kMaxPaddingTaps));
    if (known == &m_length && !number)
        failAt(place, text::Tr("CoefficientParser", "the length %1 is not a whole number").arg(quoted(value)));
    if (known == &m_shift)
        m_nShift = static_cast<int>(*number);
}

void CDeclaration::SetElementType(int fractionBits, std::string_view typeName)
{
    m_nFractionBits = fractionBits;
    m_typeName = typeName;
}

void CDeclaration::SetSize(std::string_view size, const CPlace& place) { m_size = CDefine{{}, size, place}; }

void CDeclaration::CheckValue(const CReadValue& value) const
{
    if (m_nFractionBits == 0)
        return;
    const std::string type(m_typeName);
    if (std::floor(value.value) != value.value)
        failAt(value.place, text::Tr("CoefficientParser", "%1 is not a whole number, as an element of %2 must be")
                                .arg(quoted(value.token))
                                .arg(type));
    const double lowest = -std::ldexp(1.0, m_nFractionBits);
    if (value.value < lowest || value.value > -lowest - 1)
        failAt(value.place, text::Tr("CoefficientParser", "%1 is outside the range of %2, %3 to %4")
                                .arg(quoted(value.token))
                                .arg(type)
                                .arg(FormatGeneral(lowest, 17))
                                .arg(FormatGeneral(-lowest - 1, 17)));
}

void CDeclaration::CheckCount(size_t count) const
{
    if (m_length && wholeNumber(m_length->value) != count)
        failAt(m_length->place, text::Tr("CoefficientParser", "%1 gives %2 values, but the text holds %3")
                                    .arg(std::string(m_length->name))
                                    .arg(std::string(m_length->value))
                                    .arg(count));
    const bool numericSize = m_size && !m_size->value.empty() && isDigit(m_size->value.front());
    if (numericSize && wholeNumber(m_size->value) != count)
        failAt(m_size->place, text::Tr("CoefficientParser", "the array is declared with %1 elements, but holds %2")
                                  .arg(quoted(m_size->value))
                                  .arg(count));
}

double CDeclaration::Scaled(const CReadValue& value) const
{
    const int exponent = m_nShift - m_nFractionBits;
    const double scaled = std::ldexp(value.value, exponent);
    if (std::fabs(scaled) <= kMaxCoefficientMagnitude)
        return scaled;
    const std::string limit = FormatGeneral(kMaxCoefficientMagnitude, 6);
    if (exponent == 0)
        failAt(value.place, text::Tr("CoefficientParser", "%1 is beyond ±%2, the largest magnitude a coefficient may have")
                                .arg(quoted(value.token))
                                .arg(limit));
    failAt(value.place,
        text::Tr("CoefficientParser", "%1 times 2^%2 is beyond ±%3, the largest magnitude a coefficient may have")
            .arg(quoted(value.token))
            .arg(exponent)
            .arg(limit));
}

CRealArray CDeclaration::Coefficients(const std::vector<CReadValue>& values) const
{
    CheckCount(values.size());
    CRealArray coefficients(static_cast<int>(values.size()));
    std::transform(values.begin(), values.end(), coefficients.data(), [this](const CReadValue& v) { return Scaled(v); });
    const bool reversed = m_reversed && m_reversed->value == "1";
    if (reversed)
        std::reverse(coefficients.data(), coefficients.data() + coefficients.GetSize());
    return Unpadded(coefficients);
}

// The coefficients without the zero taps the padding define says follow them.
CRealArray CDeclaration::Unpadded(const CRealArray& coefficients) const
{
    const int padding = m_padding ? static_cast<int>(*wholeNumber(m_padding->value)) : 0;
    const int length = coefficients.GetSize() - padding;
    if (length < 1 || std::any_of(coefficients.data() + length, coefficients.data() + coefficients.GetSize(),
                          [](double tap) { return tap != 0.0; }))
        failAt(m_padding->place, text::Tr("CoefficientParser", "%1 zero taps cannot follow these %2 values")
                                     .arg(padding)
                                     .arg(coefficients.GetSize()));
    CRealArray taps(length);
    std::copy(coefficients.data(), coefficients.data() + length, taps.data());
    return taps;
}

}  // namespace detail
