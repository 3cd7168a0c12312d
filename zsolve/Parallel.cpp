#include "Parallel.h"

#include <future>
#include <thread>

namespace zsolve {

namespace {

// Below this many operations a second thread costs more than it saves.
constexpr double kMinParallelWork = 2e5;

}  // namespace

void SplitWork(int count, double work, const std::function<void(int, int)>& body)
{
    if (count < 2 || work < kMinParallelWork || std::thread::hardware_concurrency() < 2) {
        body(0, count);
        return;
    }
    const int half = count / 2;
    std::future<void> second = std::async(std::launch::async, body, half, count);
    body(0, half);
    second.get();
}

}  // namespace zsolve
