// The readers of the exported formats (NumPy, JSON and the coe, mif and hex word files) on
// any bytes: the first byte chooses the file's extension and the word length given, the
// rest is the file. What they take must be 1 .. 65535 finite values.
#include "CoefficientImport.h"
#include "CoefficientText.h"
#include "FilterLimits.h"
#include "FuzzCheck.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    static const char* const kNames[] = {"f.npy", "f.json", "f.coe", "f.mif", "f.hex", "f.txt"};
    const std::string name = kNames[data[0] % 6];
    const std::optional<int> bits = data[0] / 6 % 2 ? std::optional<int>(8 + data[0] / 12 % 25) : std::nullopt;
    std::optional<CRealArray> parsed;  // emplaced: CRealArray's assignment keeps its size
    try {
        parsed.emplace(ParseCoefficientFile(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), name, bits));
    } catch (const CoefficientTextError&) {
        return 0;
    }
    FUZZ_CHECK(parsed->GetSize() >= 1 && parsed->GetSize() <= kMaxFilterLength);
    for (int i = 0; i < parsed->GetSize(); ++i)
        FUZZ_CHECK(std::isfinite((*parsed)[i]));
    return 0;
}
