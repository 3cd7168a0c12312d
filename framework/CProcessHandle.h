#pragma once

#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

// A started program, like a process handle: ask whether it still runs, wait for its end,
// end it. Destroying the handle leaves a running process alone.
class CProcessHandle {
public:
    // Starts program (a path) with args in the current directory, with this process's
    // environment. Null when it cannot be started.
    static std::unique_ptr<CProcessHandle> Start(const std::string& program,
        const std::vector<std::string>& args);
    ~CProcessHandle();
    CProcessHandle(const CProcessHandle&) = delete;
    CProcessHandle& operator=(const CProcessHandle&) = delete;

    pid_t Pid() const { return m_pid; }
    bool IsRunning();
    // Waits up to milliseconds (negative: without limit) for the end; true once ended.
    bool WaitFor(int milliseconds);
    // Ends the process (SIGKILL) if it still runs and collects it.
    void Terminate();
    // The exit code of a process that ended by itself; -1 if it was killed or still runs.
    int ExitStatus() const { return m_nExitStatus; }

private:
    explicit CProcessHandle(pid_t pid) : m_pid(pid) {}
    bool poll();

    pid_t m_pid;
    bool m_bEnded = false;
    int m_nExitStatus = -1;
};

// Where program name is found: beside the running executable first, then on PATH.
// Empty when neither has an executable of that name.
std::string FindProgram(const std::string& name);
