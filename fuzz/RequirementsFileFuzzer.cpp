// The requirements file's reader on any bytes. It either refuses them with its own error
// or takes well-formed requirements, which it writes so that they read back exactly and
// whose bands lie in order within 0 .. 0.5.
#include "FuzzCheck.h"
#include "RequirementsFile.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CRequirements r;
    try {
        r = ParseRequirementsJson(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const CRequirementsFileError&) {
        return 0;
    }
    CheckRequirements(r);  // throws, and so breaks the property, when it is not well formed
    FUZZ_CHECK(ParseRequirementsJson(FormatRequirementsJson(r)) == r);
    double previous = 0.0;
    for (const CRequirementBand& band : RequirementBands(r)) {
        FUZZ_CHECK(band.dFrom >= previous && band.dTo >= band.dFrom && band.dTo <= 0.5);
        FUZZ_CHECK(band.dTolerance > 0.0 || band.IsStop());
        previous = band.dTo;
    }
    return 0;
}
