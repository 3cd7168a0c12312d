#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// One step of filter-cli: an option and its arguments, run on the document in order.
struct CCliStep {
    std::string strOption;
    std::vector<std::string> args;
};

struct CCliCommand {
    std::string strDocument;      // the document to open first; empty: a new document
    std::vector<CCliStep> steps;
    bool bHelp = false;
    bool bVersion = false;
    bool bJson = false;  // --json: the printing steps print one JSON document each
};

// A command line filter-cli cannot run; what() says why.
class CUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Splits argv into the document and the steps, checking options, their argument counts
// and the words of --type and --show. Throws CUsageError.
CCliCommand ParseCommandLine(const std::vector<std::string>& words);

// The text of --help.
const char* UsageText();
