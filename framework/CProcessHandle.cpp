#include "CProcessHandle.h"

#include "ChildProcesses.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

std::unique_ptr<CProcessHandle> CProcessHandle::Start(const std::string& program,
    const std::vector<std::string>& args, const CStartOptions& options)
{
    std::vector<std::string> words{program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int errors[2] = {-1, -1};
    if (options.bCaptureErrors && ::pipe2(errors, O_CLOEXEC) != 0)
        return nullptr;
    const pid_t pid = StartChild(program.c_str(), argv.data(), errors[1], options.nHandOnFd);
    if (errors[1] >= 0)
        ::close(errors[1]);
    if (pid < 0) {
        if (errors[0] >= 0)
            ::close(errors[0]);
        return nullptr;
    }
    if (errors[0] >= 0)
        ::fcntl(errors[0], F_SETFL, O_NONBLOCK);
    return std::unique_ptr<CProcessHandle>(new CProcessHandle(pid, errors[0], options.lineFilter));
}

CProcessHandle::~CProcessHandle()
{
    if (!m_bEnded)
        poll();
    if (m_errorPipe >= 0)
        ::close(m_errorPipe);
}

void CProcessHandle::drainErrors()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = m_errorPipe < 0 ? 0 : ::read(m_errorPipe, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        if (!m_lineFilter) {
            keep(std::string(buffer, static_cast<size_t>(n)));
            continue;
        }
        m_strPartial.append(buffer, static_cast<size_t>(n));
        takeLines(false);
    }
}

void CProcessHandle::keep(const std::string& text)
{
    m_strErrors.append(text, 0, std::min(text.size(), kMaxErrorOutput - m_strErrors.size()));
}

void CProcessHandle::takeLines(bool ended)
{
    size_t start = 0;
    for (size_t end; (end = m_strPartial.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = m_strPartial.substr(start, end - start);
        if (!m_lineFilter(line))
            keep(line + "\n");
    }
    m_strPartial.erase(0, start);
    // A line without end is kept as it is once it could no longer fit, or at the end.
    if (!m_strPartial.empty() && (ended || m_strPartial.size() > kMaxErrorOutput)) {
        if (!m_lineFilter(m_strPartial))
            keep(m_strPartial);
        m_strPartial.clear();
    }
}

void CProcessHandle::ended(const int* status)
{
    ForgetChild(m_pid);
    m_bEnded = true;
    if (status && WIFEXITED(*status))
        m_nExitStatus = WEXITSTATUS(*status);
    if (status && WIFSIGNALED(*status))
        m_nSignal = WTERMSIG(*status);
    drainErrors();
    if (m_lineFilter)
        takeLines(true);
}

bool CProcessHandle::poll()
{
    if (m_bEnded)
        return true;
    drainErrors();
    int status = 0;
    pid_t result = 0;
    do
        result = ::waitpid(m_pid, &status, WNOHANG);
    while (result < 0 && errno == EINTR);
    if (result == 0)
        return false;
    ended(result == m_pid ? &status : nullptr);
    return true;
}

bool CProcessHandle::IsRunning() { return !poll(); }

bool CProcessHandle::WaitFor(int milliseconds)
{
    return CPolledWait([this] { return poll(); }).WaitFor(milliseconds);
}

void CProcessHandle::Terminate()
{
    if (poll())
        return;
    ::kill(m_pid, SIGKILL);
    int status = 0;
    pid_t result = 0;
    do
        result = ::waitpid(m_pid, &status, 0);
    while (result < 0 && errno == EINTR);
    ended(result == m_pid ? &status : nullptr);
}
