#include "AxisScale.h"

#include "Message.h"
#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace {

struct CNamedScale {
    double dSize;  // the unit in the base unit of the quantity (Hz or s)
    const char* pName;
};

// The largest of scales (in increasing size) in which value reads at least 1; the first
// for smaller values.
const CNamedScale& pick(const CNamedScale* scales, int count, double value)
{
    int chosen = 0;
    for (int i = 1; i < count; ++i)
        if (value >= scales[i].dSize)
            chosen = i;
    return scales[chosen];
}

const CNamedScale kHertz[] = {{1.0, "Hz"}, {1e3, "kHz"}, {1e6, "MHz"}, {1e9, "GHz"}};
const CNamedScale kSeconds[] = {{1e-9, "ns"}, {1e-6, "µs"}, {1e-3, "ms"}, {1.0, "s"}};

std::string withUnit(double value, const CAxisUnit& unit)
{
    return FormatGeneral(value * unit.dFactor, 6) + " " + unit.strName;
}

}  // namespace

CAxisUnit FrequencyUnit(double sampleRate, double largest)
{
    if (!(sampleRate > 0.0))
        return {1.0, "fs"};
    const CNamedScale& scale = pick(kHertz, 4, std::fabs(largest) * sampleRate);
    return {sampleRate / scale.dSize, scale.pName};
}

CAxisUnit TimeUnit(double sampleRate, double largest)
{
    if (!(sampleRate > 0.0))
        return {1.0, text::Tr("AxisScale", "samples")};
    const CNamedScale& scale = pick(kSeconds, 4, std::fabs(largest) / sampleRate);
    return {1.0 / (sampleRate * scale.dSize), scale.pName};
}

std::string FormatFrequency(double fraction, double sampleRate)
{
    return withUnit(fraction, FrequencyUnit(sampleRate, fraction));
}

std::string FormatTime(double samples, double sampleRate)
{
    return withUnit(samples, TimeUnit(sampleRate, samples));
}

double RoundStep(double from, double to, int maxCount)
{
    if (!std::isfinite(from) || !std::isfinite(to) || from > to || maxCount < 1)
        throw std::invalid_argument("a scale needs a finite range and room for one tick");
    const double halfSpan = to / 2 - from / 2;  // in halves, so that no range overflows
    if (halfSpan == 0.0)
        return from == 0.0 ? 1.0 : std::pow(10.0, std::floor(std::log10(std::fabs(from))));
    double power = std::pow(10.0, std::floor(std::log10(halfSpan) + std::log10(2.0 / maxCount)) - 1.0);
    for (;; power *= 10.0) {
        for (double mantissa : {1.0, 2.0, 5.0}) {
            const double step = mantissa * power;
            if (!std::isfinite(step))
                return power;  // the largest step a double holds
            if (std::floor(to / step) - std::ceil(from / step) + 1.0 <= maxCount)
                return step;
        }
    }
}

std::vector<double> RoundTicks(double from, double to, int maxCount)
{
    const double step = RoundStep(from, to, maxCount);
    std::vector<double> ticks;
    for (double k = std::ceil(from / step); k * step <= to; k += 1.0)
        ticks.push_back(k * step);
    return ticks;
}

std::string FormatTick(double value, double step)
{
    if (!(step > 0.0) || !std::isfinite(step))
        throw std::invalid_argument("a tick step must be positive and finite");
    if (std::fabs(value) < step / 2)
        return "0";
    const int stepExponent = static_cast<int>(std::floor(std::log10(step)));
    if (stepExponent >= -4 && std::fabs(value) < 1e6) {
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
            std::max(0, -stepExponent));
        return std::string(buffer, result.ptr);
    }
    const int valueExponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    return FormatGeneral(value, std::clamp(valueExponent - stepExponent + 1, 1, 17));
}
