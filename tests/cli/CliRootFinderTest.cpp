// filter-cli and the root finder it starts: the program is taken only from where the
// system's programs are, never from the current folder, and it ends with filter-cli on
// every way out, so that no root finding outlives the run that asked for it.
#include "CliTestKit.h"
#include "FileIo.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <optional>
#include <sstream>
#include <thread>

namespace {

namespace fs = std::filesystem;

// The fields of /proc/PID/stat after the command's name: the state letter first, then
// the parent's id. Empty when there is no such process.
std::vector<std::string> statusOf(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(in, line);
    std::istringstream fields(line.substr(line.rfind(')') + 1 < line.size() ? line.rfind(')') + 1 : line.size()));
    std::vector<std::string> words;
    for (std::string word; fields >> word;)
        words.push_back(word);
    return words;
}

// True once done() holds, false when it still does not after seconds.
bool waitUntil(const std::function<bool()>& done, double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

void writeScript(const std::string& path, const std::string& text)
{
    exchange::WriteFileAtomically(path, text);
    fs::permissions(path, fs::perms::owner_all);
}

}  // namespace

TEST_F(CliTest, TheRootFinderEndsWithFilterCliOnEveryWayOut)
{
    // filter-cli beside a root finder that tells its process id and then never ends by itself.
    TempFolder tools;
    fs::copy_file(ProgramBesideTest("filter-cli"), tools / "filter-cli");
    writeScript(tools / "zsolve", "#!/bin/sh\necho $$ > zsolve.pid\nexec sleep 60\n");
    exchange::WriteFileAtomically(folder / "h.txt", "1 -2.5 1");
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
        fs::remove(folder / "zsolve.pid");
        auto run = std::async(std::launch::async,
            [&] { return RunProgram(tools / "filter-cli", {"--coefficients", "h.txt", "--zeros", "--exchange-dir", "."},
                                    folder.path()); });
        pid_t zsolve = 0;
        ASSERT_TRUE(waitUntil([&] { return bool(std::ifstream(folder / "zsolve.pid") >> zsolve); }, 20))
            << "the root finder did not start";
        const std::vector<std::string> status = statusOf(zsolve);
        ASSERT_GE(status.size(), 2u);
        ::kill(std::stoi(status[1]), signal);  // its parent, filter-cli
        EXPECT_EQ(run.get().signal, signal) << "filter-cli did not end by the signal";
        EXPECT_TRUE(waitUntil([&] { return statusOf(zsolve).empty() || statusOf(zsolve)[0] == "Z"; }, 10))
            << "the root finder outlived filter-cli ended by signal " << signal;
    }
}

TEST_F(CliTest, TheRootFinderIsNeverTakenFromTheCurrentFolder)
{
    // filter-cli without a root finder beside it, in a folder that holds one, as does a
    // folder named relative to it.
    TempFolder tools, installed;
    fs::copy_file(ProgramBesideTest("filter-cli"), tools / "filter-cli");
    const std::string planted = "#!/bin/sh\ntouch planted-ran\nexit 1\n";
    writeScript(folder / "zsolve", planted);
    fs::create_directory(folder / "bin");
    writeScript(folder / "bin/zsolve", planted);
    exchange::WriteFileAtomically(folder / "h.txt", "1 -2.5 1");
    const bool noneInstalled = !fs::exists(fs::path(FILTER_INSTALL_BINDIR) / "zsolve");
    for (const std::optional<std::string>& path : {std::optional<std::string>(), std::optional<std::string>(""),
             std::optional<std::string>(":"), std::optional<std::string>("."), std::optional<std::string>("bin:./bin")}) {
        RunOptions options;
        options.environment["PATH"] = path;
        const RunResult result = RunProgram(tools / "filter-cli", {"--coefficients", "h.txt", "--zeros"}, folder.path(), options);
        EXPECT_FALSE(Exists("planted-ran")) << "PATH " << path.value_or("unset");
        if (noneInstalled) {
            EXPECT_EQ(result.err, "filter-cli: --zeros: The root finder zsolve could not be started.\n");
        }
    }
    // An absolute folder on PATH is searched.
    fs::copy_file(ProgramBesideTest("zsolve"), installed / "zsolve");
    RunOptions options;
    options.environment["PATH"] = installed.path().string();
    const RunResult found = RunProgram(tools / "filter-cli", {"--coefficients", "h.txt", "--zeros"}, folder.path(), options);
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_FALSE(Exists("planted-ran"));
}
