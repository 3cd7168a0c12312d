// filter-cli: the filter document's commands from the command line, for scripts and tests.
#include "CCliRunner.h"
#include "Failure.h"
#include "Printable.h"
#include "Version.h"

#include <cerrno>
#include <cstdio>
#include <iostream>

namespace {

// Writes "filter-cli: message" as one line on standard error and returns status.
int fail(const std::string& message, int status, const char* tail = "")
{
    std::cerr << "filter-cli: " << exchange::PrintableText(message) << tail << "\n";
    return status;
}

// Parses the command line and runs it; every failure is a message and a status.
int run(int argc, char** argv)
{
    CCliCommand command;
    try {
        command = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const CUsageError& e) {
        return fail(e.what(), 1, " (see filter-cli --help)");
    }
    if (command.bHelp || command.bVersion) {
        errno = 0;
        std::cout << (command.bHelp ? std::string(UsageText()) : VersionLine("filter-cli"));
        const std::string failure = FlushOutput(std::cout);
        return failure.empty() ? 0 : fail(failure, 2);
    }
    CCliRunner runner(std::cout);
    const std::string error = runner.Run(command);
    return error.empty() ? 0 : fail(error, runner.MissedRequirements() ? 3 : 2);
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return run(argc, argv);
    } catch (...) {
        try {
            return fail(text::DescribeCurrentException(), 2);
        } catch (...) {  // describing it needs memory too
            std::fputs("filter-cli: not enough memory\n", stderr);
            return 2;
        }
    }
}
