#include "ResponseGrid.h"

#include "FilterMeasurement.h"
#include "NumberText.h"

#include <cmath>
#include <complex>
#include <stdexcept>

namespace {

constexpr double kPi = 3.14159265358979323846;

// H(f) and the sum of n h[n] e^(-j 2 pi f n), each term's angle reduced to one turn first.
std::pair<std::complex<double>, std::complex<double>> sums(const CRealArray& h, double f)
{
    std::complex<double> response, weighted;
    for (int n = 0; n < h.GetSize(); ++n) {
        const double turns = f * n - std::floor(f * n);
        const std::complex<double> term = std::polar(h[n], -2.0 * kPi * turns);
        response += term;
        weighted += static_cast<double>(n) * term;
    }
    return {response, weighted};
}

std::string header(double sampleRate)
{
    return sampleRate > 0.0 ? "frequency (Hz),magnitude,magnitude (dB),phase (rad),group delay (s)\n"
                            : "frequency (cycles/sample),magnitude,magnitude (dB),phase (rad),group delay (samples)\n";
}

}  // namespace

std::vector<double> GridFrequencies(const CResponseGrid& grid)
{
    if (grid.nPoints < 2 || grid.nPoints > kMaxResponsePoints)
        throw std::invalid_argument("the grid needs 2 to " + std::to_string(kMaxResponsePoints) + " points");
    if (!(grid.dFrom >= 0.0 && grid.dFrom < grid.dTo && grid.dTo <= 0.5))
        throw std::invalid_argument("the grid's range must lie within 0 .. 0.5, its start below its end");
    if (grid.bLog && grid.dFrom <= 0.0)
        throw std::invalid_argument("a logarithmic grid must start above 0");
    std::vector<double> f(static_cast<size_t>(grid.nPoints));
    const double last = grid.nPoints - 1.0;
    for (int k = 0; k < grid.nPoints; ++k)
        f[static_cast<size_t>(k)] = grid.bLog ? grid.dFrom * std::pow(grid.dTo / grid.dFrom, k / last)
                                              : grid.dFrom + (grid.dTo - grid.dFrom) * (k / last);
    f.back() = grid.dTo;
    return f;
}

std::string FormatResponseCsv(const CRealArray& h, const CResponseGrid& grid, double sampleRate)
{
    if (h.GetSize() < 1)
        throw std::invalid_argument("there are no coefficients");
    const std::vector<double> frequencies = GridFrequencies(grid);
    const double scale = sampleRate > 0.0 ? sampleRate : 1.0;
    // Below this the response is a zero within rounding: its angle and delay mean nothing.
    double tiny = 0.0;
    for (int n = 0; n < h.GetSize(); ++n)
        tiny += 1e-12 * std::abs(h[n]);
    std::string csv = header(sampleRate);
    // The phase is followed from 0 Hz, where it is 0 or pi.
    const auto [dc, dcWeighted] = sums(h, 0.0);
    double phase = dc.real() < 0.0 ? kPi : 0.0;
    double delay = std::abs(dc) > tiny ? (dcWeighted / dc).real() : 0.0;
    double previous = 0.0;
    for (size_t k = 0; k < frequencies.size(); ++k) {
        const auto [response, weighted] = sums(h, frequencies[k]);
        const double magnitude = std::abs(response);
        const bool defined = magnitude > tiny;
        const double nextDelay = defined ? (weighted / response).real() : delay;
        // The phase turns by about -2 pi times the area under the group delay: of the
        // angle's values 2 pi apart, the one nearest that keeps the phase whole on any grid.
        const double predicted = phase - kPi * (frequencies[k] - previous) * (delay + nextDelay);
        phase = defined ? predicted + std::remainder(std::arg(response) - predicted, 2.0 * kPi) : predicted;
        delay = nextDelay;
        previous = frequencies[k];
        csv += FormatGeneral(frequencies[k] * scale, 17) + "," + FormatGeneral(magnitude, 17) + ","
            + FormatGeneral(MagnitudeDb(magnitude), 17) + "," + FormatGeneral(phase, 17) + ","
            + (defined ? FormatGeneral(delay / scale, 17) : std::string()) + "\n";
    }
    return csv;
}
