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
        {"--export", 2}, {"--block-size", 1}, {"--zeros", 0}, {"--minimum-phase", 0}, {"--exchange-dir", 1}, {"--sample-rate", 1},
        {"--measure", 0}, {"--bands", 1}, {"--ripple", 1}, {"--equiripple", 0}, {"--estimate-equiripple", 0},
        {"--weights", 1}, {"--shortest", 0}, {"--require", 0}, {"--check", 0}, {"--band", 1}, {"--name", 1},
        {"--bits", 1}, {"--points", 1}, {"--range", 1}, {"--log", 0}};
    return counts;
}

// The argument of step that names a file, which cannot be empty; null when it names none.
const std::string* fileNameOf(const CCliStep& step)
{
    if (step.strOption == "--export")
        return &step.args[1];
    const bool named = step.strOption == "--coefficients" || step.strOption == "--save" || step.strOption == "--export-text"
        || step.strOption == "--exchange-dir";
    return named ? &step.args[0] : nullptr;
}

void checkWord(const CCliStep& step, const std::string& option, std::initializer_list<const char*> words)
{
    if (step.strOption != option)
        return;
    if (std::find(words.begin(), words.end(), step.args[0]) == words.end())
        throw CUsageError(option + ": unknown value \"" + step.args[0] + "\"");
}

