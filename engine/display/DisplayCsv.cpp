#include "DisplayCsv.h"

#include "DisplayData.h"
#include "DisplaySelection.h"
#include "NumberText.h"

#include <cmath>
#include <stdexcept>

namespace {

// The value column of each display, in DisplaySelection order; the amplitude in dB apart.
const char* const kValueColumns[] = {"impulse_response", "amplitude", "phase_rad", "real_part", "imaginary_part",
    "group_delay_samples", "step_response"};

void checkDisplay(int display)
{
    if (display < DisplayImpulse || display > DisplayStep)
        throw std::invalid_argument("unknown display selection");
}

}  // namespace

std::string DisplayCsvHeader(int display, bool decibel, double sampleRateHz)
{
    checkDisplay(display);
    const bool withRate = sampleRateHz > 0.0;
    const std::string abscissa = IsTimeDisplay(display) ? (withRate ? "time_s" : "time_samples")
                                                        : (withRate ? "frequency_Hz" : "frequency_fs");
    const std::string value = display == DisplayAmplitude && decibel ? "amplitude_dB" : kValueColumns[display];
    return "index," + abscissa + "," + value;
}

std::string FormatDisplayCsv(int display, bool decibel, const CRealArray& values, double spacing, double sampleRateHz,
    const std::vector<bool>& undefined)
{
    checkDisplay(display);
    if (!std::isfinite(spacing) || spacing <= 0.0)
        throw std::invalid_argument("the spacing of the display's points must be a positive number");
    if (!std::isfinite(sampleRateHz) || sampleRateHz < 0.0)
        throw std::invalid_argument("the sample rate must be a finite number of Hz, 0 or more");
    if (!undefined.empty() && undefined.size() != static_cast<size_t>(values.GetSize()))
        throw std::invalid_argument("the undefined points must be marked for every value");
    const bool overTime = IsTimeDisplay(display);
    std::string text = DisplayCsvHeader(display, decibel, sampleRateHz) + "\n";
    for (int i = 0; i < values.GetSize(); ++i) {
        double abscissa = i * spacing;
        if (sampleRateHz > 0.0)
            abscissa = overTime ? abscissa / sampleRateHz : abscissa * sampleRateHz;
        const bool missing = !undefined.empty() && undefined[static_cast<size_t>(i)];
        text += std::to_string(i) + "," + FormatGeneral(abscissa, 17) + "," + (missing ? "" : FormatGeneral(values[i], 17)) + "\n";
    }
    return text;
}
