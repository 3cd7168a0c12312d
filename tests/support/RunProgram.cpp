#include "RunProgram.h"

#include "TempFolder.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

std::string contentsOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The environment of this process with the changes applied, as "NAME=value" words.
std::vector<std::string> environmentWith(const std::map<std::string, std::optional<std::string>>& changes)
{
    std::vector<std::string> words;
    for (char** variable = environ; *variable; ++variable) {
        const std::string word = *variable;
        if (!changes.count(word.substr(0, word.find('='))))
            words.push_back(word);
    }
    for (const auto& [name, value] : changes)
        if (value)
            words.push_back(name + "=" + *value);
    return words;
}

std::vector<char*> pointersTo(std::vector<std::string>& words)
{
    std::vector<char*> pointers;
    for (std::string& word : words)
        pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return pointers;
}

[[noreturn]] void runChild(const std::string& program, const std::vector<std::string>& args,
    const std::string& cwd, const TempFolder& capture, const RunOptions& options)
{
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})  // as a shell in a terminal starts it
        ::signal(signal, SIG_DFL);
    const struct rlimit limit = {options.nAddressSpaceBytes, options.nAddressSpaceBytes};
    if (options.nAddressSpaceBytes != 0 && ::setrlimit(RLIMIT_AS, &limit) != 0)
        ::_exit(127);
    const std::string output = options.strOutput.empty() ? capture / "out" : options.strOutput;
    const int in = ::open("/dev/null", O_RDONLY);
    const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open((capture / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0
        || ::chdir(cwd.c_str()) != 0)
        ::_exit(127);
    std::vector<std::string> words{program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<std::string> environment = environmentWith(options.environment);
    ::execve(program.c_str(), pointersTo(words).data(), pointersTo(environment).data());
    ::_exit(127);
}

// How long a program run by a test may take before it counts as hung and is killed.
constexpr std::chrono::seconds kRunDeadline(60);

// Waits up to deadline for child pid to end, leaving it to be collected; kills it when it
// is still running then. False when it had to be killed.
bool awaitEnd(pid_t pid, std::chrono::seconds deadline)
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    siginfo_t info{};
    while (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0) {
        if (std::chrono::steady_clock::now() > end) {
            ::kill(pid, SIGKILL);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

}  // namespace

std::string ProgramBesideTest(const std::string& name)
{
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    const std::string self(buffer, n > 0 ? static_cast<size_t>(n) : 0);
    return self.substr(0, self.find_last_of('/') + 1) + name;
}

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
    const std::string& cwd, const RunOptions& options)
{
    TempFolder capture;
    const pid_t pid = ::fork();
    if (pid == 0)
        runChild(program, args, cwd, capture, options);
    const bool ended = awaitEnd(pid, kRunDeadline);
    int status = 0;
    struct rusage usage {};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    RunResult result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    result.peakKiB = usage.ru_maxrss;
    result.out = contentsOf(capture / "out");
    result.err = (ended ? "" : "[killed: still running after the test's deadline]\n") + contentsOf(capture / "err");
    return result;
}
