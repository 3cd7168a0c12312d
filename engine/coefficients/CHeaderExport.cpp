#include "CHeaderExport.h"

#include "FixedPoint.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

namespace detail {

namespace {

// A C header declaring one array: its comment, include, macros (named with the array's
// name in upper case as prefix) and elements, each with a label in a trailing comment.
struct CHeader {
    std::string strName;
    std::vector<std::string> comment;
    std::string strInclude;
    std::vector<std::pair<std::string, std::string>> defines;
    std::string strType;
    std::string strCountMacro;
    std::vector<std::string> values;
    std::vector<std::string> labels;
};

std::string upper(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string headerText(const CHeader& header)
{
    const std::string prefix = upper(header.strName) + "_";
    std::string text;
    for (const std::string& line : header.comment)
        text += line.empty() ? "//\n" : "// " + line + "\n";
    text += "#ifndef " + prefix + "H\n#define " + prefix + "H\n\n#include " + header.strInclude + "\n\n";
    for (const auto& [name, value] : header.defines)
        text += "#define " + prefix + name + " " + value + "\n";
    text += "\nstatic const " + header.strType + " " + header.strName + "[" + prefix + header.strCountMacro + "] = {\n";
    for (size_t i = 0; i < header.values.size(); ++i)
        text += "    " + header.values[i] + (i + 1 < header.values.size() ? "," : "") + "\t// " + header.labels[i] + "\n";
    return text + "};\n\n#endif\n";
}

std::string tapLabel(int n, int count) { return n < count ? "h[" + std::to_string(n) + "]" : "zero tap"; }

bool isSymmetric(const CRealArray& h)
{
    for (int n = 0; n < h.GetSize() / 2; ++n)
        if (h[n] != h[h.GetSize() - 1 - n])
            return false;
    return true;
}

std::string floatValue(double value)
{
    const float single = static_cast<float>(value);
    if (!std::isfinite(single))
        throw std::invalid_argument(text::Tr("CHeaderExport", "a coefficient is too large for float32_t"));
    // 9 digits read back as the same float; a point makes an integer value a float constant.
    const std::string digits = FormatGeneral(single, 9);
    return digits + (digits.find_first_of(".e") == std::string::npos ? ".0f" : "f");
}

// The element values of taps in the stored order, and the lines that describe rounding.
void fillDspValues(const CRealArray& taps, int fractionBits, const std::optional<CRequirements>& requirements,
    CHeader& header)
{
    std::vector<text::CMessage> rounding = {DescribeFloatRounding(taps)};
    std::vector<std::int64_t> fixed;
    if (fractionBits != 0) {
        const CQuantization q = QuantizeCoefficients(taps, fractionBits, requirements);
        rounding = DescribeQuantization(q);
        fixed = q.values;
        header.defines.emplace_back("SCALE_SHIFT", std::to_string(q.nShift));
    }
    for (int k = taps.GetSize() - 1; k >= 0; --k)
        header.values.push_back(fractionBits ? std::to_string(fixed[static_cast<size_t>(k)]) : floatValue(taps[k]));
    for (const text::CMessage& line : rounding)
        header.comment.push_back(line.English());
}

std::vector<std::string> dspComment(const CRealArray& h, int taps, int blockSize, const std::string& kind,
    const std::string& prefix)
{
    const int n = h.GetSize();
    std::vector<std::string> lines = {
        "Coefficients of an FIR filter with " + std::to_string(n) + " taps for the Cortex-M DSP library's FIR functions",
        "arm_fir_init_" + kind + " and arm_fir_" + kind + ".",
        "Stored time-reversed, as those functions expect: element k holds h[numTaps - 1 - k]."
            + std::string(isSymmetric(h) ? " The filter is symmetric, so the order is the same." : ""),
    };
    if (taps > n)
        lines.push_back("The Q15 functions take an even number of taps, at least 4: "
            + (taps - n == 1 ? std::string("a zero tap follows") : std::to_string(taps - n) + " zero taps follow")
            + " h[" + std::to_string(n - 1) + "], which leaves the response as it is.");
    lines.push_back("State buffer: numTaps + blockSize - 1 = " + std::to_string(taps + blockSize - 1) + " samples ("
        + prefix + "STATE_SIZE) for blocks of " + std::to_string(blockSize) + " samples (" + prefix + "BLOCK_SIZE).");
    return lines;
}

std::vector<std::string> dspUsage(const std::string& kind, const std::string& type, const std::string& name,
    const std::string& prefix)
{
    return {"", "Use:", "  static " + type + " state[" + prefix + "STATE_SIZE];", "  arm_fir_instance_" + kind + " fir;",
        "  arm_fir_init_" + kind + "(&fir, " + prefix + "NUM_TAPS, " + name + ", state, " + prefix + "BLOCK_SIZE);",
        "  arm_fir_" + kind + "(&fir, input, output, " + prefix + "BLOCK_SIZE);"};
}

}  // namespace

std::string FixedPointHeader(const CRealArray& h, int fractionBits,
    const std::optional<CRequirements>& requirements, const std::string& baseName)
{
    const CQuantization q = QuantizeCoefficients(h, fractionBits, requirements);
    CHeader header;
    header.strName = baseName;
    header.comment = {"Coefficients h[0] .. h[" + std::to_string(h.GetSize() - 1) + "] of an FIR filter with "
        + std::to_string(h.GetSize()) + " taps, in fixed point."};
    for (const text::CMessage& line : DescribeQuantization(q))
        header.comment.push_back(line.English());
    header.strInclude = "<stdint.h>";
    header.defines = {{"LENGTH", std::to_string(h.GetSize())}, {"SCALE_SHIFT", std::to_string(q.nShift)}};
    header.strType = fractionBits == 15 ? "int16_t" : "int32_t";
    header.strCountMacro = "LENGTH";
    for (int n = 0; n < h.GetSize(); ++n) {
        header.values.push_back(std::to_string(q.values[static_cast<size_t>(n)]));
        header.labels.push_back(tapLabel(n, h.GetSize()));
    }
    return headerText(header);
}

std::string DspHeader(const CRealArray& h, int fractionBits, int blockSize,
    const std::optional<CRequirements>& requirements, const std::string& baseName)
{
    const std::string kind = fractionBits == 0 ? "f32" : "q" + std::to_string(fractionBits);
    const std::string type = kind == "f32" ? "float32_t" : kind + "_t";
    const std::string prefix = upper(baseName) + "_";
    const CRealArray taps = DspTaps(h, fractionBits);
    CHeader header;
    header.strName = baseName;
    header.comment = dspComment(h, taps.GetSize(), blockSize, kind, prefix);
    header.strInclude = "\"arm_math.h\"";
    header.defines = {{"NUM_TAPS", std::to_string(taps.GetSize())}, {"BLOCK_SIZE", std::to_string(blockSize)},
        {"STATE_SIZE", "(" + prefix + "NUM_TAPS + " + prefix + "BLOCK_SIZE - 1)"}, {"TIME_REVERSED", "1"}};
    if (taps.GetSize() > h.GetSize())  // the import drops the zero taps again
        header.defines.emplace_back("PADDING_TAPS", std::to_string(taps.GetSize() - h.GetSize()));
    fillDspValues(taps, fractionBits, requirements, header);
    const std::vector<std::string> usage = dspUsage(kind, type, baseName, prefix);
    header.comment.insert(header.comment.end(), usage.begin(), usage.end());
    header.strType = type;
    header.strCountMacro = "NUM_TAPS";
    for (int k = taps.GetSize() - 1; k >= 0; --k)
        header.labels.push_back(tapLabel(k, h.GetSize()));
    return headerText(header);
}

CRealArray DspTaps(const CRealArray& h, int fractionBits)
{
    const int count = fractionBits == 15 ? std::max(4, h.GetSize() + h.GetSize() % 2) : h.GetSize();
    if (count > 65535)
        throw std::invalid_argument(
            text::Tr("CHeaderExport", "the DSP library's FIR functions take at most 65535 taps"));
    CRealArray taps(count);
    taps = h;  // zeros after h's end
    return taps;
}

text::CMessage DescribeFloatRounding(const CRealArray& h)
{
    double error = 0.0;
    for (int n = 0; n < h.GetSize(); ++n)
        error = std::max(error, std::abs(h[n] - static_cast<double>(static_cast<float>(h[n]))));
    return text::Tr("CHeaderExport", "Values rounded to the nearest float32_t; largest coefficient error: %1.")
        .arg(FormatGeneral(error, 3));
}

}  // namespace detail
