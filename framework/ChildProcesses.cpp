#include "ChildProcesses.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// The started programs still held; 0 marks a free slot. More at once than this are still
// ended by PR_SET_PDEATHSIG, only not before this process.
constexpr int kMaxHeld = 64;
std::atomic<pid_t> s_held[kMaxHeld];
static_assert(std::atomic<pid_t>::is_always_lock_free, "read in a signal handler");

// The process whose handler ends the held programs; a child between fork and exec runs
// the same handler and must leave its parent's programs alone.
pid_t s_owner = 0;

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Ends and collects every held program, then ends this process by signal as its default
// action would. Only async-signal-safe calls.
void endHeldAndRaise(int signal)
{
    if (::getpid() == s_owner) {
        for (std::atomic<pid_t>& slot : s_held) {
            const pid_t pid = slot.load();
            if (pid <= 0)
                continue;
            ::kill(pid, SIGKILL);
            while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
            }
        }
    }
    ::signal(signal, SIG_DFL);
    ::raise(signal);  // delivered as the handler returns
}

void installHandlers()
{
    s_owner = ::getpid();
    for (const int signal : kEndingSignals) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
            continue;
        struct sigaction ending {};
        ending.sa_handler = endHeldAndRaise;
        sigemptyset(&ending.sa_mask);
        for (const int other : kEndingSignals)
            sigaddset(&ending.sa_mask, other);
        ::sigaction(signal, &ending, nullptr);
    }
}

void hold(pid_t pid)
{
    for (std::atomic<pid_t>& slot : s_held) {
        pid_t free = 0;
        if (slot.compare_exchange_strong(free, pid))
            return;
    }
}

// Makes fd the descriptor target of a program about to be executed, open across the exec.
bool placeOn(int fd, int target)
{
    return fd == target ? ::fcntl(target, F_SETFD, 0) == 0 : ::dup2(fd, target) == target;
}

// In the child: ends with the parent, arranges the descriptors and executes program. On
// failure writes errno to report and exits.
[[noreturn]] void becomeProgram(const char* program, char* const argv[], int errorFd, int handOnFd, pid_t parent,
    int report)
{
    const bool ready = ::prctl(PR_SET_PDEATHSIG, SIGKILL) == 0 && ::getppid() == parent
        && (errorFd < 0 || placeOn(errorFd, STDERR_FILENO)) && (handOnFd < 0 || placeOn(handOnFd, 3));
    if (ready)
        ::execve(program, argv, environ);
    const int error = ready ? errno : ECHILD;
    [[maybe_unused]] const ssize_t written = ::write(report, &error, sizeof error);
    ::_exit(127);
}

}  // namespace

pid_t StartChild(const char* program, char* const argv[], int errorFd, int handOnFd)
{
    static std::once_flag installed;
    std::call_once(installed, installHandlers);
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return -1;
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0)
        becomeProgram(program, argv, errorFd, handOnFd, parent, report[1]);
    ::close(report[1]);
    int error = pid < 0 ? errno : 0;
    ssize_t n = 0;
    while (pid > 0 && (n = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    if (pid > 0 && n == sizeof error) {  // the exec failed: the child has exited
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    } else if (pid > 0) {
        hold(pid);
        return pid;
    }
    errno = error;
    return -1;
}

void ForgetChild(pid_t pid)
{
    for (std::atomic<pid_t>& slot : s_held) {
        pid_t held = pid;
        if (slot.compare_exchange_strong(held, 0))
            return;
    }
}
