#include "CProcessHandle.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

std::unique_ptr<CProcessHandle> CProcessHandle::Start(const std::string& program,
    const std::vector<std::string>& args)
{
    std::vector<std::string> words{program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return nullptr;
    return std::unique_ptr<CProcessHandle>(new CProcessHandle(pid));
}

CProcessHandle::~CProcessHandle()
{
    if (!m_bEnded)
        poll();
}

bool CProcessHandle::poll()
{
    if (m_bEnded)
        return true;
    int status = 0;
    pid_t result = 0;
    do
        result = ::waitpid(m_pid, &status, WNOHANG);
    while (result < 0 && errno == EINTR);
    if (result == 0)
        return false;
    m_bEnded = true;
    if (result == m_pid && WIFEXITED(status))
        m_nExitStatus = WEXITSTATUS(status);
    return true;
}

bool CProcessHandle::IsRunning() { return !poll(); }

bool CProcessHandle::WaitFor(int milliseconds)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (!poll()) {
        if (milliseconds >= 0 && Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

void CProcessHandle::Terminate()
{
    if (poll())
        return;
    ::kill(m_pid, SIGKILL);
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_bEnded = true;
}

namespace {

// A regular file that may be run: a folder of the same name is no program.
bool isExecutable(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string executableFolder()
{
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    const std::string path(buffer, static_cast<size_t>(n));
    return path.substr(0, path.find_last_of('/'));
}

}  // namespace

std::string FindProgram(const std::string& name)
{
    const std::string beside = executableFolder() + "/" + name;
    if (isExecutable(beside))
        return beside;
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t end = std::min(folders.find(':', start), folders.size());
        const std::string folder = folders.substr(start, end - start);
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
        if (isExecutable(candidate))
            return candidate;
        start = end + 1;
    }
    return {};
}
