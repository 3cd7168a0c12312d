#include "CoefficientExport.h"

#include "CHeaderExport.h"
#include "FilterLimits.h"
#include "FixedPoint.h"
#include "Message.h"
#include "NumberText.h"

#include <cmath>
#include <stdexcept>

namespace {

struct CFormatEntry {
    ExportFormat format;
    const char* name;
    const char* fileName;
    int nFractionBits;
};

const CFormatEntry kFormats[] = {
    {ExportFormat::Full, "full", "beta.txt", 0},
    {ExportFormat::Csv, "csv", "beta.csv", 0},
    {ExportFormat::Q15, "q15", "beta_q15.h", 15},
    {ExportFormat::Q31, "q31", "beta_q31.h", 31},
    {ExportFormat::DspF32, "dsp-f32", "beta_dsp_f32.h", 0},
    {ExportFormat::DspQ15, "dsp-q15", "beta_dsp_q15.h", 15},
    {ExportFormat::DspQ31, "dsp-q31", "beta_dsp_q31.h", 31},
};

const CFormatEntry& entryOf(ExportFormat format)
{
    for (const CFormatEntry& entry : kFormats)
        if (entry.format == format)
            return entry;
    throw std::invalid_argument("unknown export format");
}

std::string fullText(const CRealArray& h)
{
    std::string text;
    for (int n = 0; n < h.GetSize(); ++n)
        text += FormatGeneral(h[n], 17) + "\n";
    return text;
}

std::string csvText(const CRealArray& h)
{
    std::string text = "index,coefficient\n";
    for (int n = 0; n < h.GetSize(); ++n)
        text += std::to_string(n) + "," + FormatGeneral(h[n], 17) + "\n";
    return text;
}

void checkCoefficients(const CRealArray& h)
{
    if (h.GetSize() < 1)
        throw std::invalid_argument(text::Tr("CoefficientExport", "there are no coefficients to export"));
    if (h.GetSize() > kMaxFilterLength)
        throw std::invalid_argument(
            text::Tr("CoefficientExport", "more than %1 coefficients cannot be exported").arg(kMaxFilterLength));
    for (int n = 0; n < h.GetSize(); ++n)
        if (!std::isfinite(h[n]))
            throw std::invalid_argument(text::Tr("CoefficientExport", "coefficient %1 is not finite").arg(n));
}

}  // namespace

const std::vector<ExportFormat>& ExportFormats()
{
    static const std::vector<ExportFormat> formats = {ExportFormat::Full, ExportFormat::Csv, ExportFormat::Q15,
        ExportFormat::Q31, ExportFormat::DspF32, ExportFormat::DspQ15, ExportFormat::DspQ31};
    return formats;
}

std::string ExportFormatName(ExportFormat format) { return entryOf(format).name; }

std::optional<ExportFormat> ExportFormatFromName(const std::string& name)
{
    for (const CFormatEntry& entry : kFormats)
        if (name == entry.name)
            return entry.format;
    return std::nullopt;
}

int ExportFractionBits(ExportFormat format) { return entryOf(format).nFractionBits; }

bool IsDspFormat(ExportFormat format)
{
    return format == ExportFormat::DspF32 || format == ExportFormat::DspQ15 || format == ExportFormat::DspQ31;
}

std::string ExportFileName(ExportFormat format) { return entryOf(format).fileName; }

std::vector<std::string> DescribeExport(const CRealArray& h, ExportFormat format,
    const std::optional<CRequirements>& requirements)
{
    checkCoefficients(h);
    const int bits = ExportFractionBits(format);
    if (bits != 0) {
        const std::vector<text::CMessage> lines = DescribeQuantization(
            QuantizeCoefficients(IsDspFormat(format) ? detail::DspTaps(h, bits) : h, bits, requirements));
        return std::vector<std::string>(lines.begin(), lines.end());
    }
    if (format == ExportFormat::DspF32)
        return {detail::DescribeFloatRounding(h)};
    return {text::Tr("CoefficientExport", "Values with 17 significant digits, which read back bit for bit.")};
}

std::string FormatCoefficientExport(const CRealArray& h, ExportFormat format, int blockSize,
    const std::optional<CRequirements>& requirements)
{
    checkCoefficients(h);
    if (blockSize < 1 || blockSize > kMaxBlockSize)
        throw std::invalid_argument(text::Tr("CoefficientExport", "the block size must be 1 .. %1").arg(kMaxBlockSize));
    const std::string fileName = ExportFileName(format);
    const std::string baseName = fileName.substr(0, fileName.find('.'));
    switch (format) {
    case ExportFormat::Full: return fullText(h);
    case ExportFormat::Csv: return csvText(h);
    case ExportFormat::Q15:
    case ExportFormat::Q31: return detail::FixedPointHeader(h, ExportFractionBits(format), requirements, baseName);
    default: return detail::DspHeader(h, ExportFractionBits(format), blockSize, requirements, baseName);
    }
}
