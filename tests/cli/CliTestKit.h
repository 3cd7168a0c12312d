#pragma once

// What the tests of filter-cli share: the program run in a temporary folder, as a user's
// script runs it.

#include "RunProgram.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

class CliTest : public ::testing::Test {
protected:
    RunResult Cli(const std::vector<std::string>& args) { return RunProgram(ProgramBesideTest("filter-cli"), args, folder.path()); }

    std::vector<double> Printed(const std::vector<std::string>& args)
    {
        const RunResult result = Cli(args);
        EXPECT_EQ(result.status, 0) << result.err;
        std::istringstream lines(result.out);
        std::vector<double> values;
        for (double v; lines >> v;)
            values.push_back(v);
        return values;
    }

    bool Exists(const std::string& name) { return std::filesystem::exists(folder / name); }

    TempFolder folder;
};

inline const std::vector<std::string> kLowPass31 = {"--type", "lowpass", "--length", "31", "--low", "0.25", "--design"};

inline std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
