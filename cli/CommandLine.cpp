#include "CommandLine.h"

#include <algorithm>
#include <map>

namespace {

const std::map<std::string, int>& argumentCounts()
{
    static const std::map<std::string, int> counts = {
        {"--estimate", 3}, {"--type", 1}, {"--length", 1}, {"--low", 1}, {"--high", 1},
        {"--attenuation", 1}, {"--design", 0}, {"--coefficients", 1}, {"--db", 0},
        {"--show", 1}, {"--print", 0}, {"--info", 0}, {"--save", 1}, {"--export-text", 1},
        {"--zeros", 0}, {"--minimum-phase", 0}};
    return counts;
}

// The options whose argument names a file, which cannot be empty.
bool takesFileName(const std::string& option)
{
    return option == "--coefficients" || option == "--save" || option == "--export-text";
}

void checkWord(const CCliStep& step, const std::string& option, std::initializer_list<const char*> words)
{
    if (step.strOption != option)
        return;
    if (std::find(words.begin(), words.end(), step.args[0]) == words.end())
        throw CUsageError(option + ": unknown value \"" + step.args[0] + "\"");
}

}  // namespace

CCliCommand ParseCommandLine(const std::vector<std::string>& words)
{
    CCliCommand command;
    size_t i = 0;
    if (i < words.size() && words[i].rfind("--", 0) != 0)
        command.strDocument = words[i++];
    if (i == 1 && command.strDocument.empty())
        throw CUsageError("the document's file name is empty");
    while (i < words.size()) {
        const std::string& option = words[i++];
        if (option == "--help" || option == "--version") {
            (option == "--help" ? command.bHelp : command.bVersion) = true;
            continue;
        }
        const auto count = argumentCounts().find(option);
        if (count == argumentCounts().end())
            throw CUsageError("unknown option \"" + option + "\"");
        if (words.size() - i < static_cast<size_t>(count->second))
            throw CUsageError(option + " needs " + std::to_string(count->second) + " argument(s)");
        CCliStep step{option, {words.begin() + static_cast<long>(i), words.begin() + static_cast<long>(i) + count->second}};
        i += static_cast<size_t>(count->second);
        if (takesFileName(option) && step.args[0].empty())
            throw CUsageError(option + " needs a file name");
        checkWord(step, "--type", {"lowpass", "highpass", "bandpass", "bandstop"});
        checkWord(step, "--show", {"impulse", "amplitude", "phase", "real", "imag"});
        command.steps.push_back(step);
    }
    return command;
}

const char* UsageText()
{
    return R"(usage: filter-cli [DOCUMENT] [STEP ...]
  DOCUMENT            a document to open first; without it a new document
steps, run left to right on the one document, each as its menu command does:
  --estimate R A W    length estimation: in-band ripple R dB, out-of-band attenuation A dB,
                      transition width W (fraction of the sampling frequency)
  --type T            lowpass | highpass | bandpass | bandstop  } fields of the next --design,
  --length N          --low F   --high F   --attenuation A      } as typed into its dialog;
                      unset fields take the values the dialog opens with
  --design            pass-band design with those fields, checked as the dialog checks them
  --coefficients FILE install coefficients from a text file of numbers separated by white
                      space or commas; a file written by --export-text reads back
  --db                toggle the dB flag
  --show D            impulse | amplitude | phase | real | imag
  --print             the current display array to standard output, one value a line
  --info              length, type, cut-offs, attenuation, array sizes, display, dB flag
  --save FILE         save the document
  --export-text FILE  the coefficients as a C array text file
  --zeros             compute the zeros with zsolve in the current folder and print them,
                      one "re im" pair a line
  --minimum-phase     convert the filter to minimum phase
  --help, --version
Exit status: 0 done; 1 usage error; 2 a step failed (its message names it; the steps
before it kept their effects, none after it ran).
)";
}
