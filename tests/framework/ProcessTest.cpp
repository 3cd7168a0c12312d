#include "CProcessHandle.h"

#include "../support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

TEST(CProcessHandle, ProgramThatEndsReportsItsExitCode)
{
    auto process = CProcessHandle::Start("/bin/sh", {"-c", "exit 3"});
    ASSERT_NE(process, nullptr);
    EXPECT_GT(process->Pid(), 0);
    EXPECT_TRUE(process->WaitFor(10000));
    EXPECT_FALSE(process->IsRunning());
    EXPECT_EQ(process->ExitStatus(), 3);
    EXPECT_TRUE(process->WaitFor(0)) << "waiting again after the end";
}

TEST(CProcessHandle, RunningProgramCanBeEnded)
{
    auto process = CProcessHandle::Start("/bin/sleep", {"30"});
    ASSERT_NE(process, nullptr);
    EXPECT_TRUE(process->IsRunning());
    EXPECT_FALSE(process->WaitFor(50));
    EXPECT_EQ(process->ExitStatus(), -1);
    process->Terminate();
    EXPECT_FALSE(process->IsRunning());
    EXPECT_TRUE(process->WaitFor(0));
    EXPECT_EQ(process->ExitStatus(), -1);
    EXPECT_NE(::kill(process->Pid(), 0), 0) << "the process was not collected";
    process->Terminate();  // a second time does nothing
}

TEST(CProcessHandle, TellsTheSignalThatEndedTheProgram)
{
    auto killed = CProcessHandle::Start("/bin/sh", {"-c", "kill -SEGV $$"});
    ASSERT_TRUE(killed && killed->WaitFor(10000));
    EXPECT_EQ(killed->TermSignal(), SIGSEGV);
    EXPECT_EQ(killed->ExitStatus(), -1);
    auto ended = CProcessHandle::Start("/bin/sleep", {"30"});
    ended->Terminate();
    EXPECT_EQ(ended->TermSignal(), SIGKILL);
    auto exited = CProcessHandle::Start("/bin/sh", {"-c", "exit 0"});
    ASSERT_TRUE(exited->WaitFor(10000));
    EXPECT_EQ(exited->TermSignal(), 0);
}

TEST(CProcessHandle, CollectsStandardErrorUpToItsLimitWithoutBlockingTheProgram)
{
    CStartOptions capture;
    capture.bCaptureErrors = true;
    auto one = CProcessHandle::Start("/bin/sh", {"-c", "echo out; echo 'reason here' >&2; exit 1"}, capture);
    ASSERT_TRUE(one && one->WaitFor(10000));
    EXPECT_EQ(one->ErrorOutput(), "reason here\n");
    // Far more than a pipe holds: the program must not block on a full pipe.
    auto flood = CProcessHandle::Start("/bin/sh", {"-c", "head -c 1000000 /dev/zero >&2"}, capture);
    ASSERT_TRUE(flood && flood->WaitFor(10000));
    EXPECT_EQ(flood->ExitStatus(), 0);
    EXPECT_EQ(flood->ErrorOutput().size(), CProcessHandle::kMaxErrorOutput);
}

TEST(CProcessHandle, LinesTakenByTheFilterAreKeptOutOfTheErrorOutput)
{
    std::vector<std::string> offered;
    CStartOptions capture;
    capture.bCaptureErrors = true;
    capture.lineFilter = [&offered](const std::string& line) {
        offered.push_back(line);
        return line.rfind("progress", 0) == 0;
    };
    // Lines in pieces, a line of progress after the reason, and a last line without end.
    auto process = CProcessHandle::Start("/bin/sh",
        {"-c", "printf 'progress 1\\nreas' >&2; sleep 0.05; printf 'on\\nprogress 2\\ntail' >&2"}, capture);
    ASSERT_TRUE(process && process->WaitFor(10000));
    EXPECT_EQ(process->ErrorOutput(), "reason\ntail");
    EXPECT_EQ(offered, (std::vector<std::string>{"progress 1", "reason", "progress 2", "tail"}));
    // A line that never ends is kept, bounded, once it cannot fit.
    auto flood = CProcessHandle::Start("/bin/sh", {"-c", "head -c 1000000 /dev/zero >&2"}, capture);
    ASSERT_TRUE(flood && flood->WaitFor(10000));
    EXPECT_EQ(flood->ErrorOutput().size(), CProcessHandle::kMaxErrorOutput);
}

TEST(CProcessHandle, MissingProgramGivesNoHandle)
{
    EXPECT_EQ(CProcessHandle::Start("/no/such/program", {}), nullptr);
    EXPECT_EQ(CProcessHandle::Start("", {}), nullptr);
}

// Sets PATH for its lifetime.
class ScopedPath {
public:
    explicit ScopedPath(const std::string& value)
    {
        const char* previous = std::getenv("PATH");
        m_bHad = previous != nullptr;
        m_previous = previous ? previous : "";
        ::setenv("PATH", value.c_str(), 1);
    }
    ~ScopedPath()
    {
        if (m_bHad)
            ::setenv("PATH", m_previous.c_str(), 1);
        else
            ::unsetenv("PATH");
    }

private:
    bool m_bHad = false;
    std::string m_previous;
};

void makeScript(const fs::path& path, fs::perms permissions = fs::perms::owner_all)
{
    std::ofstream(path) << "#!/bin/sh\nexit 0\n";
    fs::permissions(path, permissions);
}

TEST(FindProgram, SearchesPathInOrderAndSkipsWhatCannotRun)
{
    TempFolder first, second, third, fourth;
    const std::string name = "filter-test-tool";
    makeScript(first.path() / name, fs::perms::owner_read);  // not executable
    fs::create_directory(second.path() / name);              // a folder, not a program
    makeScript(third.path() / name);
    makeScript(fourth.path() / name);
    ScopedPath path(first.path().string() + ":" + second.path().string() + ":" + third.path().string() + ":" +
        fourth.path().string());
    EXPECT_EQ(FindProgram(name), third / name);
    EXPECT_EQ(FindProgram("filter-test-no-such-program"), "");
}

TEST(FindProgram, FindsShOnTheUsualPath)
{
    ScopedPath path("/usr/local/bin:/usr/bin:/bin");
    const std::string sh = FindProgram("sh");
    EXPECT_FALSE(sh.empty());
    EXPECT_EQ(fs::path(sh).filename(), "sh");
    EXPECT_EQ(::access(sh.c_str(), X_OK), 0);
}

TEST(FindProgram, PrefersAProgramBesideTheRunningExecutable)
{
    const fs::path besideFolder = fs::read_symlink("/proc/self/exe").parent_path();
    const std::string name = "filter-test-beside-" + std::to_string(::getpid());
    const fs::path beside = besideFolder / name;
    TempFolder onPath;
    makeScript(onPath.path() / name);
    makeScript(beside);
    std::string found;
    {
        ScopedPath path(onPath.path().string());
        found = FindProgram(name);
    }
    fs::remove(beside);
    EXPECT_EQ(found, beside.string());
}

}  // namespace
