#pragma once

#include "DialogData.h"
#include "EquirippleDialogData.h"

#include <functional>
#include <string>

// What a design dialog's Shortest button asks of the document: the shortest length whose
// filter, designed by the dialog's method from the values it holds, meets the
// requirements.

// The length found (> 0), or 0 and why there is none; an empty reason when the user
// stopped the search.
struct CShortestAnswer {
    int nLength = 0;
    std::string strWhy;
};

// For the values of the pass-band dialog read by ReadPassBandConditions.
using CPassBandShortest = std::function<CShortestAnswer(const CPassBandData&)>;
// For the values of the equiripple dialog read by ReadEquirippleConditions.
using CEquirippleShortest = std::function<CShortestAnswer(const CEquirippleData&)>;
