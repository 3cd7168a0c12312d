#pragma once

#include <functional>

// Something a command waits for: the end of a process, a lock coming free.
class CWaitable {
public:
    virtual ~CWaitable() = default;
    // Waits up to milliseconds (negative: without limit); true once the wait is over.
    virtual bool WaitFor(int milliseconds) = 0;
};

// A wait for a condition that can only be polled: done is asked every few milliseconds.
class CPolledWait : public CWaitable {
public:
    explicit CPolledWait(std::function<bool()> done) : m_done(std::move(done)) {}
    bool WaitFor(int milliseconds) override;

private:
    std::function<bool()> m_done;
};
