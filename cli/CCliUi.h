#pragma once

#include "CFilterUi.h"
#include "FilterMeasurement.h"
#include "ResponseGrid.h"

#include <optional>
#include <string>

// Answers the document's questions from the command line: the dialogs take the fields
// given by the options, checked as the dialogs check them, and failures are recorded.
class CCliUi : public CFilterUi {
public:
    // Fields of the next design (--design or --equiripple), as typed; unset ones keep the
    // dialog's texts. strBands holds the equiripple band edges, strWeights its band weights, separated by
    // commas; strBandList the bands of a multiband filter or differentiator, separated by ';'.
    struct PassBandFields {
        std::optional<int> nType;
        std::optional<std::string> strLow, strHigh, strLength, strAttenuation;
        std::optional<std::string> strBands, strRipple, strWeights, strBandList;
    };

    PassBandFields& PassBand() { return m_passBand; }
    // Adds one band "F1,F2,GAIN[,WEIGHT]" to the next equiripple design's bands.
    void AddBand(const std::string& band);
    void SetLengthEstimate(const CLengthEstimateTexts& texts) { m_lengthEstimate = texts; }
    void SetTextExportPath(const std::string& path) { m_strExportPath = path; }
    // The format of the next coefficient export, and the block size as typed.
    void SetExportFormat(ExportFormat format) { m_exportFormat = format; }
    void SetBlockSize(const std::string& text) { m_strBlockSize = text; }
    // The word length of the next coe, mif and hex exports and imports, as typed.
    void SetBits(const std::string& text) { m_strBits = text; }
    // The grid of the next response exports: its number of points and range as typed, and
    // whether it is logarithmic.
    void SetResponsePoints(const std::string& text) { m_strPoints = text; }
    void SetResponseRange(const std::string& text) { m_strRange = text; }
    void SetResponseLog() { m_bLogGrid = true; }
    // The grid given so far; nullopt (and a failure recorded) when a part of it is refused.
    std::optional<CResponseGrid> ResponseGridGiven();
    // The name of the next exports' array (empty: from the file's name).
    void SetExportName(const std::string& name) { m_strExportName = name; }
    // The word length given, if any; nullopt (and a failure recorded) when it is not an
    // integer in kMinWordBits .. kMaxWordBits.
    std::optional<int> Bits();
    void SetImportPath(const std::string& path) { m_strImportPath = path; }
    // The sampling frequency of the steps that follow, in Hz; 0 for none.
    void SetSampleRate(double sampleRate) { m_dSampleRate = sampleRate; }
    // The next design dialog looks for the shortest length instead of taking one.
    void SetShortest() { m_bShortest = true; }
    // The length the last design dialog found, if it looked for one; clears it.
    std::optional<int> TakeShortest();
    // The first failure since the last call, or empty; clears it.
    std::string TakeError();
    // True when a failure waits to be taken.
    bool HasError() const { return !m_strError.empty(); }
    // The measurement the last Filter Properties command showed, if any; clears it.
    std::optional<CFilterMeasurement> TakeMeasurement();

    bool DoPassBandDialog(CPassBandData& data, const CPassBandShortest& shortest) override;
    bool DoLengthEstimateDialog(CLengthEstimateData& data) override;
    // Reads the fields as the dialog does (or looks for the shortest length, after
    // SetShortest), then designs; a refusal or a failed design is recorded and gives false.
    bool DoEquirippleDialog(
        CEquirippleData& data, const CEquirippleShortest& shortest, const CEquirippleAttempt& design) override;
    // Takes the --type, --bands, --ripple and --attenuation given so far over those the
    // dialog opens with (the edges as fractions of the sampling frequency).
    bool DoRequirementsDialog(CRequirements& requirements) override;
    // The equiripple length estimate of the fields given so far, the rest as the dialog
    // would open on data; nullopt (and a failure recorded) when a field is refused.
    std::optional<int> EstimateEquiripple(const CEquirippleData& data);
    std::string AskTextExportPath(const std::string& defaultName) override;
    // Answers with the format, block size, word length and name set; a block size that is
    // not an integer in 1 .. kMaxBlockSize, a word length out of range and a name that
    // cannot be one (CheckExportName) are refused.
    bool DoExportDialog(const CRealArray& coefficients, const std::optional<CRequirements>& requirements,
        CCoefficientExportChoice& choice) override;
    std::string AskImportPath() override { return m_strImportPath; }
    // The --bits given (a bad one recorded as a failure); without it, the refusal.
    std::optional<int> AskImportWordBits(const std::string& path, const std::string& refusal) override
    {
        return m_strBits.empty() ? CFilterUi::AskImportWordBits(path, refusal) : Bits();
    }
    bool ConfirmImport(const std::string&, int) override { return true; }
    bool WaitForRootFinder(CProcessHandle& process) override;
    void ShowError(const std::string& message) override;
    void ShowStatusError(const std::string& message) override;
    // Results told in passing are not printed: --info shows what they change.
    void ShowStatus(const std::string&) override {}
    void ShowFilterProperties(const CFilterMeasurement& measurement) override { m_measurement = measurement; }
    double SampleRate() const override { return m_dSampleRate; }

    // Records failure, if any, as a failure naming its field; true when there was one.
    bool Refused(const std::optional<CExchangeFailure>& failure);

private:
    // The equiripple dialog's texts on data with the fields given; nullopt (and a failure
    // recorded) when --bands does not give the type's number of edges.
    std::optional<CEquirippleTexts> EquirippleTexts(const CEquirippleData& data);
    // The edges --bands gives, over edges, for a filter of type; false (and a failure
    // recorded) when it gives another number than the type has.
    bool TakeBands(int type, std::array<std::string, 4>& edges);
    // Whether the --type given (if any) is one of the four the pass-band design and the
    // requirements take; else reports that option cannot take it and forgets the fields.
    bool TakesFourTypes(const char* option);
    // The length answer found, as the dialog's field: true when there is one, else the
    // reason is recorded.
    bool TookShortest(const CShortestAnswer& answer);

    PassBandFields m_passBand;
    CLengthEstimateTexts m_lengthEstimate;
    std::string m_strExportPath;
    ExportFormat m_exportFormat = ExportFormat::Full;
    std::string m_strBlockSize = std::to_string(kDefaultBlockSize);
    std::string m_strBits;
    std::string m_strExportName;
    std::string m_strPoints;
    std::string m_strRange;
    bool m_bLogGrid = false;
    std::string m_strImportPath;
    std::string m_strError;
    std::optional<CFilterMeasurement> m_measurement;
    double m_dSampleRate = 0.0;
    bool m_bShortest = false;
    std::optional<int> m_shortest;
};
