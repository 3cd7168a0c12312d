#pragma once

#include <string>
#include <vector>

// What a finished program left: its exit status (-1 when killed), standard output and
// standard error.
struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

// The path of program name in the folder of the running test executable, where the build
// puts every program.
std::string ProgramBesideTest(const std::string& name);

// Runs program with args in folder cwd, without standard input, and waits for its end; a
// program still running after a minute is killed (status -1, a note first in err).
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
    const std::string& cwd);
