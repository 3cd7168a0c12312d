#pragma once

#include <functional>

namespace zsolve {

// Runs body(begin, end) over the index range [0, count): in two halves, the second on a
// worker thread, when work (an estimate of the operations in all of it) is large enough
// to pay for starting a thread; else in one piece on the calling thread. The halves
// must write to disjoint data. An exception from either half is passed on.
void SplitWork(int count, double work, const std::function<void(int, int)>& body);

}  // namespace zsolve
