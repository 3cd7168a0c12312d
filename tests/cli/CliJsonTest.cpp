// filter-cli --json: each printing step one JSON document that a script can read, its
// numbers the same as the text output's, frequencies in Hz beside the fractions when a
// sample rate is set; and --estimate printing the length it found.
#include "CliTestKit.h"
#include "FileIo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdlib>

namespace {

// The one JSON document out holds; a failure when it holds anything else.
QJsonObject document(const std::string& out)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error);
    EXPECT_TRUE(json.isObject()) << error.errorString().toStdString() << "\n" << out;
    return json.object();
}

// The number after "name: " in filter-cli's text report.
double reported(const std::string& report, const std::string& name)
{
    const size_t at = report.find("\n" + name + ": ");
    return at == std::string::npos ? NAN : std::strtod(report.c_str() + at + name.size() + 3, nullptr);
}

}  // namespace

TEST_F(CliTest, EstimatePrintsTheLengthItFound)
{
    const RunResult text = Cli({"--estimate", "0.5", "80", "0.02", "--info"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out.rfind("251\nlength: 251\n", 0), 0u) << text.out;
    const RunResult json = Cli({"--estimate", "0.5", "80", "0.02", "--sample-rate", "1000", "--estimate", "0.5", "80", "0.02", "--json"});
    const std::string second = json.out.substr(json.out.find("}\n") + 2);
    const QJsonObject rated = document(second);
    EXPECT_FALSE(document(json.out.substr(0, json.out.find("}\n") + 2)).contains("transition_width_hz"));
    EXPECT_EQ(rated.value("length").toInt(), 251);
    EXPECT_EQ(rated.value("attenuation_db").toDouble(), 80.0);
    EXPECT_EQ(rated.value("transition_width").toDouble(), 0.02);
    EXPECT_EQ(rated.value("transition_width_hz").toDouble(), 20.0);
}

TEST_F(CliTest, JsonMeasurementHoldsTheReportsFiguresAndHertzWithASampleRate)
{
    const std::vector<std::string> design = kLowPass31 + std::vector<std::string>{"--sample-rate", "48000"};
    const RunResult text = Cli(design + std::vector<std::string>{"--measure"});
    const RunResult json = Cli(design + std::vector<std::string>{"--json", "--measure"});
    ASSERT_EQ(json.status, 0) << json.err;
    const QJsonObject m = document(json.out);
    EXPECT_EQ(m.value("length").toInt(), 31);
    EXPECT_EQ(m.value("sample_rate_hz").toDouble(), 48000.0);
    EXPECT_EQ(m.value("design").toObject().value("method").toString(), "kaiser");
    EXPECT_EQ(m.value("design").toObject().value("low_cutoff_hz").toDouble(), 12000.0);
    EXPECT_EQ(m.value("symmetry").toString(), "symmetric");
    EXPECT_EQ(m.value("group_delay").toObject().value("min_samples").toDouble(), 15.0);
    EXPECT_EQ(m.value("group_delay").toObject().value("max_seconds").toDouble(), 15.0 / 48000);
    EXPECT_NEAR(m.value("dc_gain").toDouble(), reported(text.out, "DC gain"), 1e-5);
    const QJsonObject stop = m.value("stop_band").toObject();
    const QJsonObject largest = stop.value("largest").toObject();
    EXPECT_EQ(stop.value("attenuation_db").toDouble(), -largest.value("db").toDouble());
    EXPECT_NEAR(stop.value("attenuation_db").toDouble(), reported(text.out, "stop-band attenuation"), 0.01) << text.out;
    EXPECT_EQ(largest.value("frequency_hz").toDouble(), largest.value("frequency").toDouble() * 48000);
    const QJsonArray bands = m.value("bands").toArray();
    ASSERT_EQ(bands.size(), 2);
    EXPECT_EQ(bands[1].toObject().value("kind").toString(), "stop");
    EXPECT_EQ(bands[1].toObject().value("edges_hz").toArray()[1].toDouble(), 24000.0);
    EXPECT_EQ(m.value("meets_requirements").toBool(), text.out.find("verdict: Meets") != std::string::npos);
}

TEST_F(CliTest, JsonInfoEquirippleEstimateAndZeros)
{
    const QJsonObject info = document(Cli(kLowPass31 + std::vector<std::string>{"--db", "--info", "--json"}).out);
    EXPECT_EQ(info.value("length").toInt(), 31);
    EXPECT_EQ(info.value("type").toString(), "lowpass");
    EXPECT_EQ(info.value("low_cutoff").toDouble(), 0.25);
    EXPECT_EQ(info.value("coefficients").toInt(), 31);
    EXPECT_EQ(info.value("response").toInt(), 124);
    EXPECT_EQ(info.value("display").toObject().value("kind").toString(), "impulse");
    EXPECT_TRUE(info.value("db").toBool());
    EXPECT_TRUE(document(Cli({"--info", "--json"}).out).value("coefficients").isNull());

    const RunResult estimate = Cli({"--json", "--type", "lowpass", "--bands", "0.2,0.25", "--ripple", "0.1",
        "--attenuation", "60", "--estimate-equiripple"});
    const RunResult estimateText = Cli({"--type", "lowpass", "--bands", "0.2,0.25", "--ripple", "0.1",
        "--attenuation", "60", "--estimate-equiripple"});
    EXPECT_EQ(document(estimate.out).value("length").toInt(), std::stoi(estimateText.out));

    exchange::WriteFileAtomically(folder / "h.txt", "1 -2.5 1");  // zeros 2 and 0.5
    const std::vector<double> text = Printed({"--coefficients", "h.txt", "--zeros"});
    const QJsonArray zeros = document(Cli({"--coefficients", "h.txt", "--zeros", "--json"}).out).value("zeros").toArray();
    ASSERT_EQ(zeros.size(), 2);
    ASSERT_EQ(text.size(), 4u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(zeros[i].toObject().value("re").toDouble(), text[2 * static_cast<size_t>(i)]);
        EXPECT_EQ(zeros[i].toObject().value("im").toDouble(), text[2 * static_cast<size_t>(i) + 1]);
        EXPECT_EQ(zeros[i].toObject().value("magnitude").toDouble(), std::abs(text[2 * static_cast<size_t>(i)]));
    }
}

TEST_F(CliTest, JsonMeasurementNamesEachBandsGainAndADesignAtTheRoundingFloor)
{
    const RunResult json = Cli({"--type", "differentiator", "--band", "0,0.2,0", "--band", "0.25,0.4,2", "--length", "40",
        "--equiripple", "--json", "--measure"});
    ASSERT_EQ(json.status, 0) << json.err;
    const QJsonObject m = document(json.out);
    EXPECT_EQ(m.value("requirements").toObject().value("gains").toArray(), QJsonArray({0.0, 2.0}));
    const QJsonArray bands = m.value("bands").toArray();
    ASSERT_EQ(bands.size(), 2);
    EXPECT_EQ(bands[0].toObject().value("gain").toDouble(), 0.0);
    EXPECT_FALSE(bands[0].toObject().contains("per_frequency"));
    EXPECT_EQ(bands[1].toObject().value("gain").toDouble(), 2.0);
    EXPECT_TRUE(bands[1].toObject().value("per_frequency").toBool());
    EXPECT_FALSE(m.value("design").toObject().contains("at_rounding_floor"));
    const RunResult floor = Cli({"--type", "lowpass", "--bands", "0.2,0.25", "--length", "4001", "--equiripple", "--json",
        "--measure"});
    ASSERT_EQ(floor.status, 0) << floor.err;
    EXPECT_TRUE(document(floor.out).value("design").toObject().value("at_rounding_floor").toBool()) << floor.out;
}
