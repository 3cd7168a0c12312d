#pragma once

#include <string>

// How far the root finder has come, as it tells with --progress: of total roots, found
// have met its stopping test and certified have passed its certificate.
struct CRootFinderProgress {
    int found = 0;
    int certified = 0;
    int total = 0;
};

// Takes a line of the root finder's standard error: a progress line
// ("zsolve: F of N roots found" or "zsolve: C of N roots certified", 0 <= F, C <= N)
// updates progress and gives true; any other line (a failure's reason) leaves it and gives
// false.
bool ReadRootFinderProgress(const std::string& line, CRootFinderProgress& progress);
