#include "WordFormats.h"

#include "FixedPoint.h"

#include <cstdint>

namespace {

// The comment of each format: what the quantization did and the line the import reads.
std::string comment(const CQuantization& q, int bits, const char* prefix)
{
    std::string text;
    for (const text::CMessage& line : DescribeQuantization(q))
        text += std::string(prefix) + " " + line.English() + "\n";
    return text + prefix + " words of " + std::to_string(bits) + " bits, scale shift " + std::to_string(q.nShift) + "\n";
}

// value as a bits-bit two's-complement word in ceil(bits / 4) hex digits.
std::string hexWord(std::int64_t value, int bits)
{
    std::uint64_t word = static_cast<std::uint64_t>(value) & ((std::uint64_t(1) << bits) - 1);
    std::string digits(static_cast<size_t>((bits + 3) / 4), '0');
    for (size_t i = digits.size(); i-- > 0; word >>= 4)
        digits[i] = "0123456789ABCDEF"[word & 0xF];
    return digits;
}

std::string coeText(const CQuantization& q, int bits)
{
    std::string text = comment(q, bits, ";") + "radix=10;\ncoefdata=\n";
    for (size_t n = 0; n < q.values.size(); ++n)
        text += std::to_string(q.values[n]) + (n + 1 < q.values.size() ? ",\n" : ";\n");
    return text;
}

std::string mifText(const CQuantization& q, int bits)
{
    std::string text = comment(q, bits, "--") + "WIDTH=" + std::to_string(bits) + ";\nDEPTH="
        + std::to_string(q.values.size()) + ";\nADDRESS_RADIX=UNS;\nDATA_RADIX=HEX;\nCONTENT BEGIN\n";
    for (size_t n = 0; n < q.values.size(); ++n)
        text += "    " + std::to_string(n) + " : " + hexWord(q.values[n], bits) + ";\n";
    return text + "END;\n";
}

std::string hexText(const CQuantization& q, int bits)
{
    std::string text = comment(q, bits, "//");
    for (const std::int64_t value : q.values)
        text += hexWord(value, bits) + "\n";
    return text;
}

}  // namespace

std::string FormatWordFile(const CRealArray& h, WordFormat format, int bits,
    const std::optional<CRequirements>& requirements)
{
    const CQuantization q = QuantizeCoefficients(h, bits - 1, requirements);
    switch (format) {
    case WordFormat::Coe: return coeText(q, bits);
    case WordFormat::Mif: return mifText(q, bits);
    default: return hexText(q, bits);
    }
}
