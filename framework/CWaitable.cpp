#include "CWaitable.h"

#include <chrono>
#include <thread>

bool CPolledWait::WaitFor(int milliseconds)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (!m_done()) {
        if (milliseconds >= 0 && Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}
