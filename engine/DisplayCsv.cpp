#include "DisplayCsv.h"

#include "DataExchange.h"
#include "Resource.h"

#include <cmath>
#include <stdexcept>

namespace {

// The display of the step response, drawn over time as the impulse response is.
constexpr int kStepDisplay = 6;

void checkArguments(int display, const CRealArray& values, int coefficientCount, double sampleRateHz)
{
    if (display < DisplayImpulse || display > kStepDisplay)
        throw std::invalid_argument("unknown display " + std::to_string(display));
    if (!std::isfinite(sampleRateHz) || sampleRateHz < 0.0)
        throw std::invalid_argument("the sample rate must be a finite number of Hz, 0 or more");
    const bool overTime = display == DisplayImpulse || display == kStepDisplay;
    if (!overTime && values.GetSize() > 0 && coefficientCount < 1)
        throw std::invalid_argument("a frequency display needs the number of coefficients");
}

}  // namespace

std::string FormatDisplayCsv(int display, const CRealArray& values, int coefficientCount, double sampleRateHz)
{
    checkArguments(display, values, coefficientCount, sampleRateHz);
    const bool overTime = display == DisplayImpulse || display == kStepDisplay;
    std::string text = overTime ? "index,time,value\n" : "index,frequency,value\n";
    for (int i = 0; i < values.GetSize(); ++i) {
        double abscissa = overTime ? i : i / (4.0 * coefficientCount);
        if (sampleRateHz > 0.0)
            abscissa = overTime ? abscissa / sampleRateHz : abscissa * sampleRateHz;
        text += std::to_string(i) + "," + FormatGeneral(abscissa, 17) + "," + FormatGeneral(values[i], 17) + "\n";
    }
    return text;
}
