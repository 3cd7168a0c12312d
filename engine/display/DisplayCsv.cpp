#include "DisplayCsv.h"

#include "DisplayData.h"
#include "DisplaySelection.h"
#include "NumberText.h"

#include <cmath>
#include <stdexcept>

std::string FormatDisplayCsv(int display, const CRealArray& values, double spacing, double sampleRateHz)
{
    if (display < DisplayImpulse || display > DisplayStep)
        throw std::invalid_argument("unknown display selection");
    if (!std::isfinite(spacing) || spacing <= 0.0)
        throw std::invalid_argument("the spacing of the display's points must be a positive number");
    if (!std::isfinite(sampleRateHz) || sampleRateHz < 0.0)
        throw std::invalid_argument("the sample rate must be a finite number of Hz, 0 or more");
    const bool overTime = IsTimeDisplay(display);
    std::string text = overTime ? "index,time,value\n" : "index,frequency,value\n";
    for (int i = 0; i < values.GetSize(); ++i) {
        double abscissa = i * spacing;
        if (sampleRateHz > 0.0)
            abscissa = overTime ? abscissa / sampleRateHz : abscissa * sampleRateHz;
        text += std::to_string(i) + "," + FormatGeneral(abscissa, 17) + "," + FormatGeneral(values[i], 17) + "\n";
    }
    return text;
}
