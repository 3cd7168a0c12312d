// The coefficient-text reader on any text. What it takes must be finite numbers within the
// largest magnitude a coefficient may have, and written out as the C array export they must
// read back as the same values rounded to the export's six significant digits.
#include "CoefficientText.h"
#include "FuzzCheck.h"
#include "NumberText.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::optional<CRealArray> parsed;  // emplaced: CRealArray's assignment keeps its size
    try {
        parsed.emplace(ParseCoefficientText(std::string(reinterpret_cast<const char*>(data), size)));
    } catch (const CoefficientTextError&) {
        return 0;
    }
    const CRealArray& values = *parsed;
    FUZZ_CHECK(values.GetSize() >= 1);
    const CRealArray back = ParseCoefficientText(FormatCoefficientText(values));
    FUZZ_CHECK(back.GetSize() == values.GetSize());
    for (int i = 0; i < values.GetSize(); ++i) {
        FUZZ_CHECK(std::isfinite(values[i]) && std::fabs(values[i]) <= kMaxCoefficientMagnitude);
        FUZZ_CHECK(ParseDouble(FormatGeneral(values[i], 6)) == back[i]);
    }
    return 0;
}
