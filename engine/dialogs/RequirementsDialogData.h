#pragma once

#include "DataExchange.h"
#include "Requirements.h"

#include <array>
#include <optional>
#include <string>

// What the requirements dialog's controls hold: the type's radio index and the edits'
// texts, the band edges in Hz when a sample rate is set. Edges 3 and 4 belong to the band
// types only.
struct CRequirementsTexts {
    int nType = 0;
    std::array<std::string, 4> strEdges;
    std::string strRipple;
    std::string strAttenuation;
};

// The controls as the dialog opens on r (well formed); sampleRateHz > 0 shows the edges in
// Hz, 0 as fractions of the sampling frequency. A type with two edges puts edges 3 and 4 a
// third and two thirds of the way from its last edge up to half the sampling frequency.
CRequirementsTexts WriteRequirements(const CRequirements& r, double sampleRateHz);
// Reads and checks the controls in exchange order: type, the type's edges (each at least
// the one before, the first at least 0, none above half the sampling frequency), Inband
// Ripple (1e-05 .. 100 dB), Outband Attn. (0 .. 1000 dB). Fields read before a failure
// keep their new values in r; the first failure is returned.
std::optional<CExchangeFailure> ReadRequirements(const CRequirementsTexts& texts, double sampleRateHz,
    CRequirements& r);
