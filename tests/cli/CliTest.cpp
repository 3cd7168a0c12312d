// filter-cli, run as a user's script runs it.
#include "CoefficientText.h"
#include "EquirippleDesign.h"
#include "FileIo.h"
#include "FilterDesign.h"
#include "CliTestKit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <numeric>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

TEST_F(CliTest, HelpVersionAndUsageErrorsRunNoStep)
{
    EXPECT_NE(Cli({"--help"}).out.find("usage: filter-cli"), std::string::npos);
    EXPECT_EQ(Cli({"--version"}).out, "filter-cli 0.12\n");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--save", "a.flt", "--bogus"}, {"--save", "a.flt", "--estimate", "1", "2"},
             {"--save", "a.flt", "--type", "notch"}, {"--save", "a.flt", "--show", "zeros"}}) {
        const RunResult result = Cli(args);
        EXPECT_EQ(result.status, 1) << args.back();
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_FALSE(Exists("a.flt"));
    }
}

TEST_F(CliTest, DesignsSavesAndPrintsAsTheMenuCommandsDo)
{
    const RunResult result = Cli(kLowPass31 + std::vector<std::string>{"--info", "--save", "low.flt"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("length: 31\ntype: lowpass\nlow cut-off: 0.25\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("response: 124\ndisplay: impulse, 31 values\ndB: off\n"), std::string::npos) << result.out;
    EXPECT_EQ(std::filesystem::file_size(folder / "low.flt"), 2532u);
    const CRealArray h = DesignPassBand(0, 31, 0.25, 0.5, 60.0).coefficients;
    const std::vector<double> printed = Printed({"low.flt", "--print"});
    ASSERT_EQ(printed.size(), 31u);
    for (int i = 0; i < 31; ++i)
        EXPECT_EQ(printed[static_cast<size_t>(i)], h[i]) << i;  // %.17g reads back exactly
    EXPECT_EQ(Printed({"low.flt", "--show", "amplitude", "--print"}).size(), 62u);
    EXPECT_EQ(Printed({"low.flt", "--show", "real", "--print"}).size(), 124u);
    const std::vector<double> db = Printed({"low.flt", "--show", "amplitude", "--db", "--print"});
    EXPECT_NEAR(db[0], 0.0, 0.01);
}

TEST_F(CliTest, EstimatedLengthAndTypedAttenuationFeedTheNextDesign)
{
    const RunResult result = Cli({"--estimate", "0.5", "80", "0.02", "--design", "--info"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("length: 251\n"), std::string::npos);
    EXPECT_NE(result.out.find("attenuation: 80\nideal: 251\ncoefficients: 251\n"), std::string::npos) << result.out;
}

TEST_F(CliTest, AFailingStepStopsTheRunAndKeepsWhatCameBefore)
{
    const struct {
        std::vector<std::string> failing;
        const char* message;
    } cases[] = {
        {{"--length", "5000", "--design"}, "--design: filter length: Please enter an integer between 1 and 4096.\n"},
        {{"--type", "bandpass", "--low", "0.1", "--design"}, "--design: high cut-off: Please enter a number greater than 0.1 and at most 0.5.\n"},
        {{"--attenuation", "inf", "--design"}, "--design: attenuation: Please enter a number between 0 and 1000.\n"},
        {{"--estimate", "0", "60", "0.05"}, "--estimate: in-band ripple: Please enter a number greater than 0 and at most 200.\n"},
        {{"--sample-rate", "-1"}, "--sample-rate: sample rate: Please enter 0 for none or a number between 0.001 and 1e+12.\n"},
        {{"--coefficients", "missing.txt"}, "--coefficients: cannot open \"missing.txt\": No such file or directory\n"},
        {{"--save", "no/such/folder.flt"}, "--save: cannot create \"no/such/folder.flt\": No such file or directory\n"},
        {{"--type", "bandpass", "--bands", "0.2,0.25", "--equiripple"}, "--equiripple: --bands gives 2 edge(s); this filter type needs 4\n"},
        {{"--type", "highpass", "--bands", "0.2,0.25", "--length", "100", "--equiripple"},
            "--equiripple: filter length: An even length cannot give a high pass filter: its response is zero at half the sampling frequency. Use an odd length, such as 101.\n"},
        {{"--bands", "0.2,0.1", "--estimate-equiripple"}, "--estimate-equiripple: band edge 2: Please enter a number greater than 0.2 and less than 0.5.\n"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(folder / "before.flt");
        const RunResult result = Cli(kLowPass31 + std::vector<std::string>{"--save", "before.flt"} + c.failing
            + std::vector<std::string>{"--save", "after.flt"});
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, std::string("filter-cli: ") + c.message);
        EXPECT_TRUE(Exists("before.flt"));
        EXPECT_FALSE(Exists("after.flt"));
    }
}

TEST_F(CliTest, EquirippleDesignTakesTheEstimatedLength)
{
    const RunResult result = Cli({"--type", "bandpass", "--bands", "0.1,0.15,0.3,0.35", "--ripple", "0.5", "--attenuation",
        "40", "--estimate-equiripple", "--equiripple", "--info", "--print", "--measure"});
    ASSERT_EQ(result.status, 0) << result.err;
    // The measurements know the design and find the attenuation asked for.
    EXPECT_NE(result.out.find("\ndesign: equiripple (Parks-McClellan)\n"), std::string::npos);
    const size_t stop = result.out.find("\nstop-band attenuation: ");
    ASSERT_NE(stop, std::string::npos);
    EXPECT_GE(std::stod(result.out.substr(stop + 24)), 40.0) << result.out.substr(stop);
    std::istringstream out(result.out);
    int estimate = 0;
    out >> estimate;
    EXPECT_NE(result.out.find("\nlength: " + std::to_string(estimate) + "\ntype: bandpass\nlow cut-off: 0.125\n"), std::string::npos) << result.out;
    CEquirippleRequest request;
    request.nType = 2;
    request.nLength = estimate;
    request.edges = {0.1, 0.15, 0.3, 0.35};
    request.dRipple = 0.5;
    request.dAttenuation = 40.0;
    EXPECT_EQ(EstimateEquirippleLength(request).nLength, estimate);
    const CRealArray h = DesignEquiripple(request).coefficients;
    const std::vector<double> printed = Printed({"--type", "bandpass", "--bands", "0.1,0.15,0.3,0.35", "--ripple", "0.5",
        "--attenuation", "40", "--length", std::to_string(estimate), "--equiripple", "--print"});
    ASSERT_EQ(printed.size(), static_cast<size_t>(estimate));
    for (int i = 0; i < estimate; ++i)
        EXPECT_EQ(printed[static_cast<size_t>(i)], h[i]) << i;
}

TEST_F(CliTest, EquirippleWeightsReplaceThoseOfRippleAndAttenuation)
{
    CEquirippleRequest request;
    request.nType = 0;
    request.nLength = 45;
    request.edges = {0.2, 0.25};
    request.weights = {1.0, 30.0};
    const CRealArray h = DesignEquiripple(request).coefficients;
    const std::vector<double> printed = Printed({"--type", "lowpass", "--bands", "0.2,0.25", "--length", "45",
        "--weights", "1,30", "--equiripple", "--print"});
    ASSERT_EQ(printed.size(), 45u);
    for (int i = 0; i < 45; ++i)
        EXPECT_EQ(printed[static_cast<size_t>(i)], h[i]) << i;
    const RunResult refused = Cli({"--type", "bandpass", "--weights", "1,30", "--equiripple"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("--equiripple: band weights: Please enter 3 weights"), std::string::npos) << refused.err;
}

TEST_F(CliTest, RefusesAFileThatIsNotAFilterDocument)
{
    exchange::WriteFileAtomically(folder / "notes.txt", "these are not the bytes of a filter");
    const RunResult result = Cli({"notes.txt", "--info"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "filter-cli: open: cannot open \"notes.txt\": not a filter document\n");
    EXPECT_EQ(result.out, "");
}

TEST_F(CliTest, ExportedTextReadsBackAsCoefficients)
{
    ASSERT_EQ(Cli(kLowPass31 + std::vector<std::string>{"--export-text", "beta.txt"}).status, 0);
    const std::string text = exchange::ReadFileBytes(folder / "beta.txt");
    EXPECT_EQ(text.rfind("double beta[] =\r\n{\t", 0), 0u);
    const CRealArray written = ParseCoefficientText(text);
    const std::vector<double> back = Printed({"--coefficients", "beta.txt", "--print"});
    ASSERT_EQ(back.size(), 31u);
    for (int i = 0; i < 31; ++i)
        EXPECT_EQ(back[static_cast<size_t>(i)], written[i]);
    exchange::WriteFileAtomically(folder / "plain.txt", "1, 0.5\n-0.25");
    EXPECT_EQ(Printed({"--coefficients", "plain.txt", "--show", "real", "--print"}).size(), 12u);
    const RunResult none = Cli({"--export-text", "x.txt"});
    EXPECT_EQ(none.status, 2);
    EXPECT_FALSE(Exists("x.txt"));
}

// The names in folder dir, sorted.
std::set<std::string> Listing(const std::filesystem::path& dir)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

TEST_F(CliTest, ZerosAndMinimumPhaseGoThroughTheRootFinderInAPrivateFolder)
{
    // The private exchange folders are made under TMPDIR, which the program inherits.
    std::filesystem::create_directory(folder / "tmp");
    const char* const oldTmp = std::getenv("TMPDIR");
    const std::string savedTmp = oldTmp ? oldTmp : "";
    ::setenv("TMPDIR", (folder / "tmp").c_str(), 1);
    exchange::WriteFileAtomically(folder / "h.txt", "1 -2.5 1");  // zeros 2 and 0.5
    const std::vector<double> zeros = Printed({"--coefficients", "h.txt", "--zeros"});
    ASSERT_EQ(zeros.size(), 4u);
    EXPECT_NEAR(std::min(zeros[0], zeros[2]), 0.5, 1e-14);
    EXPECT_NEAR(std::max(zeros[0], zeros[2]), 2.0, 1e-14);
    exchange::WriteFileAtomically(folder / "g.txt", "1 -2");
    const std::vector<double> minimum = Printed({"--coefficients", "g.txt", "--minimum-phase", "--print"});
    ASSERT_EQ(minimum.size(), 2u);
    EXPECT_NEAR(minimum[0], 2.0, 1e-14);
    EXPECT_NEAR(minimum[1], -1.0, 1e-14);
    exchange::WriteFileAtomically(folder / "zero.txt", "0 0 0");
    const RunResult failed = Cli({"--coefficients", "zero.txt", "--zeros"});
    EXPECT_EQ(failed.status, 2);
    // One line: the step that failed, with the root finder's own reason.
    EXPECT_EQ(failed.err, "filter-cli: --zeros: The root finder zsolve failed: \"beta.bin\": all coefficients are zero.\n");
    EXPECT_EQ(failed.out, "");
    oldTmp ? ::setenv("TMPDIR", savedTmp.c_str(), 1) : ::unsetenv("TMPDIR");
    // Nothing left where it ran, nor in the temporary folder, after success and failure.
    EXPECT_EQ(Listing(folder.path()), (std::set<std::string>{"g.txt", "h.txt", "tmp", "zero.txt"}));
    EXPECT_TRUE(Listing(folder / "tmp").empty());
}

TEST_F(CliTest, ExchangeDirKeepsTheExchangeFilesThereAndAMissingOneFailsTheStep)
{
    exchange::WriteFileAtomically(folder / "h.txt", "1 -2.5 1");
    std::filesystem::create_directory(folder / "ex");
    // Named after the step it serves: the folder holds for every step.
    EXPECT_EQ(Printed({"--coefficients", "h.txt", "--zeros", "--exchange-dir", "ex"}).size(), 4u);
    EXPECT_EQ(exchange::ReadFileBytes(folder / "ex/beta.bin").size(), 50u);
    EXPECT_EQ(exchange::ReadFileBytes(folder / "ex/root.bin").size(), 34u);
    EXPECT_EQ(Listing(folder.path()), (std::set<std::string>{"ex", "h.txt"}));
    const RunResult missing = Cli({"--exchange-dir", "nowhere", "--coefficients", "h.txt", "--zeros", "--info"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err.rfind("filter-cli: --zeros: cannot enter the exchange folder \"nowhere\": ", 0), 0u)
        << missing.err;
    EXPECT_EQ(missing.out, "");
}

TEST_F(CliTest, EveryExportFormatWritesAFileThatReadsBack)
{
    const std::vector<double> h = Printed(kLowPass31 + std::vector<std::string>{"--print"});
    std::vector<std::string> args = kLowPass31 + std::vector<std::string>{"--block-size", "48"};
    for (const char* format : {"full", "csv", "q15", "q31", "dsp-f32", "dsp-q15", "dsp-q31"})
        args = args + std::vector<std::string>{"--export", format, std::string(format) + ".out"};
    const RunResult result = Cli(args + std::vector<std::string>{"--show", "phase", "--export", "display", "display.csv"});
    ASSERT_EQ(result.status, 0) << result.err;
    const struct {
        const char* file;
        double tolerance;
        size_t count;
    } cases[] = {{"full.out", 0.0, 31}, {"csv.out", 0.0, 31}, {"q15.out", 0.5 / 32768, 31}, {"q31.out", 0.5 / 2147483648.0, 31},
        {"dsp-f32.out", 3.1e-8, 31}, {"dsp-q15.out", 0.5 / 32768, 31}, {"dsp-q31.out", 0.5 / 2147483648.0, 31}};
    for (const auto& c : cases) {
        const std::vector<double> back = Printed({"--coefficients", c.file, "--print"});
        ASSERT_EQ(back.size(), c.count) << c.file;
        for (size_t n = 0; n < h.size(); ++n)
            EXPECT_NEAR(back[n], h[n], c.tolerance) << c.file << " " << n;
    }
    EXPECT_NE(exchange::ReadFileBytes(folder / "dsp-q31.out").find("#define DSP_Q31_BLOCK_SIZE 48\n"), std::string::npos);
    const std::string display = exchange::ReadFileBytes(folder / "display.csv");
    EXPECT_EQ(display.rfind("index,frequency_fs,phase_rad\n0,0,", 0), 0u);
    EXPECT_EQ(std::count(display.begin(), display.end(), '\n'), 63);
}

TEST_F(CliTest, TheFixedPointAndDspHeadersCompileAsC)
{
    if (!std::filesystem::exists("/usr/bin/cc"))
        GTEST_SKIP() << "no C compiler";
    exchange::WriteFileAtomically(folder / "arm_math.h",
        "#include <stdint.h>\ntypedef float float32_t;\ntypedef int16_t q15_t;\ntypedef int32_t q31_t;\n");
    exchange::WriteFileAtomically(folder / "h.txt", "1.5 -1 0.25 -0.125 1e-6");  // scaled by 2, one value saturated
    for (const char* format : {"q15", "q31", "dsp-f32", "dsp-q15", "dsp-q31"}) {
        ASSERT_EQ(Cli({"--coefficients", "h.txt", "--export", format, "h.h"}).status, 0);
        exchange::WriteFileAtomically(folder / "use.c", "#include \"h.h\"\nint main(void) { return 0; }\n");
        const RunResult cc = RunProgram("/usr/bin/cc", {"-std=c99", "-Wall", "-Wextra", "-Werror", "-Wno-unused-const-variable",
                                                        "-I.", "-c", "use.c", "-o", "use.o"}, folder.path());
        EXPECT_EQ(cc.status, 0) << format << "\n" << cc.err;
    }
}

TEST_F(CliTest, ALineOfAMillionBlanksIsReadNotACrash)
{
    exchange::WriteFileAtomically(folder / "blank.txt", std::string(1000000, ' ') + "0.5 0.25\n");
    EXPECT_EQ(Printed({"--coefficients", "blank.txt", "--print"}), (std::vector<double>{0.5, 0.25}));
    exchange::WriteFileAtomically(folder / "bad.txt", "0.5\n" + std::string(1000000, ' ') + "x\n");
    const RunResult bad = Cli({"--coefficients", "bad.txt", "--print"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "filter-cli: --coefficients: \"bad.txt\": line 2, column 1000001: \"x\" is not a number\n");
}

TEST_F(CliTest, ExportRefusalsWriteNothing)
{
    const RunResult noFilter = Cli({"--export", "q15", "q.h"});
    EXPECT_EQ(noFilter.err, "filter-cli: --export: there is no filter yet\n");
    const RunResult badBlock = Cli(kLowPass31 + std::vector<std::string>{"--block-size", "0", "--export", "dsp-f32", "f.h"});
    EXPECT_EQ(badBlock.status, 2);
    EXPECT_EQ(badBlock.err, "filter-cli: --export: block size: Please enter an integer between 1 and 65536.\n");
    EXPECT_EQ(Cli({"--export", "q16", "q.h"}).status, 1);
    EXPECT_FALSE(Exists("q.h") || Exists("f.h"));
}

TEST_F(CliTest, MeasuresInTheUnitsOfTheSampleRateAndShowsTheTwoNewDisplays)
{
    const RunResult plain = Cli(kLowPass31 + std::vector<std::string>{"--measure"});
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.out.rfind("length: 31\ndesign: Kaiser window\ntype: low pass\nlow cut-off: 0.25\n", 0), 0u) << plain.out;
    EXPECT_NE(plain.out.find("\nsymmetric: yes (linear phase)\ngroup delay: 15 samples, constant\n"), std::string::npos);
    const RunResult rated = Cli(kLowPass31 + std::vector<std::string>{"--sample-rate", "48000", "--measure", "--sample-rate", "none", "--measure"});
    EXPECT_NE(rated.out.find("low cut-off: 0.25 (12 kHz)\n"), std::string::npos) << rated.out;
    EXPECT_NE(rated.out.find("stop band 14.8997 kHz .. 24 kHz"), std::string::npos);
    EXPECT_NE(rated.out.find("group delay: 15 samples (312.5 µs), constant\n"), std::string::npos);
    EXPECT_EQ(rated.out.find("Hz", rated.out.find("length", 1)), std::string::npos);  // none after "none"
    EXPECT_EQ(Cli({"--measure"}).err, "filter-cli: --measure: there is no filter yet\n");

    const std::vector<double> step = Printed(kLowPass31 + std::vector<std::string>{"--show", "step", "--print"});
    const std::vector<double> impulse = Printed(kLowPass31 + std::vector<std::string>{"--print"});
    ASSERT_EQ(step.size(), 31u);
    EXPECT_NEAR(step.back(), std::accumulate(impulse.begin(), impulse.end(), 0.0), 1e-12);
    EXPECT_EQ(Printed(kLowPass31 + std::vector<std::string>{"--show", "groupdelay", "--print"}).size(), 62u);
}

TEST_F(CliTest, ExportsMeasureTheQuantizedDesignAndTakeTheSampleRate)
{
    const RunResult designed = Cli(kLowPass31 + std::vector<std::string>{"--export", "q15", "q.h", "--sample-rate", "48000",
                                                                          "--show", "amplitude", "--export", "display", "d.csv"});
    ASSERT_EQ(designed.status, 0) << designed.err;
    const std::string header = exchange::ReadFileBytes(folder / "q.h");
    EXPECT_NE(header.find(" dB (double), "), std::string::npos) << header;
    EXPECT_NE(header.find(" dB (Q15)."), std::string::npos);
    // Bin k of the 124-point response lies at k / 124 of 48 kHz.
    EXPECT_EQ(exchange::ReadFileBytes(folder / "d.csv").rfind("index,frequency_Hz,amplitude\n0,0,", 0), 0u);
    EXPECT_NE(exchange::ReadFileBytes(folder / "d.csv").find("\n31,12000,"), std::string::npos);

    // Coefficients of no known design have no stop band to measure.
    ASSERT_EQ(Cli({"--coefficients", "q.h", "--export", "q15", "imported.h"}).status, 0);
    EXPECT_EQ(exchange::ReadFileBytes(folder / "imported.h").find("Stop-band attenuation"), std::string::npos);
}

