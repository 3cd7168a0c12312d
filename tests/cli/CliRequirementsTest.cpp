// filter-cli designing to requirements: the reproducers measured against the dense
// reference evaluation from the exact edges, the verdicts and --check's exit status, the
// shortest filter, and requirements stated for coefficients from elsewhere.
#include "CliTestKit.h"
#include "DenseResponse.h"
#include "FilterTypes.h"
#include "Requirements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>

namespace {

const std::vector<std::string> kTransitionBand = {"--type", "lowpass", "--bands", "0.4166666666666667,0.4583333333333333",
    "--ripple", "0.1", "--attenuation", "80"};

// The value of line "name: value" of a report.
std::string valueOf(const std::string& report, const std::string& name)
{
    const size_t start = report.find("\n" + name + ": ");
    if (start == std::string::npos)
        return {};
    const size_t from = start + name.size() + 3;
    return report.substr(from, report.find('\n', from) - from);
}

// The first number of text, and the one after "at " (its frequency).
double numberIn(const std::string& text, const std::string& after = "")
{
    std::smatch match;
    const std::string rest = text.substr(text.find(after) + after.size());
    EXPECT_TRUE(std::regex_search(rest, match, std::regex("-?[0-9.]+(e-?[0-9]+)?"))) << text;
    return std::stod(match.str());
}

// The dense figures of the coefficients in file over requirements r: largest and smallest
// pass-band magnitude and largest stop-band magnitude, in dB.
struct CDense {
    double passLargest = -1e9, passSmallest = 1e9, stopLargest = -1e9;
};

CDense denseOf(const std::vector<double>& h, const CRequirements& r)
{
    CDense d;
    for (const CRequirementBand& band : RequirementBands(r)) {
        const CDenseExtremes e = DenseExtremes(h, band.dFrom, band.dTo);
        if (band.IsStop()) {
            d.stopLargest = std::max(d.stopLargest, DenseDb(e.largest));
        } else {
            d.passLargest = std::max(d.passLargest, DenseDb(e.largest));
            d.passSmallest = std::min(d.passSmallest, DenseDb(e.smallest));
        }
    }
    return d;
}

class CliRequirementsTest : public CliTest {
protected:
    // Runs design, exports its coefficients in full and measures it; the report.
    std::string Measured(const std::vector<std::string>& design)
    {
        const RunResult result = Cli(design + std::vector<std::string>{"--export", "full", "h.txt", "--measure"});
        EXPECT_EQ(result.status, 0) << result.err;
        return result.out;
    }
    std::vector<double> Coefficients() { return Printed({"--coefficients", "h.txt", "--print"}); }
};

}  // namespace

TEST_F(CliRequirementsTest, ReproducersReportWhatTheFilterReachesFromTheExactEdges)
{
    const CRequirements transition{LowPass, {0.4166666666666667, 0.4583333333333333}, 0.1, 80.0};
    const double kaiserWidth = (100 - 7.95) / 14.36 / 1023;
    const struct {
        std::vector<std::string> design;
        CRequirements requirements;
        bool passMeets, stopMeets;
    } cases[] = {
        {kTransitionBand + std::vector<std::string>{"--length", "41", "--equiripple"}, transition, false, false},
        {kTransitionBand + std::vector<std::string>{"--length", "81", "--equiripple"}, transition, true, true},
        {{"--type", "lowpass", "--length", "1024", "--low", "0.05", "--attenuation", "100", "--design"},
            {LowPass, {0.05 - kaiserWidth / 2, 0.05 + kaiserWidth / 2}, 20 * std::log10((1 + 1e-5) / (1 - 1e-5)), 100.0},
            false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.design[c.design.size() - 2]);
        const std::string report = Measured(c.design);
        const CDense d = denseOf(Coefficients(), c.requirements);
        const std::string stop = valueOf(report, "stop-band attenuation"), ripple = valueOf(report, "pass-band ripple");
        EXPECT_NEAR(numberIn(stop), -d.stopLargest, 0.01) << report;
        EXPECT_NEAR(numberIn(ripple), d.passLargest - d.passSmallest, 0.01) << report;
        EXPECT_NEAR(numberIn(valueOf(report, "pass-band deviation")), std::max(d.passLargest, -d.passSmallest), 0.01);
        EXPECT_EQ(stop.find("; meets") != std::string::npos, c.stopMeets) << stop;
        EXPECT_EQ(valueOf(report, "pass-band deviation").find("; meets") != std::string::npos, c.passMeets);
        EXPECT_EQ(valueOf(report, "verdict") == "Meets the requirements", c.passMeets && c.stopMeets);
    }
    // The 81 taps reach 80.64 dB (scipy's remez: 80.63 dB), the worst peak at 0.4652 in the
    // stop band, not on its edge.
    const std::string report = Measured(kTransitionBand + std::vector<std::string>{"--length", "81", "--equiripple"});
    EXPECT_NEAR(numberIn(valueOf(report, "stop-band attenuation")), 80.64, 0.005);
    EXPECT_NEAR(numberIn(valueOf(report, "stop-band attenuation"), " at "), 0.4652, 0.0001);
}

