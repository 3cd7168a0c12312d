#pragma once

#include <functional>

namespace zsolve {

// How far a root finding has come: of total roots, found have met the iteration's stopping
// test and certified have passed the certificate (certified <= found <= total).
struct RootProgress {
    int found = 0;
    int certified = 0;
    int total = 0;
};

// Receives the progress whenever it changes; called on the root finder's thread.
using ProgressReport = std::function<void(const RootProgress&)>;

}  // namespace zsolve