// A --band names one band: its fields separated by commas, no ';'.
void checkOneBand(const CCliStep& step)
{
    if (step.strOption == "--band" && step.args[0].find(';') != std::string::npos)
        throw CUsageError("--band takes one band F1,F2,GAIN[,WEIGHT]; give each band its own --band");
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
        if (option == "--json") {
            command.bJson = true;
            continue;
        }
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
        if (const std::string* file = fileNameOf(step); file && file->empty())
            throw CUsageError(option + " needs a file name");
        checkWord(step, "--type",
            {"lowpass", "highpass", "bandpass", "bandstop", "multiband", "differentiator", "hilbert", "halfband"});
        checkOneBand(step);
        checkWord(step, "--show", {"impulse", "amplitude", "phase", "real", "imag", "groupdelay", "step"});
        checkWord(step, "--export", {"full", "csv", "q15", "q31", "dsp-f32", "dsp-q15", "dsp-q31", "npy", "m", "json",
                                        "coe", "mif", "hex", "display", "response"});
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
                      transition width W (fraction of the sampling frequency); prints the
                      length and makes it the --length of the next design
  --type T            lowpass | highpass | bandpass | bandstop  } fields of the next --design,
  --length N          --low F   --high F   --attenuation A      } as typed into its dialog;
                      unset fields take the values the dialog opens with; --equiripple
                      also takes T = multiband | differentiator | hilbert | halfband
  --design            pass-band design with those fields, checked as the dialog checks them
  --bands F1,F2[,F3,F4]  band edges of the next --equiripple, fractions of the sampling
                      frequency in increasing order: pass and stop edge of a lowpass, stop
                      and pass edge of a highpass; stop, pass, pass, stop edges of a
                      bandpass; pass, stop, stop, pass edges of a bandstop; the band F1,F2
                      of a hilbert transformer (amplitude 1, antisymmetric; F2 up to 0.5
                      with an even length); the pass edge F of a halfband low pass (stop
                      edge 0.5 - F, 4k - 1 taps, every second one 0 but the centre 0.5)
  --band F1,F2,GAIN[,WEIGHT]  one band of the next --equiripple of type multiband (up to 6,
                      in increasing order; amplitude GAIN, error weighted by WEIGHT,
                      default 1) or differentiator (amplitude f times GAIN, antisymmetric,
                      error relative to it); give each band its own --band
  --ripple R          pass-band ripple in dB of the next --equiripple
  --weights W1,W2[,W3]  the weight of each band's error in the next --equiripple, in
                      increasing frequency (3 for bandpass and bandstop), in place of those
                      of --ripple and --attenuation; "" for those again
  --equiripple        equiripple (Parks-McClellan) design with --type, --length, --bands,
                      --ripple and --attenuation, checked as its dialog checks them
  --estimate-equiripple  print the length an equiripple design of those fields needs, and
                      make it the --length of the next one
  --shortest          the next --design or --equiripple looks for the shortest length whose
                      filter meets the requirements that design sets, each length designed
                      and measured, and prints it on a line of its own (--length is then
                      not needed; --design tries odd lengths up to 4095, --equiripple up to
                      4096, odd ones only for highpass and bandstop)
  --require           make the --type, --bands, --ripple and --attenuation given so far the
                      filter's requirements (for coefficients imported or written); every
                      design sets them too: --equiripple from its fields, --design from its
                      cut-offs and attenuation with the transition width and ripple of the
                      last --estimate or --require
  --coefficients FILE install coefficients from a text file: numbers separated by white
                      space, commas or semicolons; "#", "//" and "/* */" comments; a CSV
                      header line; a C array as --export-text and --export write it; and
                      the npy, json, coe, mif and hex files --export writes (hex and coe
                      of other tools in words of --bits bits)
  --db                toggle the dB flag
  --show D            impulse | amplitude | phase | real | imag | groupdelay | step
  --print             the current display array to standard output, one value a line
  --info              length, type, cut-offs, attenuation, array sizes, display, dB flag
  --sample-rate F     the sampling frequency in Hz (0.001 to 1e12) for the steps that follow,
                      or none (or 0): frequencies as fractions of the sampling frequency (the
                      default)
  --measure           the filter's measurements, one "name: value" line each: design values,
                      the requirements, the pass-band ripple and deviation and the stop-band
                      attenuation each with where it lies and its verdict (meets, or misses
                      by X dB at F), the verdict, transition widths, -3 dB and -6 dB edges,
                      DC gain, sum of |h|, symmetry, group delay
  --check             print one line per band kind the filter misses its requirements in,
                      and stop with exit status 3 when there is one
  --save FILE         save the document
  --export-text FILE  the coefficients as a C array text file
  --export F FILE     the coefficients in format F: full (17 digits a line) | csv |
                      q15 | q31 (C headers in fixed point) | dsp-f32 | dsp-q15 | dsp-q31
                      (C headers for the Cortex-M DSP library's FIR functions) | npy
                      (NumPy, float64) | m (MATLAB/Octave script) | json (with the design,
                      requirements and measurements) | coe (Xilinx) | mif (Intel) | hex
                      (for $readmemh), the last three in words of --bits bits; or
                      F = display: the display array as CSV with its frequency or time; or
                      F = response: the response on the grid of --points, --range and
                      --log as CSV: frequency, magnitude, dB, unwrapped phase, group delay
  --points P          number of frequencies of the next response exports (default 1024)
  --range F1,F2       their range, fractions of the sampling frequency (default 0,0.5,
                      both included; with --log 0.0005,0.5)
  --log               their frequencies logarithmically spaced
  --block-size B      block size of the next DSP headers' state buffer (default 32)
  --name IDENT        name of the next exports' array, macros and include guard (C
                      headers) or variable (m); by default made from the file's name
  --bits B            word length of the next coe, mif and hex exports and imports, 8 to
                      32 (default 16)
  --zeros             compute the zeros with zsolve and print them, one "re im" pair a line
  --minimum-phase     convert the filter to minimum phase
  --exchange-dir DIR  exchange beta.bin and root.bin with zsolve in the folder DIR and leave
                      them there (default: a private temporary folder, removed at the end)
  --json              --measure, --info, --estimate, --estimate-equiripple and --zeros print
                      one JSON document each (numbers at full precision, frequencies as
                      fractions and, with --sample-rate, also in Hz under KEY_hz), wherever
                      --json stands on the line
  --help, --version
Exit status: 0 done; 1 usage error; 2 a step failed (its message names it; the steps
before it kept their effects, none after it ran); 3 --check found the filter missing its
requirements (the steps after it did not run).
)";
}
