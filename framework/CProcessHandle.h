#pragma once

#include "CWaitable.h"

#include <functional>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

// How a program is started.
struct CStartOptions {
    int nHandOnFd = -1;           // a descriptor the program receives as its descriptor 3
    bool bCaptureErrors = false;  // collect its standard error for ErrorOutput
    // With bCaptureErrors: each line the program writes to its standard error (without the
    // newline) is first offered to this; a line it takes (returns true for) is not kept in
    // ErrorOutput. It is called on the thread that polls or waits for the program.
    std::function<bool(const std::string&)> lineFilter;
};

// A started program, like a process handle: ask whether it still runs, wait for its end,
// end it. Destroying the handle leaves a running process alone. A started program ends
// with this process on every way out (ChildProcesses.h).
class CProcessHandle : public CWaitable {
public:
    // Starts program (a path) with args in the current directory, with this process's
    // environment and standard input and output. Null when it cannot be started.
    static std::unique_ptr<CProcessHandle> Start(const std::string& program,
        const std::vector<std::string>& args, const CStartOptions& options = {});
    ~CProcessHandle() override;
    CProcessHandle(const CProcessHandle&) = delete;
    CProcessHandle& operator=(const CProcessHandle&) = delete;

    pid_t Pid() const { return m_pid; }
    bool IsRunning();
    // Waits up to milliseconds (negative: without limit) for the end; true once ended.
    bool WaitFor(int milliseconds) override;
    // Ends the process (SIGKILL) if it still runs and collects it.
    void Terminate();
    // The exit code of a process that ended by itself; -1 if it was killed or still runs.
    int ExitStatus() const { return m_nExitStatus; }
    // The signal that ended the process; 0 if it ended by itself or still runs.
    int TermSignal() const { return m_nSignal; }
    // With bCaptureErrors: what the program has written to its standard error so far,
    // up to kMaxErrorOutput bytes (the rest is read and dropped). Else empty.
    const std::string& ErrorOutput() const { return m_strErrors; }

    static constexpr size_t kMaxErrorOutput = 4096;

private:
    CProcessHandle(pid_t pid, int errorPipe, std::function<bool(const std::string&)> lineFilter)
        : m_pid(pid), m_errorPipe(errorPipe), m_lineFilter(std::move(lineFilter))
    {
    }
    bool poll();
    // Records the end; status is waitpid's, or null when it could not be collected.
    void ended(const int* status);
    void drainErrors();
    // Passes the complete lines of m_strPartial (all of it when ended) through the filter
    // into m_strErrors.
    void takeLines(bool ended);
    void keep(const std::string& text);

    pid_t m_pid;
    int m_errorPipe;
    bool m_bEnded = false;
    int m_nExitStatus = -1;
    int m_nSignal = 0;
    std::string m_strErrors;
    std::function<bool(const std::string&)> m_lineFilter;
    std::string m_strPartial;  // standard error not yet taken line by line
};

// Where program name is found: beside the running executable first, then in the folder
// of installed programs (FILTER_INSTALL_BINDIR), then in the absolute folders of PATH when
// it is set; never in the current folder. Empty when none has an executable of that name.
std::string FindProgram(const std::string& name);
