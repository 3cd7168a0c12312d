// Each program's manual page names exactly the options its --help lists, and each program
// tells the project's version.
#include "RunProgram.h"
#include "Version.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>

namespace {

// The options a text names: words of one or two hyphens and a letter that do not go on
// from a word or a hyphen ("Cortex-M" and "-3 dB" are none).
std::set<std::string> OptionsIn(const std::string& text)
{
    static const std::regex option(R"((?:^|[^\w-])(--?[A-Za-z][\w-]*))");
    std::set<std::string> options;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option); it != std::sregex_iterator(); ++it)
        options.insert((*it)[1]);
    return options;
}

// The text of the manual page of program, with troff's escaped hyphens and font changes
// undone.
std::string ManPageText(const std::string& program)
{
    std::ifstream in(std::string(MAN_DIR) + "/" + program + ".1.in");
    const std::string source{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return std::regex_replace(std::regex_replace(source, std::regex(R"(\\f[BIRP])"), ""), std::regex(R"(\\-)"), "-");
}

// What program prints for arguments, in English and without a display.
RunResult RunInEnglish(const std::string& program, const std::string& argument)
{
    return RunProgram("/usr/bin/env", {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM", "-u",
        "LC_ALL", "-u", "LC_MESSAGES", "LANGUAGE=en", "LANG=C.UTF-8", ProgramBesideTest(program), argument}, ".");
}

std::string Listed(const std::set<std::string>& options)
{
    std::string text;
    for (const std::string& option : options)
        text += " " + option;
    return text.empty() ? " none" : text;
}

}  // namespace

TEST(ManPage, NamesTheOptionsOfTheHelpAndTheProgramTellsTheVersion)
{
    std::istringstream programs(DOCUMENTED_PROGRAMS);
    for (std::string program; programs >> program;) {
        SCOPED_TRACE(program);
        const RunResult help = RunInEnglish(program, "--help"), version = RunInEnglish(program, "--version");
        ASSERT_EQ(help.status, 0) << help.err;
        const std::string page = ManPageText(program);
        std::string title = program;
        std::transform(title.begin(), title.end(), title.begin(), [](unsigned char c) { return std::toupper(c); });
        ASSERT_NE(page.find(".TH " + title + " 1 "), std::string::npos) << "no manual page of section 1";
        const std::set<std::string> listed = OptionsIn(help.out), described = OptionsIn(page);
        std::set<std::string> undescribed, unlisted;
        std::set_difference(listed.begin(), listed.end(), described.begin(), described.end(),
            std::inserter(undescribed, undescribed.end()));
        std::set_difference(described.begin(), described.end(), listed.begin(), listed.end(),
            std::inserter(unlisted, unlisted.end()));
        EXPECT_TRUE(undescribed.empty() && unlisted.empty())
            << "--help lists, the manual page does not:" << Listed(undescribed)
            << "\nthe manual page names, --help does not:" << Listed(unlisted);
        EXPECT_GE(listed.size(), 2u) << help.out;
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.out, program + " " + kFilterVersion + "\n");
    }
}
