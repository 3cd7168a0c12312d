#include "CoefficientExport.h"

#include "CHeaderExport.h"
#include "CoefficientJson.h"
#include "ExportName.h"
#include "FilterLimits.h"
#include "FixedPoint.h"
#include "Message.h"
#include "NpyFormat.h"
#include "NumberText.h"
#include "WordFormats.h"

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
    {ExportFormat::Npy, "npy", "beta.npy", 0},
    {ExportFormat::M, "m", "beta.m", 0},
    {ExportFormat::Json, "json", "beta.json", 0},
    {ExportFormat::Coe, "coe", "beta.coe", 0},
    {ExportFormat::Mif, "mif", "beta.mif", 0},
    {ExportFormat::Hex, "hex", "beta.hex", 0},
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

// A MATLAB/Octave script assigning the row vector name, four values a line.
std::string matlabText(const CRealArray& h, const std::string& name)
{
    std::string text = "% Coefficients h(1) .. h(" + std::to_string(h.GetSize()) + ") of an FIR filter with "
        + std::to_string(h.GetSize()) + " taps, 17 significant digits, which read back bit for bit.\n"
        + name + " = [";
    for (int n = 0; n < h.GetSize(); ++n) {
        text += FormatGeneral(h[n], 17);
        if (n + 1 < h.GetSize())
            text += (n % 4 == 3) ? ", ...\n    " : ", ";
    }
    return text + "];\n";
}

WordFormat wordFormatOf(ExportFormat format)
{
    return format == ExportFormat::Coe ? WordFormat::Coe : format == ExportFormat::Mif ? WordFormat::Mif : WordFormat::Hex;
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

void checkChoice(const CCoefficientExportChoice& choice)
{
    if (choice.nBlockSize < 1 || choice.nBlockSize > kMaxBlockSize)
        throw std::invalid_argument(text::Tr("CoefficientExport", "the block size must be 1 .. %1").arg(kMaxBlockSize));
    if (choice.nBits < kMinWordBits || choice.nBits > kMaxWordBits)
        throw std::invalid_argument(
            text::Tr("CoefficientExport", "the word length must be %1 .. %2 bits").arg(kMinWordBits).arg(kMaxWordBits));
    if (!choice.strName.empty())
        if (const std::string why = CheckExportName(choice.strName); !why.empty())
            throw std::invalid_argument(why);
}

// The name of the default file without its extension: "beta_q15".
std::string defaultName(ExportFormat format)
{
    const std::string fileName = ExportFileName(format);
    return fileName.substr(0, fileName.find('.'));
}

}  // namespace

const std::vector<ExportFormat>& ExportFormats()
{
    static const std::vector<ExportFormat> formats = [] {
        std::vector<ExportFormat> all;
        for (const CFormatEntry& entry : kFormats)
            all.push_back(entry.format);
        return all;
    }();
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

int ExportFractionBits(const CCoefficientExportChoice& choice)
{
    return IsWordFormat(choice.format) ? choice.nBits - 1 : entryOf(choice.format).nFractionBits;
}

bool IsDspFormat(ExportFormat format)
{
    return format == ExportFormat::DspF32 || format == ExportFormat::DspQ15 || format == ExportFormat::DspQ31;
}

bool IsWordFormat(ExportFormat format)
{
    return format == ExportFormat::Coe || format == ExportFormat::Mif || format == ExportFormat::Hex;
}

bool IsNamedFormat(ExportFormat format)
{
    return format == ExportFormat::Q15 || format == ExportFormat::Q31 || IsDspFormat(format) || format == ExportFormat::M;
}

std::string ExportFileName(ExportFormat format) { return entryOf(format).fileName; }

std::vector<std::string> DescribeExport(const CRealArray& h, const CCoefficientExportChoice& choice,
    const std::optional<CRequirements>& requirements)
{
    checkCoefficients(h);
    const ExportFormat format = choice.format;
    const int bits = ExportFractionBits(choice);
    if (bits != 0) {
        const std::vector<text::CMessage> lines = DescribeQuantization(
            QuantizeCoefficients(IsDspFormat(format) ? detail::DspTaps(h, bits) : h, bits, requirements));
        return std::vector<std::string>(lines.begin(), lines.end());
    }
    if (format == ExportFormat::DspF32)
        return {detail::DescribeFloatRounding(h)};
    if (format == ExportFormat::Npy)
        return {text::Tr("CoefficientExport", "Values as float64, which read back bit for bit.")};
    if (format == ExportFormat::Json)
        return {text::Tr("CoefficientExport", "Values at full precision, which read back bit for bit, with the design, "
                                              "the requirements and the measurements.")};
    return {text::Tr("CoefficientExport", "Values with 17 significant digits, which read back bit for bit.")};
}

std::string FormatCoefficientExport(const CRealArray& h, const CCoefficientExportChoice& choice,
    const CExportContext& context)
{
    checkCoefficients(h);
    checkChoice(choice);
    const std::string name = choice.strName.empty() ? defaultName(choice.format) : choice.strName;
    const int bits = ExportFractionBits(choice);
    switch (choice.format) {
    case ExportFormat::Full: return fullText(h);
    case ExportFormat::Csv: return csvText(h);
    case ExportFormat::Q15:
    case ExportFormat::Q31: return detail::FixedPointHeader(h, bits, context.requirements, name);
    case ExportFormat::Npy: return FormatNpy(h);
    case ExportFormat::M: return matlabText(h, name);
    case ExportFormat::Json: return FormatCoefficientJson(h, context);
    case ExportFormat::Coe:
    case ExportFormat::Mif:
    case ExportFormat::Hex: return FormatWordFile(h, wordFormatOf(choice.format), choice.nBits, context.requirements);
    default: return detail::DspHeader(h, bits, choice.nBlockSize, context.requirements, name);
    }
}
