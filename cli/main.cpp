// filter-cli: the filter document's commands from the command line, for scripts and tests.
#include "CCliRunner.h"
#include "Printable.h"
#include "Version.h"

#include <iostream>

int main(int argc, char** argv)
{
    CCliCommand command;
    try {
        command = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const CUsageError& e) {
        std::cerr << "filter-cli: " << exchange::PrintableText(e.what()) << " (see filter-cli --help)\n";
        return 1;
    }
    if (command.bHelp || command.bVersion) {
        std::cout << (command.bHelp ? std::string(UsageText()) : VersionLine("filter-cli"));
        return 0;
    }
    CCliRunner runner(std::cout);
    const std::string error = runner.Run(command);
    std::cout.flush();
    if (!error.empty()) {
        std::cerr << "filter-cli: " << exchange::PrintableText(error) << "\n";
        return 2;
    }
    return 0;
}
