// The dialogs' number parser on any text, line by line, and the two dialogs' exchange on
// the first lines as their fields. A number taken must be finite and read back from its
// shortest exact form; values a dialog accepts must lie in its ranges and be designed or
// estimated without an exception.
#include "DialogData.h"
#include "FilterDesign.h"
#include "FuzzCheck.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

void checkNumbers(const std::string& text)
{
    if (const std::optional<double> value = ParseDouble(text)) {
        FUZZ_CHECK(std::isfinite(*value));
        FUZZ_CHECK(ParseDouble(FormatGeneral(*value, 17)) == *value);
    }
    if (const std::optional<int> value = ParseInt(text))
        FUZZ_CHECK(ParseInt(FormatInt(*value)) == *value);
}

void checkPassBand(const std::vector<std::string>& fields, int type)
{
    CPassBandData data;
    if (ReadPassBand({fields[0], fields[1], fields[2], fields[3], type}, data))
        return;
    FUZZ_CHECK(data.m_dLow >= 0.0 && data.m_dLow <= 0.5 && data.m_nFilterLength >= 1 && data.m_nFilterLength <= 4096);
    FUZZ_CHECK(data.m_dOutbandAttn >= 0.0 && data.m_dOutbandAttn <= 1000.0);
    const CPassBandDesign design = DesignPassBand(type, data.m_nFilterLength, data.m_dLow, data.m_dHigh, data.m_dOutbandAttn);
    FUZZ_CHECK(design.coefficients.GetSize() == data.m_nFilterLength);
}

void checkLengthEstimate(const std::vector<std::string>& fields)
{
    CLengthEstimateData data;
    if (ReadLengthEstimate({fields[0], fields[1], fields[2]}, data))
        return;
    const CLengthEstimate estimate = EstimateLength(data.m_dInbandRipple, data.m_dOutbandAttn, data.m_dTransition);
    FUZZ_CHECK(estimate.strError.empty() ? estimate.nLength % 2 == 1 && estimate.nLength <= 65535 : estimate.nLength == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    std::vector<std::string> fields;
    for (std::string line; std::getline(lines, line);) {
        checkNumbers(line);
        fields.push_back(line);
    }
    fields.resize(std::max<size_t>(fields.size(), 4));
    checkPassBand(fields, data[0] % 4);
    checkLengthEstimate(fields);
    return 0;
}
