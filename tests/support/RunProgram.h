#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

// What a finished program left: its exit status (-1 when killed), the signal that ended it
// (0 when it exited), standard output and standard error, and its peak resident memory.
struct RunResult {
    int status = -1;
    int signal = 0;
    std::string out;
    std::string err;
    // The largest resident set of the program in KiB (getrusage's ru_maxrss), which
    // includes what the test process had resident when it started the program.
    long peakKiB = 0;
};

// How a program is run beyond its arguments.
struct RunOptions {
    // A file that takes the standard output instead of RunResult::out (/dev/full, say).
    std::string strOutput;
    // A limit of the program's address space (RLIMIT_AS) in bytes; 0: none.
    size_t nAddressSpaceBytes = 0;
    // Changes of the environment: a variable set to a value, or removed (nullopt).
    std::map<std::string, std::optional<std::string>> environment;
};

// The path of program name in the folder of the running test executable, where the build
// puts every program.
std::string ProgramBesideTest(const std::string& name);

// Runs program with args in folder cwd, without standard input, and waits for its end; a
// program still running after a minute is killed (status -1, a note first in err).
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
    const std::string& cwd, const RunOptions& options = {});
