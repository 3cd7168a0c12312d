// The response on a chosen grid: its frequencies, and each column against closed forms
// worked out by hand for filters whose response is known.
#include "FilterMeasurement.h"
#include "ResponseGrid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

constexpr double kPi = 3.14159265358979323846;

CRealArray array(std::initializer_list<double> values)
{
    CRealArray a(static_cast<int>(values.size()));
    std::copy(values.begin(), values.end(), a.data());
    return a;
}

// The CSV's rows after its header, each cell a number (NAN for an empty one).
std::vector<std::vector<double>> rows(const std::string& csv, std::string* header = nullptr)
{
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    if (header)
        *header = line;
    std::vector<std::vector<double>> table;
    while (std::getline(lines, line)) {
        std::vector<double> row;
        std::istringstream cells(line + ",");
        for (std::string cell; std::getline(cells, cell, ',');)
            row.push_back(cell.empty() ? NAN : std::stod(cell));
        table.push_back(row);
    }
    return table;
}

}  // namespace

TEST(ResponseGrid, FrequenciesEvenOrGeometricWithBothEnds)
{
    EXPECT_EQ(GridFrequencies({5, 0.0, 0.5, false}), (std::vector<double>{0.0, 0.125, 0.25, 0.375, 0.5}));
    const std::vector<double> log = GridFrequencies({3, 0.005, 0.5, true});
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0], 0.005);
    EXPECT_NEAR(log[1], 0.05, 1e-15);
    EXPECT_EQ(log[2], 0.5);
    for (const CResponseGrid& bad : {CResponseGrid{1, 0.0, 0.5, false}, CResponseGrid{kMaxResponsePoints + 1, 0.0, 0.5, false},
             CResponseGrid{4, 0.3, 0.2, false}, CResponseGrid{4, 0.0, 0.6, false}, CResponseGrid{4, 0.0, 0.5, true}})
        EXPECT_THROW(GridFrequencies(bad), std::invalid_argument);
}

// h = {1, 0.5}: H = 1 + e^(-jw) / 2, |H|^2 = 1.25 + cos w, phase -atan2(sin w / 2, 1 + cos w / 2)
// and group delay (cos w / 2 + 1/4) / (5/4 + cos w).
TEST(ResponseGrid, ColumnsAgreeWithTheClosedFormsOfTwoTaps)
{
    std::string header;
    const auto table = rows(FormatResponseCsv(array({1.0, 0.5}), {9, 0.0, 0.5, false}, 0.0), &header);
    EXPECT_EQ(header, "frequency (cycles/sample),magnitude,magnitude (dB),phase (rad),group delay (samples)");
    ASSERT_EQ(table.size(), 9u);
    for (const auto& row : table) {
        const double w = 2 * kPi * row[0];
        EXPECT_NEAR(row[1], std::sqrt(1.25 + std::cos(w)), 1e-15);
        EXPECT_NEAR(row[2], 20 * std::log10(std::sqrt(1.25 + std::cos(w))), 1e-13);
        EXPECT_NEAR(row[3], -std::atan2(0.5 * std::sin(w), 1 + 0.5 * std::cos(w)), 1e-15);
        EXPECT_NEAR(row[4], (0.5 * std::cos(w) + 0.25) / (1.25 + std::cos(w)), 1e-15);
    }
    EXPECT_EQ(table.back()[0], 0.5);  // the Nyquist point included
}

// A delay of 3 samples and a symmetric filter of 41 taps (delay 20): their phase stays
// whole, -2 pi f times the delay, even on a grid far coarser than its turns.
TEST(ResponseGrid, PhaseIsUnwrappedOnAnyGrid)
{
    CRealArray symmetric(41);
    for (int n = 0; n < 41; ++n)
        symmetric[n] = 1.0 / (1.0 + std::abs(n - 20));  // positive: H(f) never changes sign at low f
    for (const CResponseGrid& grid : {CResponseGrid{4, 0.001, 0.5, true}, CResponseGrid{3, 0.0, 0.5, false}}) {
        for (const auto& row : rows(FormatResponseCsv(array({0.0, 0.0, 0.0, 2.0}), grid, 0.0)))
            EXPECT_NEAR(row[3], -2 * kPi * row[0] * 3, 1e-12) << row[0];
    }
    const auto table = rows(FormatResponseCsv(symmetric, {3, 0.001, 0.01, true}, 0.0));
    for (const auto& row : table) {
        EXPECT_NEAR(row[3], -2 * kPi * row[0] * 20, 1e-9) << row[0];
        EXPECT_NEAR(row[4], 20.0, 1e-9);
    }
}

// h = {1, 1} is zero at half the sampling frequency: no group delay there, the dB floor.
TEST(ResponseGrid, AZeroOfTheResponseLeavesTheDelayEmptyAndUnitsFollowTheSampleRate)
{
    std::string header;
    const auto table = rows(FormatResponseCsv(array({1.0, 1.0}), {3, 0.0, 0.5, false}, 8000.0), &header);
    EXPECT_EQ(header, "frequency (Hz),magnitude,magnitude (dB),phase (rad),group delay (s)");
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[1][0], 2000.0);
    EXPECT_NEAR(table[1][4], 0.5 / 8000, 1e-18);
    EXPECT_EQ(table[2][0], 4000.0);
    EXPECT_LT(table[2][1], 1e-15);
    EXPECT_EQ(table[2][2], MagnitudeDb(table[2][1]));
    EXPECT_TRUE(std::isnan(table[2][4]));
}
