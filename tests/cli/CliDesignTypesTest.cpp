// filter-cli's multiband filters, differentiators, Hilbert transformers and half-band
// filters: their coefficients' structure, their figures against the dense reference
// evaluation, their requirements saved beside the document, and the refusals.
#include "CliTestKit.h"
#include "DenseResponse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <regex>

namespace {

// The value of line "name: value" of a report.
std::string valueOf(const std::string& report, const std::string& name)
{
    const size_t start = report.find(name + ": ");
    if (start == std::string::npos)
        return {};
    const size_t from = start + name.size() + 2;
    return report.substr(from, report.find('\n', from) - from);
}

double firstNumber(const std::string& text)
{
    std::smatch match;
    EXPECT_TRUE(std::regex_search(text, match, std::regex("-?[0-9.]+(e-?[0-9]+)?"))) << text;
    return match.empty() ? 0.0 : std::stod(match.str());
}

// The largest deviation in dB of |H(f)| / (gain(f)) from 1 over from .. to, by the dense
// evaluation on 2^16 points and the ends.
double denseDeviationDb(const std::vector<double>& h, double from, double to, bool perFrequency)
{
    std::vector<double> f;
    const int points = 1 << 16;
    for (int k = 0; k <= points; ++k)
        f.push_back(from + (to - from) * k / points);
    const std::vector<double> magnitude = DenseMagnitudes(h, f);
    double worst = 0.0;
    for (size_t k = 0; k < f.size(); ++k)
        worst = std::max(worst, std::fabs(DenseDb(perFrequency ? magnitude[k] / f[k] : magnitude[k])));
    return worst;
}

class CliDesignTypesTest : public CliTest {
protected:
    // The coefficients of a design, and its --measure report.
    std::vector<double> Design(const std::vector<std::string>& args, std::string& report)
    {
        const RunResult measured = Cli(args + std::vector<std::string>{"--measure"});
        EXPECT_EQ(measured.status, 0) << measured.err;
        report = measured.out;
        return Printed(args + std::vector<std::string>{"--print"});
    }
};

}  // namespace

TEST_F(CliDesignTypesTest, HalfBandFiltersHaveExactZerosAndHalfInTheMiddleAndEqualRipple)
{
    std::string report;
    const std::vector<double> h =
        Design({"--type", "halfband", "--bands", "0.2", "--length", "31", "--equiripple"}, report);
    ASSERT_EQ(h.size(), 31u);
    for (size_t i = 0; i < h.size(); ++i) {
        EXPECT_EQ(h[i], h[h.size() - 1 - i]) << i;
        if (i != 15 && (i - 15) % 2 == 0) {
            EXPECT_EQ(h[i], 0.0) << i;
        }
    }
    EXPECT_EQ(h[15], 0.5);
    const CDenseExtremes pass = DenseExtremes(h, 0.0, 0.2), stop = DenseExtremes(h, 0.3, 0.5);
    EXPECT_NEAR(pass.largest - 1.0, stop.largest, 1e-6 * stop.largest);
    EXPECT_NE(valueOf(report, "requirements").find("low pass; pass band 0 .. 0.2, stop band 0.3 .. 0.5"), std::string::npos)
        << report;
    EXPECT_NEAR(-firstNumber(valueOf(report, "stop-band attenuation")), DenseDb(stop.largest), 1e-3) << report;
}

