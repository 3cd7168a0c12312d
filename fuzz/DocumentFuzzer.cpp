// The document loader on any bytes. A file it takes must show in every display with finite
// values of the documented sizes, export as text that reads back, store the very bytes it
// was read from, and either design with its own parameters or be refused by the design.
#include "CFilterDoc.h"
#include "CFilterUi.h"
#include "CoefficientText.h"
#include "FilterDesign.h"
#include "FuzzCheck.h"
#include "NumberText.h"
#include "Resource.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace {

// A user who cancels every dialog and reads no message.
class CAbsentUi : public CFilterUi {
public:
    bool DoPassBandDialog(CPassBandData&, const CPassBandShortest&) override { return false; }
    bool DoLengthEstimateDialog(CLengthEstimateData&) override { return false; }
    bool DoEquirippleDialog(CEquirippleData&, const CEquirippleShortest&, const CEquirippleAttempt&) override
    {
        return false;
    }
    bool DoRequirementsDialog(CRequirements&) override { return false; }
    std::string AskTextExportPath(const std::string&) override { return {}; }
    bool DoExportDialog(const CRealArray&, const std::optional<CRequirements>&, CCoefficientExportChoice&) override
    {
        return false;
    }
    std::string AskImportPath() override { return {}; }
    bool ConfirmImport(const std::string&, int) override { return false; }
    bool WaitForRootFinder(CProcessHandle&) override { return false; }
    void ShowError(const std::string&) override {}
    void ShowStatusError(const std::string&) override {}
    void ShowStatus(const std::string&) override {}
    void ShowFilterProperties(const CFilterMeasurement&) override {}
    double SampleRate() const override { return 0.0; }
};

bool allFinite(const CRealArray& a)
{
    for (int i = 0; i < a.GetSize(); ++i)
        if (!std::isfinite(a[i]))
            return false;
    return true;
}

void checkDisplays(CFilterDoc& doc)
{
    const int n = doc.m_pCoef->GetSize(), l = doc.m_pResponse->GetSize();
    const struct {
        int id, size;
    } displays[] = {{ID_VIEW_IMPULSE, n}, {ID_VIEW_PHASE, l / 2}, {ID_VIEW_REAL, l}, {ID_VIEW_IMAG, l},
        {ID_VIEW_AMPLITUDE, l / 2}, {ID_VIEW_DB, l / 2},  // the dB toggle redraws the amplitude
        {ID_VIEW_GROUPDELAY, 2 * n}, {ID_VIEW_STEP, n}};
    for (const auto& display : displays) {
        doc.OnCmdMsg(display.id, nullptr);
        FUZZ_CHECK(doc.m_pDisplay->GetSize() == display.size);
        FUZZ_CHECK(allFinite(*doc.m_pDisplay));
    }
}

void checkTextExport(const CRealArray& coef)
{
    if (coef.GetSize() == 0)
        return;
    const CRealArray back = ParseCoefficientText(FormatCoefficientText(coef));
    FUZZ_CHECK(back.GetSize() == coef.GetSize());
    for (int i = 0; i < coef.GetSize(); ++i)
        FUZZ_CHECK(ParseDouble(FormatGeneral(coef[i], 6)) == back[i]);
}

void checkDesign(const CFilterDoc& doc)
{
    try {
        const CPassBandDesign design = DesignPassBand(doc.m_nFilterType, doc.m_nLength, doc.m_dLowCutoff,
            doc.m_dHighCutoff, doc.m_dAttenuation);
        FUZZ_CHECK(design.coefficients.GetSize() == doc.m_nLength && allFinite(design.coefficients));
    } catch (const std::invalid_argument&) {
    }
}

// The requirements the stored values give, when they give any, are well formed, and every
// figure measured against them is finite.
void checkRequirements(const CFilterDoc& doc)
{
    const std::optional<CRequirements> r = doc.DerivedRequirements();
    if (!r || doc.m_pCoef->GetSize() == 0)
        return;
    CheckRequirements(*r);
    const CFilterMeasurement m = MeasureFilter(*doc.m_pCoef, r);
    for (const CBandResult& band : m.bands)
        FUZZ_CHECK(std::isfinite(band.largest.dDb) && std::isfinite(band.smallest.dDb) && std::isfinite(band.excess.dDb)
            && band.largest.dFrequency >= band.band.dFrom && band.largest.dFrequency <= band.band.dTo);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string bytes = input;
    CAbsentUi ui;
    CFilterDoc doc(ui);
    try {
        CArchive load(bytes, CArchive::load);
        doc.Serialize(load);
    } catch (const CArchiveException&) {
        return 0;
    }
    std::string stored;
    CArchive store(stored, CArchive::store);
    doc.Serialize(store);
    FUZZ_CHECK(stored == input.substr(0, stored.size()));
    checkDisplays(doc);
    checkTextExport(*doc.m_pCoef);
    checkDesign(doc);
    checkRequirements(doc);
    return 0;
}