TEST_F(CliRequirementsTest, CheckExitsWithThreeAndALinePerMissWhenTheFilterMisses)
{
    const RunResult missed = Cli(kTransitionBand + std::vector<std::string>{"--length", "41", "--equiripple", "--check", "--save", "a.flt"});
    EXPECT_EQ(missed.status, 3);
    EXPECT_EQ(missed.err, "filter-cli: --check: the filter misses its requirements\n");
    EXPECT_NE(missed.out.find("pass band: misses by "), std::string::npos) << missed.out;
    EXPECT_NE(missed.out.find("\nstop band: misses by 24 dB at 0.477"), std::string::npos) << missed.out;
    EXPECT_EQ(std::count(missed.out.begin(), missed.out.end(), '\n'), 2);
    EXPECT_FALSE(Exists("a.flt"));  // no step after the check ran
    const RunResult met = Cli(kTransitionBand + std::vector<std::string>{"--length", "81", "--equiripple", "--check"});
    EXPECT_EQ(met.status, 0) << met.err;
    EXPECT_EQ(met.out, "");
    EXPECT_EQ(Cli({"--check"}).status, 2);
    EXPECT_NE(Cli({"--help"}).out.find("exit status 3"), std::string::npos);
}

TEST_F(CliRequirementsTest, ShortestPrintsTheLengthItDesignsOrSaysWhyThereIsNone)
{
    const RunResult equiripple = Cli(kTransitionBand + std::vector<std::string>{"--shortest", "--equiripple", "--check", "--info"});
    ASSERT_EQ(equiripple.status, 0) << equiripple.err;
    const int n = std::stoi(equiripple.out);
    EXPECT_NE(equiripple.out.find("\nlength: " + std::to_string(n) + "\n"), std::string::npos) << equiripple.out;
    EXPECT_EQ(Cli(kTransitionBand + std::vector<std::string>{"--length", std::to_string(n - 2), "--equiripple", "--check"}).status, 3);

    // A window design aims at the transition and ripple of the last estimate.
    const RunResult window = Cli({"--estimate", "0.1", "60", "0.05", "--low", "0.225", "--shortest", "--design", "--check",
        "--measure"});
    ASSERT_EQ(window.status, 0) << window.err;
    EXPECT_NE(window.out.find("requirements: low pass; pass band 0 .. 0.2, stop band 0.25 .. 0.5; ripple 0.1 dB; "
                              "attenuation 60 dB\n"),
        std::string::npos)
        << window.out;
    const RunResult noAim = Cli({"--low", "0.225", "--shortest", "--design"});
    EXPECT_EQ(noAim.status, 2);
    EXPECT_NE(noAim.err.find("The search needs the transition width to reach"), std::string::npos) << noAim.err;
    const RunResult unreachable = Cli({"--estimate", "0.001", "30", "0.01", "--low", "0.225", "--shortest", "--design"});
    EXPECT_EQ(unreachable.status, 2);
    EXPECT_NE(unreachable.err.find("No length up to 4096 meets the requirements: at 4095 taps"), std::string::npos)
        << unreachable.err;
    EXPECT_NE(unreachable.err.find("raise the attenuation to at least 84.8 dB"), std::string::npos) << unreachable.err;
}

TEST_F(CliRequirementsTest, RequireStatesTheRequirementsOfImportedCoefficientsAndTheyStayWithTheDocument)
{
    ASSERT_EQ(Cli(kTransitionBand + std::vector<std::string>{"--length", "81", "--equiripple", "--export", "full", "h.txt"}).status, 0);
    const RunResult plain = Cli({"--coefficients", "h.txt", "--measure"});
    EXPECT_EQ(valueOf(plain.out, "stop-band attenuation"), "unknown: the filter has no requirements");
    const RunResult stated = Cli(kTransitionBand + std::vector<std::string>{"--coefficients", "h.txt", "--require", "--check",
        "--save", "imported.flt"});
    ASSERT_EQ(stated.status, 0) << stated.err;
    EXPECT_TRUE(Exists("imported.flt.requirements.json"));
    const RunResult reopened = Cli({"imported.flt", "--measure"});
    EXPECT_EQ(valueOf(reopened.out, "verdict"), "Meets the requirements") << reopened.out;
    // Without the file beside it the document's own values give the requirements.
    std::filesystem::remove(folder / "imported.flt.requirements.json");
    EXPECT_NE(valueOf(Cli({"imported.flt", "--measure"}).out, "requirements"), valueOf(reopened.out, "requirements"));
    const RunResult wrongCount = Cli({"--type", "bandpass", "--bands", "0.1,0.2", "--require"});
    EXPECT_EQ(wrongCount.err, "filter-cli: --require: --bands gives 2 edge(s); this filter type needs 4\n");
}