TEST_F(CliDesignTypesTest, FiguresOfTheTypesOfBandsAreNeverBetterThanTheDenseEvaluation)
{
    const struct {
        std::vector<std::string> args;
        std::vector<std::pair<double, double>> passBands;
        bool perFrequency;
        const char* requirements;
    } cases[] = {
        {{"--type", "hilbert", "--bands", "0.05,0.5", "--length", "32"}, {{0.05, 0.5}}, false,
            "Hilbert transformer; pass band 0.05 .. 0.5"},
        {{"--type", "hilbert", "--bands", "0.05,0.45", "--length", "31"}, {{0.05, 0.45}}, false,
            "Hilbert transformer; pass band 0.05 .. 0.45"},
        {{"--type", "differentiator", "--band", "0,0.45,1", "--length", "32"}, {{1e-6, 0.45}}, true,
            "differentiator; pass band 0 .. 0.45 gain f times 1"},
        {{"--type", "multiband", "--band", "0,0.1,1", "--band", "0.15,0.3,0,0.5", "--band", "0.35,0.5,1", "--length", "61",
             "--attenuation", "40"},
            {{0.0, 0.1}, {0.35, 0.5}}, false,
            "multiband; pass band 0 .. 0.1, stop band 0.15 .. 0.3, pass band 0.35 .. 0.5"},
    };
    for (const auto& c : cases) {
        std::string report;
        const std::vector<double> h = Design(c.args + std::vector<std::string>{"--equiripple"}, report);
        ASSERT_FALSE(h.empty()) << report;
        EXPECT_NE(valueOf(report, "requirements").find(c.requirements), std::string::npos) << report;
        const double reported = firstNumber(valueOf(report, "pass-band deviation"));
        double dense = 0.0;
        for (const auto& [from, to] : c.passBands)
            dense = std::max(dense, denseDeviationDb(h, from, to, c.perFrequency));
        EXPECT_GE(reported, dense - 1e-6) << c.requirements;
        EXPECT_LE(reported, dense + 1e-3) << c.requirements;
        EXPECT_EQ(valueOf(report, "verdict"), "Meets the requirements") << report;
    }
}

TEST_F(CliDesignTypesTest, RequirementsOfBandsAreSavedBesideTheDocumentAndReadBack)
{
    const RunResult saved = Cli({"--type", "differentiator", "--band", "0,0.2,2", "--band", "0.3,0.5,0", "--length",
        "40", "--equiripple", "--save", "d.flt"});
    ASSERT_EQ(saved.status, 0) << saved.err;
    std::ifstream file(folder / "d.flt.requirements.json");
    const std::string json{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_NE(json.find("\"type\": \"differentiator\""), std::string::npos) << json;
    EXPECT_TRUE(std::regex_search(json, std::regex(R"("gains": \[\s*2,\s*0\s*\])"))) << json;
    const RunResult reopened = Cli({"d.flt", "--measure"});
    ASSERT_EQ(reopened.status, 0) << reopened.err;
    EXPECT_NE(reopened.out.find("requirements: differentiator; pass band 0 .. 0.2 gain f times 2, stop band 0.3 .. 0.5"),
        std::string::npos)
        << reopened.out;
}

TEST_F(CliDesignTypesTest, RequestsTheTypesCannotTakeAreRefusedInPlainWords)
{
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"--type", "hilbert", "--bands", "0.05,0.5", "--length", "31", "--equiripple"}, "Use an even length, such as 32"},
        {{"--type", "halfband", "--bands", "0.2", "--length", "33", "--equiripple"}, "(4k - 1) coefficients. Use 31 or 35"},
        {{"--type", "halfband", "--bands", "0.25", "--length", "31", "--equiripple"}, "less than 0.25"},
        {{"--type", "multiband", "--bands", "0.1,0.2", "--length", "31", "--equiripple"}, "--band F1,F2,GAIN[,WEIGHT]"},
        {{"--type", "lowpass", "--band", "0,0.2,1", "--length", "31", "--equiripple"}, "--band is for --type multiband"},
        {{"--type", "multiband", "--band", "0,0.2,1", "--band", "0.1,0.5,0", "--length", "31", "--equiripple"},
            "each band starting above the end of the one before"},
        {{"--type", "differentiator", "--band", "0,0.2", "--length", "31", "--equiripple"}, "F1,F2,GAIN"},
        {{"--type", "multiband", "--length", "31", "--band", "0,0.05,1", "--band", "0.06,0.1,0", "--band", "0.11,0.15,1",
             "--band", "0.16,0.2,0", "--band", "0.21,0.25,1", "--band", "0.26,0.3,0", "--band", "0.31,0.5,1",
             "--equiripple"},
            "1 to 6 bands"},
        {{"--type", "multiband", "--band", "0,0.2,1;0.3,0.5,0"}, "give each band its own --band"},
        {{"--type", "hilbert", "--length", "31", "--design"}, "--design takes --type lowpass"},
        {{"--type", "differentiator", "--require"}, "--require takes --type lowpass"},
        {{"--type", "bandpass2"}, "unknown value"},
    };
    for (const auto& c : cases) {
        const RunResult r = Cli(c.args);
        EXPECT_NE(r.status, 0) << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
}
