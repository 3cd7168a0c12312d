// The lines of progress of zsolve --progress, told apart from the reason of a failure.
#include "RootFinderProgress.h"

#include <gtest/gtest.h>

namespace {

TEST(RootFinderProgress, ReadsTheLinesOfProgressAndNothingElse)
{
    const struct {
        const char* line;
        bool taken;
        int found, certified, total;
    } cases[] = {
        {"zsolve: 12 of 40 roots found", true, 12, 0, 40},
        {"zsolve: 40 of 40 roots found", true, 40, 0, 40},
        {"zsolve: 7 of 40 roots certified", true, 40, 7, 40},  // certified once all are found
        {"zsolve: 0 of 0 roots certified", true, 0, 0, 0},
        // A failure's reason, or lines that only look alike, leave the progress as it was.
        {"zsolve: \"beta.bin\": 831 of 65534 roots could not be found to double precision", false, 3, 1, 9},
        {"zsolve: 12 of 40 roots found.", false, 3, 1, 9},
        {"zsolve: 12 of 40 roots lost", false, 3, 1, 9},
        {"zsolve: 41 of 40 roots found", false, 3, 1, 9},
        {"zsolve: -1 of 40 roots found", false, 3, 1, 9},
        {"zsolve: 12 of 40 roots", false, 3, 1, 9},
        {"other: 12 of 40 roots found", false, 3, 1, 9},
        {"", false, 3, 1, 9},
    };
    for (const auto& c : cases) {
        CRootFinderProgress progress{3, 1, 9};
        EXPECT_EQ(ReadRootFinderProgress(c.line, progress), c.taken) << c.line;
        EXPECT_EQ(progress.found, c.found) << c.line;
        EXPECT_EQ(progress.certified, c.certified) << c.line;
        EXPECT_EQ(progress.total, c.total) << c.line;
    }
}

}  // namespace
